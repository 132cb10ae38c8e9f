#include "layouts/layout_status.h"

namespace sorimo {

std::string LayoutSelectedText(std::string_view name) {
  std::string text = "Layout ";
  for (char c : name) text += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  text += " selected.";
  return text;
}

}  // namespace sorimo
