// A help document from its file: the document, or the one line the viewer shows instead.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "help/rtf_document.h"

namespace sorimo {

// Far above any manual; a bigger file is not read at all.
inline constexpr size_t kMaxHelpFileBytes = size_t(4) << 20;

struct HelpFile {
  bool ok = false;
  RtfDocument document;  // when ok
  std::string message;   // when not: why, naming the file by label
};

// Reads and parses the RTF file at path; label names it in the message ("sorimo.rtf").
HelpFile ReadHelpFile(const std::string& path, std::string_view label);

}  // namespace sorimo
