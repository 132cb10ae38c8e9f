// The section/key store behind the settings file and the hall of fame file: a thin handle on
// a file path whose every operation goes to the file (no cache), with the rules the program
// expects of such files (see profile_document.h and profile_values.h). Writes keep every
// other section, key and comment, create the file when it is missing, and replace the file
// atomically. A failed write is reported as a result carrying "Unable to write to <path>";
// the file is then as it was.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/store/profile_document.h"

namespace sorimo {

// The message of every failed write or erase; the file path stands in place of %s.
constexpr std::string_view kUnableToWrite = "Unable to write to %s";

// A store file larger than this is not one the program wrote: reads see no keys in it and
// writes refuse to replace it rather than lose what it holds.
constexpr size_t kMaxStoreFileBytes = size_t{1} << 20;

class [[nodiscard]] WriteResult {
 public:
  static WriteResult Success() { return WriteResult(std::string()); }
  static WriteResult Failure(std::string_view path);
  bool ok() const { return message_.empty(); }
  // "Unable to write to <path>" on failure, empty on success.
  const std::string& message() const { return message_; }

 private:
  explicit WriteResult(std::string message) : message_(std::move(message)) {}
  std::string message_;
};

class StoreEdit;

class SectionKeyStore {
 public:
  explicit SectionKeyStore(std::string path) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  std::string ReadText(std::string_view section, std::string_view key,
                       std::string_view fallback) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  WriteResult WriteText(std::string_view section, std::string_view key,
                        std::string_view value) const;
  WriteResult WriteInteger(std::string_view section, std::string_view key, int32_t value) const;
  WriteResult WriteBool(std::string_view section, std::string_view key, bool value) const;
  WriteResult EraseSection(std::string_view section) const;

  // Why the file cannot be used, naming it: "Cannot read <path>: <reason>" when it cannot be
  // read whole (a folder, a FIFO, a loop of links, too large, no permission), "<path> is not a
  // text file of sections and keys" when what it holds is not (UTF-16, a picture, garbage).
  // Empty when it is missing (the first write makes it) or usable. Such a file is never
  // written: whatever it holds stays as it is.
  std::string Problem() const;

  // The file as it is now, for reading many keys with one pass over the disk. A missing or
  // unreadable file gives an empty document.
  ProfileDocument Snapshot() const;

  // Many writes for one replacement of the file (shutdown writes hundreds of keys). The file
  // ends up exactly as if the same operations had been made one by one.
  StoreEdit Edit() const;

 private:
  std::string path_;
};

class StoreEdit {
 public:
  void WriteText(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void EraseSection(std::string_view section);

  // The document with the writes made so far; writes may also be made on it directly.
  const ProfileDocument& document() const { return document_; }
  ProfileDocument& document() { return document_; }

  // Replaces the file when its content changed. Fails without touching the file when the
  // file could not be read at the start (its content would be lost) or cannot be replaced.
  WriteResult Commit() const;

 private:
  friend class SectionKeyStore;
  StoreEdit(std::string path, bool readable, std::string original);

  std::string path_;
  bool readable_;
  std::string original_;
  ProfileDocument document_;
};

}  // namespace sorimo
