#include "app/store/section_key_store.h"

#include <algorithm>

#include "app/store/profile_values.h"
#include "files/atomic_replace.h"
#include "files/whole_file_read.h"

namespace sorimo {

WriteResult WriteResult::Failure(std::string_view path) {
  const size_t at = kUnableToWrite.find("%s");
  std::string message(kUnableToWrite.substr(0, at));
  message += path;
  message += kUnableToWrite.substr(at + 2);
  return WriteResult(std::move(message));
}

namespace {

// Text this store can read and add to: no NUL byte (UTF-16 has one in every ASCII character),
// and a section, or nothing but blank and comment lines that a new section may follow.
bool IsProfileText(std::string_view bytes) {
  if (bytes.find('\0') != std::string_view::npos) return false;
  if (ProfileDocument::Parse(bytes).SectionCount() > 0) return true;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  while (!bytes.empty()) {
    const size_t end = std::min(bytes.find('\n'), bytes.size());
    const std::string_view line = TrimBlanks(bytes.substr(0, end));
    if (!line.empty() && line[0] != ';') return false;
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
  }
  return true;
}

}  // namespace

std::string SectionKeyStore::Problem() const {
  const WholeFile file = ReadWholeFile(path_, kMaxStoreFileBytes);
  if (file.status == FileReadStatus::Missing) return {};
  if (!file.ok()) return file.Message(path_);
  if (!IsProfileText(file.bytes)) return path_ + " is not a text file of sections and keys";
  return {};
}

ProfileDocument SectionKeyStore::Snapshot() const {
  const WholeFile file = ReadWholeFile(path_, kMaxStoreFileBytes);
  return ProfileDocument::Parse(file.bytes);
}

std::string SectionKeyStore::ReadText(std::string_view section, std::string_view key,
                                      std::string_view fallback) const {
  return sorimo::ReadText(Snapshot(), section, key, fallback);
}

int32_t SectionKeyStore::ReadInteger(std::string_view section, std::string_view key,
                                     int32_t fallback) const {
  return sorimo::ReadInteger(Snapshot(), section, key, fallback);
}

bool SectionKeyStore::ReadBool(std::string_view section, std::string_view key,
                               bool fallback) const {
  return sorimo::ReadBool(Snapshot(), section, key, fallback);
}

StoreEdit SectionKeyStore::Edit() const {
  // A missing file is an empty store that the first write creates; anything else that cannot
  // be read whole must not be replaced by what little of it the edit would know.
  WholeFile file = ReadWholeFile(path_, kMaxStoreFileBytes);
  const bool writable = (file.ok() && IsProfileText(file.bytes)) || file.status == FileReadStatus::Missing;
  return StoreEdit(path_, writable, std::move(file.bytes));
}

WriteResult SectionKeyStore::WriteText(std::string_view section, std::string_view key,
                                       std::string_view value) const {
  StoreEdit edit = Edit();
  edit.WriteText(section, key, value);
  return edit.Commit();
}

WriteResult SectionKeyStore::WriteInteger(std::string_view section, std::string_view key,
                                          int32_t value) const {
  StoreEdit edit = Edit();
  edit.WriteInteger(section, key, value);
  return edit.Commit();
}

WriteResult SectionKeyStore::WriteBool(std::string_view section, std::string_view key,
                                       bool value) const {
  StoreEdit edit = Edit();
  edit.WriteBool(section, key, value);
  return edit.Commit();
}

WriteResult SectionKeyStore::EraseSection(std::string_view section) const {
  StoreEdit edit = Edit();
  edit.EraseSection(section);
  return edit.Commit();
}

StoreEdit::StoreEdit(std::string path, bool readable, std::string original)
    : path_(std::move(path)),
      readable_(readable),
      original_(std::move(original)),
      document_(ProfileDocument::Parse(original_)) {}

void StoreEdit::WriteText(std::string_view section, std::string_view key, std::string_view value) {
  sorimo::WriteText(document_, section, key, value);
}

void StoreEdit::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  sorimo::WriteInteger(document_, section, key, value);
}

void StoreEdit::WriteBool(std::string_view section, std::string_view key, bool value) {
  sorimo::WriteBool(document_, section, key, value);
}

void StoreEdit::EraseSection(std::string_view section) { document_.EraseSection(section); }

WriteResult StoreEdit::Commit() const {
  if (!readable_) return WriteResult::Failure(path_);
  const std::string bytes = document_.Serialize();
  // Nothing changed (an erase of a section that is not there, a value written again): the
  // file is left alone, and a missing file is not created empty.
  if (bytes == original_) return WriteResult::Success();
  if (!ReplaceFileAtomically(path_, bytes).ok()) return WriteResult::Failure(path_);
  return WriteResult::Success();
}

}  // namespace sorimo
