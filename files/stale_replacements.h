// The leftovers of replacements that never finished: a program killed between writing a
// file's new content and renaming it over the old one leaves "<name>.new-<pid>-<n>" behind.
#pragma once

#include <string>

namespace sorimo {

// Removes from folder the files named as ReplaceFileAtomically names its new content whose
// writing process no longer runs; a copy of the program still saving keeps its file, and no
// other name is ever touched. Returns how many files went.
int RemoveStaleReplacements(const std::string& folder);

// The process id in such a name (or in the "<name>.lay.tmp<pid>-<n>" of earlier layout saves),
// or 0 when the name is not of that form.
long ReplacementWriter(const std::string& name);

}  // namespace sorimo
