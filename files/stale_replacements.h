// The leftovers of replacements that never finished: a program killed between writing a
// file's new content and renaming it over the old one leaves "<name>.sorimo-save-<pid>-<n>"
// behind (ReplacementName in atomic_replace.h).
#pragma once

#include <functional>
#include <string>

namespace sorimo {

struct Replacement {
  std::string base;  // the name of the file the new content was to replace
  long writer = 0;   // the process that wrote it; 0 when the name is not a leftover's
};

// What a name says of the replacement it was made for. Besides the marker the program writes
// now, it knows those of earlier versions: "<name>.new-<pid>-<n>" and, for layouts,
// "<name>.lay.tmp<pid>-<n>".
Replacement ParseReplacement(const std::string& name);

// Removes from folder the leftovers made for a file that ownsBase says the program writes there,
// whose writing process no longer runs. A copy of the program still saving keeps its file, and
// a player's file that merely looks like a leftover ("Scores backup.new-2023-11") is never
// touched. Returns how many files went.
int RemoveStaleReplacements(const std::string& folder,
                            const std::function<bool(const std::string& base)>& ownsBase);

}  // namespace sorimo
