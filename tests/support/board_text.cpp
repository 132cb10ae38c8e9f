#include "tests/support/board_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <vector>

namespace sorimo {

namespace {

constexpr int kSlot = -1;  // '#'
constexpr int kEmpty = 0;  // '.'

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> SplitBlanks(std::string_view line) {
  std::vector<std::string_view> tokens;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) tokens.push_back(line.substr(start, i - start));
  }
  return tokens;
}

bool ReadInt(std::string_view s, int& value) {
  if (s.empty() || s.size() > 4) return false;
  value = 0;
  for (const char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

// "layer Z" or "layer Z at X,Y".
bool ReadLayerHeader(const std::vector<std::string_view>& t, int& z, int& x, int& y) {
  x = y = 1;
  if (t.size() != 2 && t.size() != 4) return false;
  if (!ReadInt(t[1], z)) return false;
  if (t.size() == 2) return true;
  if (t[2] != "at") return false;
  const size_t comma = t[3].find(',');
  if (comma == std::string_view::npos) return false;
  return ReadInt(t[3].substr(0, comma), x) && ReadInt(t[3].substr(comma + 1), y);
}

// Calls cell(x, y, z, value) for every cell written, value kEmpty, kSlot or a number.
bool Parse(std::string_view text, std::string* error,
           const std::function<bool(int, int, int, int, std::string&)>& cell) {
  std::string message;
  int z = 1, originX = 1, originY = 1, row = 0, lineNumber = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    const std::vector<std::string_view> tokens = SplitBlanks(line);
    if (tokens.empty()) continue;
    if (tokens[0] == "layer") {
      if (!ReadLayerHeader(tokens, z, originX, originY) || z < 1 || z > kLayers) {
        message = "bad layer line";
      } else {
        row = 0;
        continue;
      }
    }
    int column = 0;
    for (const std::string_view token : tokens) {
      if (!message.empty()) break;
      int number = 0;
      if (token.find_first_not_of(".#") == std::string_view::npos) {
        for (const char c : token) {
          if (!cell(originX + column, originY + row, z, c == '#' ? kSlot : kEmpty, message)) break;
          ++column;
        }
      } else if (ReadInt(token, number)) {
        cell(originX + column, originY + row, z, number, message);
        ++column;
      } else {
        message = "cannot read '" + std::string(token) + "'";
      }
    }
    if (!message.empty()) {
      if (error != nullptr) *error = "line " + std::to_string(lineNumber) + ": " + message;
      return false;
    }
    ++row;
  }
  return true;
}

bool CheckPlace(int x, int y, int z, std::string& message) {
  if (BoardGrid::InPlayfield(x, y, z)) return true;
  message = "cell " + std::to_string(x) + "," + std::to_string(y) + " of layer " + std::to_string(z) +
            " lies outside the board";
  return false;
}

// The box around every non-zero cell, or false when there is none.
bool Bounds(const std::function<int(int, int, int)>& value, int& x0, int& y0, int& x1, int& y1) {
  x0 = y0 = 1000;
  x1 = y1 = -1;
  for (int z = 1; z <= kLayers; ++z)
    for (int y = 1; y <= kRows; ++y)
      for (int x = 1; x <= kColumns; ++x)
        if (value(x, y, z) != 0) {
          x0 = std::min(x0, x), x1 = std::max(x1, x);
          y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
  return x1 >= 0;
}

std::string Picture(const std::function<int(int, int, int)>& value,
                    const std::function<std::string(int)>& cell) {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (!Bounds(value, x0, y0, x1, y1)) return "";
  std::string out;
  for (int z = 1; z <= kLayers; ++z) {
    bool any = false;
    for (int y = y0; y <= y1 && !any; ++y)
      for (int x = x0; x <= x1 && !any; ++x) any = value(x, y, z) != 0;
    if (!any) continue;
    out += "layer " + std::to_string(z) + " at " + std::to_string(x0) + "," + std::to_string(y0) + "\n";
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) out += cell(value(x, y, z));
      out += "\n";
    }
  }
  return out;
}

}  // namespace

std::optional<LayoutCells> LayoutFromText(std::string_view text, std::string* error) {
  LayoutCells layout;
  const bool ok = Parse(text, error, [&](int x, int y, int z, int v, std::string& message) {
    if (v == kEmpty) return true;
    if (!CheckPlace(x, y, z, message)) return false;
    layout.set(x, y, z, 1);
    return true;
  });
  if (!ok) return std::nullopt;
  return layout;
}

std::string LayoutToText(const LayoutCells& layout) {
  return Picture([&](int x, int y, int z) { return static_cast<int>(layout.at(x, y, z)); },
                 [](int v) { return std::string(v != 0 ? "#" : "."); });
}

std::optional<BoardPicture> BoardFromText(std::string_view text, std::string* error) {
  BoardPicture board;
  const bool ok = Parse(text, error, [&](int x, int y, int z, int v, std::string& message) {
    if (v == kEmpty) return true;
    if (!CheckPlace(x, y, z, message)) return false;
    if (v == kSlot) {
      board.grid.set(x, y, z, SlotMarker);
      return true;
    }
    if (v < 1 || v > kTileCount) {
      message = "tile " + std::to_string(v) + " is not a tile number (1..144)";
      return false;
    }
    if (board.records[v].present()) {
      message = "tile " + std::to_string(v) + " stands twice";
      return false;
    }
    board.grid.set(x, y, z, static_cast<uint8_t>(v));
    board.records[v] = {x, y, z};
    ++board.tiles;
    return true;
  });
  if (!ok) return std::nullopt;
  return board;
}

std::string BoardToText(const BoardGrid& grid) {
  return Picture([&](int x, int y, int z) { return static_cast<int>(grid.at(x, y, z)); },
                 [](int v) {
                   char text[8];
                   if (v == 0) return std::string("   .");
                   if (v == SlotMarker) return std::string("   #");
                   std::snprintf(text, sizeof text, "%4d", v);
                   return std::string(text);
                 });
}

Board BoardOf(const BoardPicture& picture, int dealt) {
  Board board;
  board.NewDeal(dealt > 0 ? dealt : picture.tiles);
  for (int n = 1; n <= kTileCount; ++n) {
    const TileRecord& r = picture.records[n];
    if (r.present()) board.PlaceTile(n, {r.x, r.y, r.z});
  }
  return board;
}

}  // namespace sorimo
