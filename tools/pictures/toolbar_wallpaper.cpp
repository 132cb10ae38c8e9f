// The picture behind the toolbar: warm ivory silk with a faint wave pattern. 33 pixels high;
// its width is a whole number of waves, so it repeats along the toolbar without a seam.
#include <QLinearGradient>

#include "canvas.h"
#include "pictures.h"

namespace pictures {

QImage paintToolbarWallpaper() {
    constexpr int W = 128, H = 33;
    return supersample(W, H, 4, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, H);
        g.setColorAt(0, QColor(250, 246, 236));
        g.setColorAt(0.5, QColor(240, 232, 216));
        g.setColorAt(1, QColor(222, 210, 188));
        p.fillRect(QRectF(0, 0, W, H), g);
        // Blue-grey waves (seigaiha): rows of concentric half circles, each row half a wave
        // across from the one above.
        const double r = 8;
        paintWrapped(p, W, H + 100, [&](QPainter& q) {
            for (int row = 0; row < 6; ++row) {
                const double y = row * r * 0.5;
                const double shift = (row % 2) * r;
                for (double x = -2 * r + shift; x < W + 2 * r; x += 2 * r) {
                    for (int ring = 0; ring < 3; ++ring) {
                        const double rr = r - ring * 2.6;
                        q.setPen(QPen(QColor(120, 110, 140, 26), 0.8));
                        q.setBrush(ring == 0 ? QBrush(g) : QBrush(Qt::NoBrush));
                        q.drawChord(QRectF(x - rr, y + r - rr, rr * 2, rr * 2), 0, 180 * 16);
                    }
                }
            }
        });
        // A fine light line along the top, a darker one along the bottom.
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(QPointF(0, 0.5), QPointF(W, 0.5));
        p.setPen(QPen(QColor(170, 150, 120), 1));
        p.drawLine(QPointF(0, H - 0.5), QPointF(W, H - 0.5));
    }).convertToFormat(QImage::Format_RGB32);
}

}  // namespace pictures
