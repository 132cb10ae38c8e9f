#include "layouts/layout_picture.h"

#include <vector>

namespace sorimo {

std::string LayoutPicture(const LayoutCells& cells) {
  std::string text;
  text.reserve(kLayers * (kRows * (kColumns + 1) + 1));
  for (int z = 1; z <= kLayers; ++z) {
    if (z > 1) text += '\n';
    for (int y = 1; y <= kRows; ++y) {
      for (int x = 1; x <= kColumns; ++x) text += cells.at(x, y, z) != 0 ? '#' : '.';
      text += '\n';
    }
  }
  return text;
}

LayoutPictureResult LayoutFromPicture(std::string_view text) {
  LayoutPictureResult result;
  auto fail = [&](int lineNumber, const std::string& why) {
    result.ok = false;
    result.cells = {};
    result.message = "line " + std::to_string(lineNumber) + ": " + why;
    return result;
  };
  int layer = 0;       // the block being read, 1-based; 0 before the first
  int row = 0;         // rows read in that block
  bool inBlock = false;
  int lineNumber = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
      line.remove_suffix(1);
    if (line.empty()) {
      inBlock = false;
      continue;
    }
    if (!inBlock) {
      inBlock = true;
      row = 0;
      if (++layer > kLayers) return fail(lineNumber, "more than 5 layers");
    }
    if (++row > kRows) return fail(lineNumber, "more than 20 rows in layer " + std::to_string(layer));
    if (line.size() > static_cast<size_t>(kColumns))
      return fail(lineNumber, std::to_string(line.size()) + " columns, more than 34");
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i] != '#' && line[i] != '.')
        return fail(lineNumber, "column " + std::to_string(i + 1) + " is neither '#' nor '.'");
      if (line[i] == '#') result.cells.set(static_cast<int>(i) + 1, row, layer, 1);
    }
  }
  result.ok = true;
  return result;
}

std::string LayoutTopView(const LayoutCells& cells) {
  std::vector<char> top(kLayerCells, '.');
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x) {
        if (cells.at(x, y, z) == 0) continue;
        for (int dy = 0; dy <= 1; ++dy)
          for (int dx = 0; dx <= 1; ++dx)
            if (x + dx <= kColumns && y + dy <= kRows)
              top[(y + dy - 1) * kColumns + (x + dx - 1)] = static_cast<char>('0' + z);
      }
  std::string text;
  for (int y = 0; y < kRows; ++y) {
    text.append(top.begin() + y * kColumns, top.begin() + (y + 1) * kColumns);
    text += '\n';
  }
  return text;
}

}  // namespace sorimo
