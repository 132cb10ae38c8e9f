// A help document as Qt rich text: one block per paragraph, one fragment per run.
#pragma once

#include "help/rtf_document.h"

class QTextDocument;

namespace sorimo {

// Twips (1/1440 inch) as the pixels of a 96 dots-per-inch screen, the unit Qt's block margins
// and tab stops are given in.
constexpr double PixelsOfTwips(int twips) { return twips / 15.0; }

// Replaces the content of target with the document. Runs keep their size in points, bold,
// italic, underline and colour; paragraphs their alignment, indents, spacing and tab stops.
// The font family is the target's default font.
void FillTextDocument(QTextDocument& target, const RtfDocument& document);

}  // namespace sorimo
