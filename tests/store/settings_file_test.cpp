#include "app/store/settings_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/store/temp_folder.h"

namespace sorimo {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// The file's keys in their order, written out here by hand rather than taken from the table.
const std::vector<std::string> kFileOrder = {
    "Highlight",      "Invert",         "ShowMoves",     "PlayMusic",      "PlaySounds",
    "CurrentPlayer1", "ColorBackground", "Background",   "BoardNumber",    "MidiNumber",
    "Tileset",        "SetRes800",      "LastLoadedTileset", "LastLoadedBackground",
    "StartDirectly",  "StartMusic",     "ShowHallOfFame", "ShowToolbar",   "ShowStatus",
    "ShowGirls",      "CoolMenu",       "CoolMouse",     "CoolStatus",     "CoolToolbar",
    "TileRivers",     "ShowTime",       "FlatButtons",   "EnableHall",     "Shadows",
    "Vertical",       "Winnable",       "Shuffable",     "Animate",        "AnimateClicks",
    "PauseFocus",     "ShowTile",       "OnlyPossible",  "RandomMusic",    "RandomSeed",
    "XPos",           "YPos",           "WPos",          "HPos",           "PreviousRes",
    // Keys added since come after the 44.
    "WarnUnclearable",
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Every field the table reaches, turned away from its default, with a different number for
// every number so that two keys swapped in reading or writing cannot go unnoticed.
void Scramble(Options& options, SettingsValues& values) {
  int32_t next = 1000;
  for (const SettingKey& key : SettingsKeys()) {
    switch (key.kind) {
      case SettingKind::Flag: options.*key.flag = !(options.*key.flag); break;
      case SettingKind::OptionNumber:
        // A menu's numbered choice is kept only while it names an item.
        options.*key.optionNumber =
            key.choiceCount > 0 ? (key.defaultNumber + 1) % key.choiceCount : next++;
        break;
      case SettingKind::Number: values.*key.number = next++; break;
      case SettingKind::Text: values.*key.text = "text " + std::to_string(next++); break;
    }
  }
}

TEST(SettingsFile, TheTableHoldsTheFortyFourKeysFirstInFileOrder) {
  std::vector<std::string> names;
  std::vector<std::string> writtenOnly;
  for (const SettingKey& key : SettingsKeys()) {
    names.emplace_back(key.name);
    if (!key.readAtStartup) writtenOnly.emplace_back(key.name);
  }
  EXPECT_EQ(names, kFileOrder);
  EXPECT_EQ(writtenOnly, (std::vector<std::string>{"WPos", "HPos"}));
}

TEST(SettingsFile, NoFileGivesEveryDefaultAndTheFirstExitWritesAllKeysInOrder) {
  TempFolder folder;
  const SectionKeyStore store(folder.File("Sorimo.ini"));
  Options options;
  SettingsValues values;
  Scramble(options, values);
  values.WPos = 4242;
  values.ScreenWidth = 1280;
  ReadSettings(store, options, values);

  // The table's defaults agree with the defaults of the structures the program starts from.
  Options fresh;
  SettingsValues freshValues;
  for (const SettingKey& key : SettingsKeys()) {
    if (!key.readAtStartup) continue;
    switch (key.kind) {
      case SettingKind::Flag: EXPECT_EQ(options.*key.flag, fresh.*key.flag) << key.name; break;
      case SettingKind::OptionNumber:
        EXPECT_EQ(options.*key.optionNumber, fresh.*key.optionNumber) << key.name;
        break;
      case SettingKind::Number:
        if (key.name != "PreviousRes") {
          EXPECT_EQ(values.*key.number, freshValues.*key.number) << key.name;
        }
        break;
      case SettingKind::Text: EXPECT_EQ(values.*key.text, freshValues.*key.text) << key.name; break;
    }
  }
  EXPECT_EQ(options.HighlightMode, HighlightGreenRectangle);
  EXPECT_TRUE(options.Moves);
  EXPECT_FALSE(options.Invert);
  EXPECT_EQ(values.CurrentPlayer1, "Player1");
  EXPECT_EQ(values.ColorBackground, 0x808000);
  EXPECT_EQ(options.Background, 4);
  EXPECT_EQ(options.Tileset, 3);
  EXPECT_EQ(values.BoardNumber, -1);
  EXPECT_EQ(values.MidiNumber, -1);
  EXPECT_EQ(values.PreviousRes, 1280) << "defaults to the current screen width";
  EXPECT_EQ(values.WPos, 4242) << "never read";

  values.WPos = 720;
  values.HPos = 560;
  ASSERT_TRUE(WriteSettings(store, options, values, 5).ok());
  const std::vector<std::string> lines = Lines(ReadFile(store.path()));
  ASSERT_EQ(lines.size(), 46u);
  EXPECT_EQ(lines[0], "[Sorimo]");
  for (size_t i = 0; i < kFileOrder.size(); ++i)
    EXPECT_EQ(lines[i + 1].substr(0, lines[i + 1].find('=')), kFileOrder[i]);
  EXPECT_EQ(lines[1], "Highlight=3");
  EXPECT_EQ(lines[2], "Invert=0");
  EXPECT_EQ(lines[6], "CurrentPlayer1=Player1");
  EXPECT_EQ(lines[7], "ColorBackground=8421376");
  EXPECT_EQ(lines[13], "LastLoadedTileset=");
  EXPECT_EQ(lines[42], "WPos=720");
  EXPECT_EQ(lines[44], "PreviousRes=1280");
  EXPECT_EQ(lines[45], "WarnUnclearable=0") << "off by default";
}

TEST(SettingsFile, StoredValuesAreReadByTheirRules) {
  TempFolder folder;
  const std::string path = folder.File("Sorimo.ini");
  WriteFile(path,
            "[Sorimo]\r\n"
            "Invert=7\r\n"
            "Highlight=0x4\r\n"
            "CurrentPlayer1=   Mei Lin   \r\n"
            "Background=9\r\n"
            "BoardNumber=abc\r\n"
            "ColorBackground=\r\n"
            "WPos=500\r\n"
            "PreviousRes=800\r\n");
  Options options;
  SettingsValues values;
  values.ScreenWidth = 1024;
  values.WPos = 77;
  ReadSettings(SectionKeyStore(path), options, values);
  EXPECT_TRUE(options.Invert);
  EXPECT_EQ(options.HighlightMode, HighlightBlueRectangle);
  EXPECT_EQ(values.CurrentPlayer1, "Mei Lin");
  EXPECT_EQ(options.Background, 9) << "kept as stored; no menu item gets the check mark";
  EXPECT_EQ(values.BoardNumber, -1) << "not a number: the default";
  EXPECT_EQ(values.ColorBackground, 8421376);
  EXPECT_EQ(values.WPos, 77) << "written only, never read";
  EXPECT_EQ(values.PreviousRes, 800);
}

TEST(SettingsFile, ShutdownValuesFollowTheWriteRules) {
  TempFolder folder;
  const SectionKeyStore store(folder.File("Sorimo.ini"));
  Options options;
  options.Invert = true;
  SettingsValues values;
  values.ScreenWidth = 800;
  values.PreviousRes = 1920;  // what start-up read; shutdown writes today's width
  values.BoardNumber = 110;   // a Memory game is current, started from layout 5
  options.Background = 9;  // no item has this number: none is checked
  ASSERT_TRUE(WriteSettings(store, options, values, 5).ok());
  EXPECT_EQ(store.ReadInteger("Sorimo", "BoardNumber", 0), 5);
  EXPECT_EQ(store.ReadInteger("Sorimo", "PreviousRes", 0), 800);
  EXPECT_EQ(store.ReadInteger("Sorimo", "Background", 0), 3);
  EXPECT_EQ(store.ReadText("Sorimo", "Invert", ""), "1");

  values.BoardNumber = 99;  // a layout: kept
  ASSERT_TRUE(WriteSettings(store, options, values, 5).ok());
  EXPECT_EQ(store.ReadInteger("Sorimo", "BoardNumber", 0), 99);
}

TEST(SettingsFile, ANumberedChoiceWithoutItsItemIsWrittenAsTheNoneNumber) {
  TempFolder folder;
  const SectionKeyStore store(folder.File("Sorimo.ini"));
  const auto written = [&](int32_t background, int32_t tileset) {
    Options options;
    options.Background = background;
    options.Tileset = tileset;
    EXPECT_TRUE(WriteSettings(store, options, SettingsValues{}, 1).ok());
    return std::pair{store.ReadInteger("Sorimo", "Background", -9), store.ReadInteger("Sorimo", "Tileset", -9)};
  };
  // Every item's number is written as it is.
  for (int32_t n = 0; n <= 5; ++n) EXPECT_EQ(written(n, n % 5), std::pair(n, n % 5)) << n;
  // No item checked: "Background" 3, "Tileset" 4.
  EXPECT_EQ(written(-1, -1), std::pair(3, 4));
  EXPECT_EQ(written(6, 5), std::pair(3, 4));
  EXPECT_EQ(written(9, 9), std::pair(3, 4));
}

TEST(SettingsFile, EverySettingSurvivesAWriteAndARead) {
  TempFolder folder;
  const std::string path = folder.File("Sorimo.ini");
  WriteFile(path, "; kept\n[Sorimo]\nShadows=1\nUnknownKey=kept too\n[Other]\nx=1\n");
  const SectionKeyStore store(path);
  Options written;
  SettingsValues values;
  Scramble(written, values);
  values.BoardNumber = 42;
  ASSERT_TRUE(WriteSettings(store, written, values, 7).ok());

  Options read;
  SettingsValues readValues;
  ReadSettings(store, read, readValues);
  for (const SettingKey& key : SettingsKeys()) {
    if (!key.readAtStartup) continue;
    switch (key.kind) {
      case SettingKind::Flag: EXPECT_EQ(read.*key.flag, written.*key.flag) << key.name; break;
      case SettingKind::OptionNumber:
        EXPECT_EQ(read.*key.optionNumber, written.*key.optionNumber) << key.name;
        break;
      case SettingKind::Number:
        if (key.name != "PreviousRes") {
          EXPECT_EQ(readValues.*key.number, values.*key.number) << key.name;
        }
        break;
      case SettingKind::Text: EXPECT_EQ(readValues.*key.text, values.*key.text) << key.name; break;
    }
  }
  EXPECT_EQ(readValues.PreviousRes, values.ScreenWidth);
  const std::string text = ReadFile(path);
  EXPECT_EQ(text.rfind("; kept\n[Sorimo]\nShadows=0\nUnknownKey=kept too\nHighlight=", 0), 0u);
  EXPECT_NE(text.find("\n[Other]\nx=1\n"), std::string::npos);
}

}  // namespace
}  // namespace sorimo
