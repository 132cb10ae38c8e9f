#include "help/help_file.h"

#include "files/whole_file_read.h"
#include "help/rtf_reader.h"

namespace sorimo {

HelpFile ReadHelpFile(const std::string& path, std::string_view label) {
  HelpFile help;
  const WholeFile file = ReadWholeFile(path, kMaxHelpFileBytes);
  if (!file.ok()) {
    help.message = file.Message(label) + ".";
    return help;
  }
  RtfReadResult read = ReadRtf(file.bytes);
  if (!read.ok) {
    help.message = std::string(label) + " cannot be shown: " + read.error + ".";
    return help;
  }
  help.ok = true;
  help.document = std::move(read.document);
  return help;
}

}  // namespace sorimo
