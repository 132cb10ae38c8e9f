#include "app/store/profile_document.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace sorimo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view EndingText(uint8_t ending) {
  switch (ending) {
    case 1: return "\n";
    case 2: return "\r\n";
    default: return "";
  }
}

// Whether Clean...Name would give the name back unchanged.
bool IsCleanName(std::string_view name, bool isKey) {
  if (TrimBlanks(name).size() != name.size()) return false;
  for (char c : name)
    if (c == '\n' || (isKey && c == '=')) return false;
  return !isKey || name.empty() || (name[0] != ';' && name[0] != '[');
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string ProfileDocument::CleanSectionName(std::string_view name) {
  std::string clean(TrimBlanks(name));
  std::replace(clean.begin(), clean.end(), '\n', ' ');
  return std::string(TrimBlanks(clean));
}

std::string ProfileDocument::CleanKeyName(std::string_view name) {
  std::string clean(name);
  for (char& c : clean)
    if (c == '\n' || c == '=') c = '_';
  clean = std::string(TrimBlanks(clean));
  if (!clean.empty() && (clean[0] == ';' || clean[0] == '[')) clean[0] = '_';
  return clean;
}

ProfileDocument::Line ProfileDocument::MakeLine(std::string text, Ending ending, bool inSection) {
  Line line;
  line.ending = ending;
  if (inSection && text.size() < std::numeric_limits<uint32_t>::max()) {
    const size_t equals = text.find('=');
    if (equals != std::string::npos) {
      const std::string_view before(text.data(), equals);
      const std::string_view key = TrimBlanks(before);
      line.isKey = true;
      line.keyBegin = static_cast<uint32_t>(key.data() - text.data());
      line.keyLength = static_cast<uint32_t>(key.size());
      line.valueBegin = static_cast<uint32_t>(equals + 1);
    }
  }
  line.text = std::move(text);
  return line;
}

ProfileDocument ProfileDocument::Parse(std::string_view bytes) {
  ProfileDocument doc;
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    doc.byteOrderMark_ = true;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  bool styleKnown = false;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t lf = bytes.find('\n', pos);
    size_t textEnd = (lf == std::string_view::npos) ? bytes.size() : lf;
    Ending ending = Ending::None;
    if (lf != std::string_view::npos) {
      ending = Ending::Lf;
      if (textEnd > pos && bytes[textEnd - 1] == '\r') {
        ending = Ending::CrLf;
        --textEnd;
      }
      if (!styleKnown) {
        doc.newline_ = ending;
        styleKnown = true;
      }
    }
    std::string_view text = bytes.substr(pos, textEnd - pos);
    pos = (lf == std::string_view::npos) ? bytes.size() : lf + 1;

    const std::string_view trimmed = TrimBlanks(text);
    const size_t close = trimmed.rfind(']');
    if (!trimmed.empty() && trimmed[0] == '[' && close != std::string_view::npos && close > 0) {
      Section section;
      section.name = std::string(TrimBlanks(trimmed.substr(1, close - 1)));
      section.header = MakeLine(std::string(text), ending, false);
      doc.sections_.push_back(std::move(section));
    } else if (doc.sections_.empty()) {
      doc.preamble_.push_back(MakeLine(std::string(text), ending, false));
    } else {
      doc.sections_.back().body.push_back(MakeLine(std::string(text), ending, true));
    }
  }
  return doc;
}

std::string ProfileDocument::Serialize() const {
  size_t size = byteOrderMark_ ? kByteOrderMark.size() : 0;
  auto count = [&size](const Line& line) { size += line.text.size() + 2; };
  for (const Line& line : preamble_) count(line);
  for (const Section& section : sections_) {
    count(section.header);
    for (const Line& line : section.body) count(line);
  }
  std::string out;
  out.reserve(size);
  if (byteOrderMark_) out += kByteOrderMark;
  auto emit = [&out](const Line& line) {
    out += line.text;
    out += EndingText(static_cast<uint8_t>(line.ending));
  };
  for (const Line& line : preamble_) emit(line);
  for (const Section& section : sections_) {
    emit(section.header);
    for (const Line& line : section.body) emit(line);
  }
  return out;
}

const ProfileDocument::Line* ProfileDocument::FindKeyLine(std::string_view section,
                                                          std::string_view key) const {
  // The program's own names are clean already; only odd ones pay for a cleaned copy.
  std::string sectionBuffer, keyBuffer;
  const std::string_view sectionName =
      IsCleanName(section, false) ? section : std::string_view(sectionBuffer = CleanSectionName(section));
  const std::string_view keyName =
      IsCleanName(key, true) ? key : std::string_view(keyBuffer = CleanKeyName(key));
  for (const Section& s : sections_) {
    if (!SameName(s.name, sectionName)) continue;
    if (const Line* line = FindKeyIn(s, keyName)) return line;
  }
  return nullptr;
}

