#pragma once
// The small tile pictures built into the program: the mini tile of the layout chooser's
// preview (13 x 15) and the six coloured Clicks tiles (38 x 38). Black is transparent.

#include <QImage>

namespace tileset {

QImage miniTile();

// value 1..6: green, rose, olive, red, blue, purple.
QImage clicksTile(int value);

}  // namespace tileset
