// A section/key text file held in memory line by line. A change touches only the lines it
// must; everything else (other sections, comments, odd lines, line endings, a byte-order
// mark) is written back byte for byte, so Serialize(Parse(bytes)) == bytes for any bytes.
//
// Format: a line whose first non-blank character is "[" and that holds a "]" opens a section
// (the name is what stands between the "[" and the last "]", blanks around it removed). In a
// section, a line with an "=" gives a key (the text before the first "=", blanks removed) its
// value (the rest of the line). Lines end at LF; a CR just before it belongs to the line
// ending. Anything else is kept as it stands and means nothing. Names are compared without
// regard to ASCII case. Keys before the first section belong to none and are never found.
// Comment lines (";...") need no rule of their own: no key asked for can begin with ";".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorimo {

class ProfileDocument {
 public:
  // Never fails and takes time linear in the input: any bytes make a document.
  static ProfileDocument Parse(std::string_view bytes);
  std::string Serialize() const;

  // The value of the first key named `key` in the sections named `section` (sections of the
  // same name are searched in file order), blanks before and after removed; nullopt if none.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

  // Gives the key its value: the first such key is rewritten in place; a missing key is added
  // after the last non-blank line of the first section of that name; a missing section is
  // added at the end. Line feeds in the value become blanks so one value stays one line.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Removes every section of that name with all its lines. Returns whether one was found.
  bool EraseSection(std::string_view section);

  bool HasSection(std::string_view section) const;

  // A section may stand in the file more than once (a hand edit, two files joined): Find and
  // Set see the copies as one, in file order. These look at each copy alone.
  size_t CopiesOf(std::string_view section) const;
  // The value of the first key named `key` in copy number `copy` (0 the first), trimmed.
  std::optional<std::string_view> FindInCopy(std::string_view section, size_t copy,
                                             std::string_view key) const;
  // Removes every copy after the first, with all its lines. Returns whether one was found.
  bool EraseLaterCopies(std::string_view section);
  size_t SectionCount() const { return sections_.size(); }

  // The names the document stores for the names a caller asks for: line feeds (and in a key
  // "=") cannot live in a name, and a key cannot begin with ";" or "[", so such characters are
  // replaced; blanks around the name are removed. Lookups and writes both go through these,
  // so whatever is written can be found again.
  static std::string CleanSectionName(std::string_view name);
  static std::string CleanKeyName(std::string_view name);

 private:
  enum class Ending : uint8_t { None, Lf, CrLf };
  struct Line {
    std::string text;         // without its ending
    Ending ending = Ending::None;
    bool isKey = false;       // a key line of a section body
    uint32_t keyBegin = 0, keyLength = 0;  // the trimmed key within text
    uint32_t valueBegin = 0;               // first character after the "="
  };
  struct Section {
    Line header;
    std::string name;  // trimmed, as it stands in the file
    std::vector<Line> body;
  };

  static Line MakeLine(std::string text, Ending ending, bool inSection);
  static const Line* FindKeyIn(const Section& section, std::string_view key);
  Line* FindKeyLine(std::string_view section, std::string_view key);
  const Line* FindKeyLine(std::string_view section, std::string_view key) const;
  Line& LastLine();
  bool Empty() const { return preamble_.empty() && sections_.empty(); }
  void EndLastLine();  // gives the last line an ending before something is appended

  bool byteOrderMark_ = false;
  Ending newline_ = Ending::Lf;  // style for new lines: that of the file's first line ending
  std::vector<Line> preamble_;   // lines before the first section
  std::vector<Section> sections_;
};

// ASCII case-insensitive equality, the rule for section and key names.
bool SameName(std::string_view a, std::string_view b);

// Blanks are removed around values and names: space, tab, CR, vertical tab, form feed.
std::string_view TrimBlanks(std::string_view text);

}  // namespace sorimo
