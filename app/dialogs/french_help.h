// The text of the help window's "French" page: the game and its rules in a few paragraphs.
#pragma once

#include <QString>

namespace sorimo {

// A title and paragraphs as Qt rich text, for a label over the page's backdrop.
QString FrenchHelpText();

}  // namespace sorimo
