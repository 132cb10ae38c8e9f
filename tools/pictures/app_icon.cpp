// The program's icon: a single raised tile bearing the red dragon.
#include "canvas.h"
#include "pictures.h"
#include "tile_art.h"

namespace pictures {

QImage paintAppIcon() {
    return supersample(64, 64, 4, [](QPainter& p) {
        paintTile(p, QRectF(15, 3, 44, 53), 7, TileFace::RedDragon);
    });
}

}  // namespace pictures
