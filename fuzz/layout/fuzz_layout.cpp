// Feeds arbitrary bytes to everything in layouts/ that reads outside data: the layout file
// reader, the picture reader, and the Layout menu's handling of folder listings (one file
// name per line). Besides not crashing, each must keep its promises; a broken promise aborts.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tools/layouts/layout_fit.h"
#include "layouts/layout_list.h"
#include "layouts/layout_picture.h"
#include "tools/layouts/layout_playability.h"
#include "layouts/layout_reader.h"
#include "layouts/layout_rules.h"
#include "layouts/layout_save.h"
#include "layouts/layout_status.h"
#include "layouts/layout_writer.h"
#include "layouts/name_compare.h"

namespace {

using namespace sorimo;

void Require(bool promise) {
  if (!promise) std::abort();
}

void CheckReader(std::string_view bytes) {
  const LayoutReadResult r = ReadLayout(bytes, "Fuzz.lay");
  switch (r.status) {
    case LayoutReadStatus::Refused:
      Require(r.message.rfind("Fuzz.lay is not a valid layout file: ", 0) == 0);
      Require(r.cells == LayoutCells{} && r.name.empty());
      return;
    case LayoutReadStatus::NameOnly:
      Require(r.cells == LayoutCells{});
      return;
    case LayoutReadStatus::Loaded:
      break;
  }
  // A loaded layout is one a game can deal: 2..144 tiles, an even number, cells 0 or 1.
  const int count = r.cells.count();
  Require(count > 0 && count <= kTileCount && count % 2 == 0);
  for (const auto& layer : r.cells.layer)
    for (uint8_t v : layer) Require(v <= 1);

  // Writing it and reading it back gives the same layout; line breaks cannot be in a name line,
  // and a CR inside one is written as a space.
  const std::string text = LayoutFileText(r.cells, r.name);
  const LayoutReadResult back = ReadLayout(text, "Fuzz.lay");
  Require(back.status == LayoutReadStatus::Loaded && back.cells == r.cells);
  std::string name = r.name;
  for (char& c : name)
    if (c == '\r') c = ' ';
  Require(back.name == name);
  Require(text.size() == kLayoutHeader.size() + name.size() + kLayoutDataLength + 6);

  const LayoutPictureResult picture = LayoutFromPicture(LayoutPicture(r.cells));
  Require(picture.ok && picture.cells == r.cells);
  (void)LayoutTopView(r.cells);
  (void)CheckLayout(r.cells);
  (void)TilesOutsideImage(r.cells);
  (void)LayoutCentreOffset(r.cells);
  const int free = FreePositionsAtStart(r.cells, false);
  Require(free >= 0 && free <= count);
  const ClearingOdds odds = RandomClearingOdds(r.cells, 1, static_cast<uint32_t>(bytes.size()));
  Require(odds.trials == 1 && odds.cleared <= 1);
  Require(LayoutSelectedText(r.name).size() == r.name.size() + 17);
}

void CheckPicture(std::string_view bytes) {
  const LayoutPictureResult r = LayoutFromPicture(bytes);
  if (!r.ok) {
    Require(r.cells == LayoutCells{} && r.message.rfind("line ", 0) == 0);
    return;
  }
  const LayoutPictureResult again = LayoutFromPicture(LayoutPicture(r.cells));
  Require(again.ok && again.cells == r.cells);
}

// A few more file names than the Layout menu holds reach its overflow; more would only make
// each input slower, since listing compares every name with every other.
constexpr size_t kMaxFileNames = kMaxLayoutEntries + 12;

void CheckNames(std::string_view bytes) {
  std::vector<std::string> files;
  size_t pos = 0;
  while (pos < bytes.size() && files.size() < kMaxFileNames) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    files.emplace_back(bytes.substr(pos, end - pos));
    pos = end + 1;
  }
  const int stored = files.empty() ? -1 : static_cast<int>(static_cast<unsigned char>(files[0].empty() ? 0 : files[0][0])) - 2;
  const LayoutList list = ScanLayoutNames(files, stored);
  const int n = static_cast<int>(list.names.size());
  Require(n <= kMaxLayoutEntries && list.nativeCount <= n);
  Require(n == 0 ? list.boardNumber == 0 : list.boardNumber >= 1 && list.boardNumber <= n);
  for (int i = 0; i + 1 < list.nativeCount; ++i) {
    Require(CompareLayoutNames(list.names[i], list.names[i + 1]) < 0);
    Require(!SameNameIgnoringCase(list.names[i], list.names[i + 1]));
  }
  const ResolvedLayout resolved =
      ResolveLayoutFile("L/", list.names, list.boardNumber, [](const std::string& p) { return p.size() % 3 == 0; });
  Require(n == 0 ? resolved.path.empty() : resolved.boardNumber >= 1 && resolved.boardNumber <= n);

  std::vector<std::string> names = list.names;
  for (const std::string& f : files) {
    const std::string name = LayoutNameOfPath(LayoutSavePath(f));
    const SavedLayoutEntry e = ListSavedLayout(names, name);
    Require(e.boardNumber == 0 ? !e.message.empty() : names[e.boardNumber - 1] == name);
    Require(static_cast<int>(names.size()) <= kMaxLayoutEntries);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckReader(bytes);
  CheckPicture(bytes);
  CheckNames(bytes);
  return 0;
}
