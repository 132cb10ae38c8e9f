// Feeds arbitrary bytes to the reader of foreign ".shp" layouts. Besides not crashing, it must
// refuse a file as a whole or give a layout a game can deal, whose every anchor is one the
// text names; a broken promise aborts.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "layouts/layout_writer.h"
#include "layouts/shp_reader.h"

namespace {

using namespace sorimo;

void Require(bool promise) {
  if (!promise) std::abort();
}

// The anchor a line names, as the reader places it, or none.
bool AnchorOf(std::string_view line, int& x, int& y, int& z) {
  if (line.size() < 9) return false;
  const std::string_view d = line.substr(3, 6);
  if (d.find_first_not_of("0123456789ABCDEF") != std::string_view::npos) return false;
  x = HexByte(d[0], d[1]) + 2;
  y = HexByte(d[2], d[3]) + 2;
  z = HexByte(d[4], d[5]) + 1;
  return x <= kColumns && y <= kRows && z <= kLayers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const LayoutReadResult r = ReadShpLayout(bytes, "Fuzz.shp", "/L/FUZZ.SHP");
  if (r.status != LayoutReadStatus::Loaded) {
    Require(r.status == LayoutReadStatus::Refused);
    Require(r.message.rfind("Fuzz.shp is not a valid layout file: ", 0) == 0);
    Require(r.cells == LayoutCells{} && r.name.empty());
    return 0;
  }
  Require(r.name == "/L/FUZZ.SHP");
  const int count = r.cells.count();
  Require(count >= 2 && count <= kTileCount && count % 2 == 0);

  // Every anchor comes from one of the first 144 lines, and each of those lines names one.
  LayoutCells named;
  size_t pos = 0;
  for (int n = 0; n < kTileCount; ++n) {
    size_t end = bytes.find('\n', pos);
    Require(end != std::string_view::npos || pos < bytes.size());
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    int x = 0, y = 0, z = 0;
    Require(AnchorOf(line, x, y, z));
    named.set(x, y, z, 1);
    pos = end + 1;
  }
  Require(named == r.cells);

  // A loaded layout is one the native format can hold.
  const std::string text = LayoutFileText(r.cells, "Fuzz");
  Require(text.size() == kLayoutHeader.size() + 4 + kLayoutDataLength + 6);
  return 0;
}
