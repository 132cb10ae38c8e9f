// The program's icon: a single raised tile bearing the red dragon.
#include "canvas.h"
#include "pictures.h"
#include "tile_art.h"

namespace pictures {

// Drawn on a 64-unit square scaled to `size`, so every size of the desktop's icon theme is
// the same picture drawn afresh rather than a blurred copy of another.
QImage paintAppIcon(int size) {
    const int factor = size >= 128 ? 2 : 4;
    return supersample(size, size, factor, [size](QPainter& p) {
        p.scale(size / 64.0, size / 64.0);
        paintTile(p, QRectF(15, 3, 44, 53), 7, TileFace::RedDragon);
    });
}

}  // namespace pictures
