#include "layouts/layout_writer.h"

#include <cstring>

#include "files/atomic_replace.h"
#include "layouts/layout_reader.h"

namespace sorimo {
namespace {

// The folder is named too: the same name may be written in the program's folder or the
// player's, and the reason is often the folder's.
std::string Failure(const std::filesystem::path& path, int error) {
  return "Cannot write " + path.filename().string() + " in " + path.parent_path().string() + "/: " +
         std::strerror(error) + ".";
}

}  // namespace

std::string LayoutFileText(const LayoutCells& cells, std::string_view name) {
  std::string text;
  text.reserve(kLayoutHeader.size() + name.size() + kLayoutDataLength + 6);
  text += kLayoutHeader;
  text += "\r\n";
  for (char c : name) text += (c == '\r' || c == '\n') ? ' ' : c;
  text += "\r\n";
  for (const auto& layer : cells.layer)
    for (uint8_t v : layer) text += v != 0 ? '1' : '0';
  text += "\r\n";
  return text;
}

std::string WriteLayoutFile(const std::filesystem::path& path, const LayoutCells& cells,
                            std::string_view name) {
  if (path.filename().empty()) return "Cannot write a layout file without a file name.";
  const std::string text = LayoutFileText(cells, name);

  const FileWriteResult written = ReplaceFileAtomically(path.string(), text);
  return written.ok() ? "" : Failure(path, written.error);
}

}  // namespace sorimo
