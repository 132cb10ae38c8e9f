#include "layouts/layout_reader.h"

#include <optional>

#include "files/whole_file_read.h"
#include "layouts/line_cursor.h"
#include "layouts/shp_reader.h"

namespace sorimo {
namespace {

}  // namespace

LayoutReadResult Refuse(std::string_view label, const std::string& reason) {
  LayoutReadResult r;
  r.status = LayoutReadStatus::Refused;
  r.message = std::string(label) + " is not a valid layout file: " + reason + ".";
  return r;
}

std::string TileCountProblem(int anchors) {
  // A game deals one tile per anchor and removes them in pairs, at most 144 of them.
  if (anchors == 0) return "it has no tiles";
  if (anchors > kTileCount)
    return "it has " + std::to_string(anchors) + " tiles, more than " + std::to_string(kTileCount);
  if (anchors % 2 != 0)
    return "it has an odd number of tiles (" + std::to_string(anchors) + "), which cannot all be paired";
  return "";
}

LayoutReadResult ReadLayout(std::string_view bytes, std::string_view label) {
  LineCursor lines(bytes);
  const std::optional<std::string_view> header = lines.Next();
  if (!header) return Refuse(label, "it is empty");
  const std::optional<std::string_view> name = lines.Next();
  if (!name) return Refuse(label, "it has no name line");

  if (*header != kLayoutHeader) {
    // Such a file lends only its name: the caller keeps the cells it had. Deliberately kept
    // this way because players know the game to behave so. Where the file is refused instead
    // (the menu, the chooser), the message says what it is, not what was taken from it.
    LayoutReadResult r = Refuse(label, "it does not begin with \"" + std::string(kLayoutHeader) + "\"");
    r.status = LayoutReadStatus::NameOnly;
    r.name = std::string(*name);
    return r;
  }

  const std::optional<std::string_view> data = lines.Next();
  if (!data) return Refuse(label, "it has no data line");
  if (data->size() != static_cast<size_t>(kLayoutDataLength))
    return Refuse(label, "the data line has " + std::to_string(data->size()) + " cells instead of " +
                             std::to_string(kLayoutDataLength));

  LayoutReadResult r;
  int anchors = 0;
  for (int k = 0; k < kLayoutDataLength; ++k) {
    const char c = (*data)[k];
    if (c != '0' && c != '1') {
      const int cell = k % kLayerCells;
      return Refuse(label, "cell " + std::to_string(k + 1) + " of the data line (layer " +
                               std::to_string(k / kLayerCells + 1) + ", column " +
                               std::to_string(cell % kColumns + 1) + ", row " +
                               std::to_string(cell / kColumns + 1) + ") is neither 0 nor 1");
    }
    r.cells.layer[k / kLayerCells][k % kLayerCells] = static_cast<uint8_t>(c - '0');
    anchors += c == '1';
  }
  if (const std::string problem = TileCountProblem(anchors); !problem.empty()) return Refuse(label, problem);
  r.status = LayoutReadStatus::Loaded;
  r.name = std::string(*name);
  return r;
}

LayoutReadResult LoadLayoutFile(const std::filesystem::path& path) {
  const std::string label = path.filename().string();
  // The reader is chosen by the extension that ends the name, never by ".shp" elsewhere in it.
  // A ".shp" file is judged by its first lines only, whatever follows them.
  const bool shp = IsShpLayoutPath(label);
  const WholeFile file = shp ? ReadFileStart(path.string(), kMaxLayoutFileBytes)
                             : ReadWholeFile(path.string(), kMaxLayoutFileBytes);
  if (file.ok()) return shp ? ReadShpLayout(file.bytes, label, path.string(), file.cut) : ReadLayout(file.bytes, label);

  LayoutReadResult failed;
  failed.status = LayoutReadStatus::Refused;
  switch (file.status) {
    case FileReadStatus::Folder:
      failed.message = "Cannot read " + label + ": it is a folder.";
      break;
    case FileReadStatus::TooLarge:
      failed.message = label + " is not a valid layout file: it is far too large.";
      break;
    case FileReadStatus::CannotRead:
      failed.message = "Cannot read " + label + ".";
      break;
    default:  // missing, not a regular file, cannot be opened: the reason says which
      failed.message = file.Message(label) + ".";
      break;
  }
  return failed;
}

}  // namespace sorimo
