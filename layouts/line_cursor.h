// The lines of a layout text, one by one, whatever the line ends the file was written with.
#pragma once

#include <optional>
#include <string_view>

namespace sorimo {

// Hands out the lines of a text one by one. A line ends at LF; a CR just before the LF, or at
// the very end of the text, belongs to the line end. A last line without a line end still
// counts; an empty remainder after the last line end is no line.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  std::optional<std::string_view> Next() {
    if (pos_ >= text_.size()) return std::nullopt;
    const size_t lf = text_.find('\n', pos_);
    const size_t end = lf == std::string_view::npos ? text_.size() : lf;
    std::string_view line = text_.substr(pos_, end - pos_);
    // The CR of a CR LF, or a CR that ends the text (a CR LF cut short).
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = lf == std::string_view::npos ? text_.size() : lf + 1;
    return line;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace sorimo
