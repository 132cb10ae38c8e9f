#include "app/store/settings_file.h"

#include "app/store/profile_values.h"
#include "engine/hall_columns.h"

namespace sorimo {

namespace {

bool IsPreviousRes(const SettingKey& key) { return key.number == &SettingsValues::PreviousRes; }
bool IsBoardNumber(const SettingKey& key) { return key.number == &SettingsValues::BoardNumber; }

}  // namespace

void ReadSettingsFrom(const ProfileDocument& doc, Options& options, SettingsValues& values) {
  for (const SettingKey& key : SettingsKeys()) {
    if (!key.readAtStartup) continue;
    switch (key.kind) {
      case SettingKind::Flag:
        options.*key.flag = ReadBool(doc, kSettingsSection, key.name, key.defaultNumber != 0);
        break;
      case SettingKind::OptionNumber:
        options.*key.optionNumber = ReadInteger(doc, kSettingsSection, key.name, key.defaultNumber);
        break;
      case SettingKind::Number: {
        const int32_t fallback = IsPreviousRes(key) ? values.ScreenWidth : key.defaultNumber;
        values.*key.number = ReadInteger(doc, kSettingsSection, key.name, fallback);
        break;
      }
      case SettingKind::Text:
        values.*key.text = ReadText(doc, kSettingsSection, key.name, key.defaultText);
        break;
    }
  }
}

void ReadSettings(const SectionKeyStore& store, Options& options, SettingsValues& values) {
  // One look at the file for all keys: nothing can change it between the reads.
  ReadSettingsFrom(store.Snapshot(), options, values);
}

void WriteSettingsTo(ProfileDocument& doc, const Options& options, const SettingsValues& values,
                     int32_t SavedBoardNumber) {
  for (const SettingKey& key : SettingsKeys()) {
    switch (key.kind) {
      case SettingKind::Flag:
        WriteBool(doc, kSettingsSection, key.name, options.*key.flag);
        break;
      case SettingKind::OptionNumber:
        WriteInteger(doc, kSettingsSection, key.name, ChoiceAsWritten(key, options.*key.optionNumber));
        break;
      case SettingKind::Number: {
        int32_t value = values.*key.number;
        if (IsBoardNumber(key) && value >= kFirstArcadeColumn) value = SavedBoardNumber;
        if (IsPreviousRes(key)) value = values.ScreenWidth;
        WriteInteger(doc, kSettingsSection, key.name, value);
        break;
      }
      case SettingKind::Text:
        WriteText(doc, kSettingsSection, key.name, values.*key.text);
        break;
    }
  }
}

WriteResult WriteSettings(const SectionKeyStore& store, const Options& options,
                          const SettingsValues& values, int32_t SavedBoardNumber) {
  StoreEdit edit = store.Edit();
  WriteSettingsTo(edit.document(), options, values, SavedBoardNumber);
  return edit.Commit();
}

}  // namespace sorimo
