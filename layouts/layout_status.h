// The status line shown when a layout has been chosen.
#pragma once

#include <string>
#include <string_view>

namespace sorimo {

// "Layout " + name with the letters a to z in upper case (every other byte as it is, so
// accented letters stay lower case) + " selected."; "Pyramid" gives "Layout PYRAMID selected.".
std::string LayoutSelectedText(std::string_view name);

}  // namespace sorimo