const ProfileDocument::Line* ProfileDocument::FindKeyIn(const Section& section, std::string_view key) {
  for (const Line& line : section.body)
    if (line.isKey && SameName(std::string_view(line.text).substr(line.keyBegin, line.keyLength), key))
      return &line;
  return nullptr;
}

size_t ProfileDocument::CopiesOf(std::string_view section) const {
  const std::string name = CleanSectionName(section);
  return static_cast<size_t>(std::count_if(sections_.begin(), sections_.end(),
                                           [&name](const Section& s) { return SameName(s.name, name); }));
}

std::optional<std::string_view> ProfileDocument::FindInCopy(std::string_view section, size_t copy,
                                                            std::string_view key) const {
  const std::string name = CleanSectionName(section);
  const std::string keyName = CleanKeyName(key);
  for (const Section& s : sections_) {
    if (!SameName(s.name, name)) continue;
    if (copy-- > 0) continue;
    const Line* line = FindKeyIn(s, keyName);
    if (line == nullptr) return std::nullopt;
    return TrimBlanks(std::string_view(line->text).substr(line->valueBegin));
  }
  return std::nullopt;
}

bool ProfileDocument::EraseLaterCopies(std::string_view section) {
  const std::string name = CleanSectionName(section);
  bool first = true;
  const size_t before = sections_.size();
  std::erase_if(sections_, [&](const Section& s) {
    if (!SameName(s.name, name)) return false;
    if (!first) return true;
    first = false;
    return false;
  });
  return sections_.size() != before;
}

ProfileDocument::Line* ProfileDocument::FindKeyLine(std::string_view section, std::string_view key) {
  return const_cast<Line*>(std::as_const(*this).FindKeyLine(section, key));
}

std::optional<std::string_view> ProfileDocument::Find(std::string_view section,
                                                      std::string_view key) const {
  const Line* line = FindKeyLine(section, key);
  if (line == nullptr) return std::nullopt;
  return TrimBlanks(std::string_view(line->text).substr(line->valueBegin));
}

bool ProfileDocument::HasSection(std::string_view section) const {
  const std::string name = CleanSectionName(section);
  return std::any_of(sections_.begin(), sections_.end(),
                     [&name](const Section& s) { return SameName(s.name, name); });
}

ProfileDocument::Line& ProfileDocument::LastLine() {
  if (!sections_.empty()) {
    Section& last = sections_.back();
    return last.body.empty() ? last.header : last.body.back();
  }
  return preamble_.back();
}

void ProfileDocument::EndLastLine() {
  if (Empty()) return;
  Line& last = LastLine();
  if (last.ending == Ending::None) last.ending = newline_;
}

void ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string cleanValue(value);
  std::replace(cleanValue.begin(), cleanValue.end(), '\n', ' ');

  if (Line* line = FindKeyLine(section, key)) {
    // Keep the key as the file spells it; only the value changes.
    std::string text = line->text.substr(line->keyBegin, line->keyLength);
    text += '=';
    text += cleanValue;
    *line = MakeLine(std::move(text), line->ending, true);
    return;
  }

  const std::string sectionName = CleanSectionName(section);
  std::string text = CleanKeyName(key);
  text += '=';
  text += cleanValue;

  for (Section& s : sections_) {
    if (!SameName(s.name, sectionName)) continue;
    // After the last line with content, so blank lines that part sections stay at the end.
    size_t at = s.body.size();
    while (at > 0 && TrimBlanks(s.body[at - 1].text).empty()) --at;
    Line& before = at == 0 ? s.header : s.body[at - 1];
    Ending ending = newline_;
    if (before.ending == Ending::None) {
      // The line before was the file's last and had no ending: it gets one, the new line not.
      before.ending = newline_;
      ending = Ending::None;
    }
    s.body.insert(s.body.begin() + static_cast<std::ptrdiff_t>(at),
                  MakeLine(std::move(text), ending, true));
    return;
  }

  EndLastLine();
  if (!Empty() && !TrimBlanks(LastLine().text).empty()) {
    // A blank line between sections, the way these files are usually laid out.
    Line gap = MakeLine(std::string(), newline_, !sections_.empty());
    if (sections_.empty())
      preamble_.push_back(std::move(gap));
    else
      sections_.back().body.push_back(std::move(gap));
  }
  Section fresh;
  fresh.name = sectionName;
  fresh.header = MakeLine("[" + sectionName + "]", newline_, false);
  fresh.body.push_back(MakeLine(std::move(text), newline_, true));
  sections_.push_back(std::move(fresh));
}

bool ProfileDocument::EraseSection(std::string_view section) {
  const std::string name = CleanSectionName(section);
  const size_t before = sections_.size();
  std::erase_if(sections_, [&name](const Section& s) { return SameName(s.name, name); });
  return sections_.size() != before;
}

}  // namespace sorimo
