#include "layouts/shp_reader.h"

#include "layouts/line_cursor.h"

namespace sorimo {

int HexByte(char high, char low) {
  auto digit = [](char c) { return c >= '0' && c <= '9' ? c - '0' : static_cast<unsigned char>(c) - 55; };
  return 16 * digit(high) + digit(low);
}

bool IsShpLayoutPath(std::string_view path) { return path.size() >= 4 && path.substr(path.size() - 4) == ".shp"; }

LayoutReadResult ReadShpLayout(std::string_view bytes, std::string_view label, const std::string& name, bool cut) {
  // A line the cut goes through may go on: only the lines ended before it are whole.
  if (cut) bytes = bytes.substr(0, bytes.rfind('\n') + 1);
  LineCursor lines(bytes);
  LayoutReadResult r;
  int anchors = 0;
  for (int n = 1; n <= kShpLines; ++n) {
    const std::optional<std::string_view> line = lines.Next();
    if (!line && cut) return Refuse(label, "its first " + std::to_string(kShpLines) + " lines are far too long");
    if (!line) return Refuse(label, "it has " + std::to_string(n - 1) + " lines instead of " + std::to_string(kShpLines));
    const std::string where = "line " + std::to_string(n);
    if (line->size() < 9) return Refuse(label, where + " is shorter than 9 characters");
    const std::string_view digits = line->substr(3, 6);
    const bool hex = digits.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
    const int x = HexByte(digits[0], digits[1]);
    const int y = HexByte(digits[2], digits[3]);
    const int z = HexByte(digits[4], digits[5]);
    if (!hex || x > kShpMaxX || y > kShpMaxY || z > kShpMaxZ)
      return Refuse(label, where + " does not hold a position of the board in characters 4 to 9 (\"" +
                               std::string(digits) + "\")");
    uint8_t& cell = r.cells.layer[size_t(z)][size_t((y + 1) * kColumns + (x + 1))];
    if (cell == 0) ++anchors;
    cell = 1;
  }
  if (const std::string problem = TileCountProblem(anchors); !problem.empty()) return Refuse(label, problem);
  r.status = LayoutReadStatus::Loaded;
  r.name = name;
  return r;
}

}  // namespace sorimo
