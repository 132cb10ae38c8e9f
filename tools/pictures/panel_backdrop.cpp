// The hall of fame strip beside the board. The program writes yellow titles, white names and
// cyan times over it, and may put a portrait or a tile at the bottom, so it stays dark and calm.
#include "canvas.h"
#include "lacquer.h"
#include "pictures.h"

namespace pictures {

QImage paintPanelBackdrop() {
    constexpr int W = 92, H = 472;
    return supersample(W, H, 4, [](QPainter& p) {
        paintLacquer(p, QRectF(0, 0, W, H), 5);
        // Faint clouds drifting down the panel, barely lighter than the lacquer.
        const QColor ghost(255, 150, 110, 22);
        paintCloudScroll(p, QPointF(30, 120), 30, ghost, 1.2);
        paintCloudScroll(p, QPointF(64, 215), 34, ghost, 1.2);
        paintCloudScroll(p, QPointF(26, 320), 30, ghost, 1.2);
        paintCloudScroll(p, QPointF(62, 420), 32, ghost, 1.2);
        // A small gold cloud crowning the panel, above the first line of text.
        paintCloudScroll(p, QPointF(46, 10), 22, QColor(214, 172, 90), 1.1);
        paintGoldFrame(p, QRectF(0, 0, W, H));
    }).convertToFormat(QImage::Format_RGB32);
}

}  // namespace pictures
