// The splash shown while the program starts: the name in gold on red lacquer beside a small
// stack of tiles.
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

#include "canvas.h"
#include "lacquer.h"
#include "pictures.h"
#include "tile_art.h"

namespace pictures {

namespace {

QPainterPath textPath(const QString& family, int weight, bool italic, double pixelSize, const QString& text) {
    QFont f(family);
    f.setPixelSize(static_cast<int>(pixelSize * 10));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setItalic(italic);
    QPainterPath path;
    path.addText(0, 0, f, text);
    QTransform t;
    t.scale(0.1, 0.1);
    return t.map(path);
}

void goldText(QPainter& p, QPainterPath path, QPointF centre, double outline) {
    path.translate(centre - path.boundingRect().center());
    const QRectF b = path.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawPath(path.translated(1.2, 1.6));
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, QColor(255, 244, 190));
    g.setColorAt(0.45, QColor(236, 192, 92));
    g.setColorAt(0.55, QColor(204, 148, 52));
    g.setColorAt(1, QColor(250, 214, 120));
    p.setPen(QPen(QColor(70, 30, 10), outline));
    p.setBrush(g);
    p.drawPath(path);
}

}  // namespace

QImage paintSplash() {
    constexpr int W = 261, H = 136;
    return supersample(W, H, 4, [](QPainter& p) {
        paintLacquer(p, QRectF(0, 0, W, H), 9);
        paintCloudScroll(p, QPointF(190, 30), 60, QColor(255, 170, 110, 30), 1.4);
        paintCloudScroll(p, QPointF(150, 112), 50, QColor(255, 170, 110, 24), 1.4);

        // Three tiles: two side by side and one laid on top of them, as on the board.
        paintTile(p, QRectF(18, 56, 34, 44), 5, TileFace::OneCircle);
        paintTile(p, QRectF(52, 56, 34, 44), 5, TileFace::GreenDragon);
        paintTile(p, QRectF(41, 34, 34, 44), 5, TileFace::RedDragon);

        goldText(p, textPath("P052", QFont::Bold, false, 44, "Sorimo"), QPointF(172, 58), 0.9);
        QPainterPath sub = textPath("P052", QFont::Bold, false, 10.5, "MAH-JONGG SOLITAIRE");
        goldText(p, sub, QPointF(172, 88), 0.3);
        // A fine gold rule between the name and the line under it.
        QLinearGradient rule(110, 0, 234, 0);
        rule.setColorAt(0, QColor(214, 170, 90, 0));
        rule.setColorAt(0.5, QColor(214, 170, 90, 230));
        rule.setColorAt(1, QColor(214, 170, 90, 0));
        p.setPen(QPen(QBrush(rule), 0.8));
        p.drawLine(QPointF(110, 79), QPointF(234, 79));
        p.drawLine(QPointF(110, 97), QPointF(234, 97));
        QPainterPath more = textPath("P052", QFont::Normal, true, 9, "and three arcade games");
        more.translate(QPointF(172, 108) - more.boundingRect().center());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 206, 150));
        p.drawPath(more);
        QPainterPath version = textPath("DejaVu Sans", QFont::Normal, false, 7, "version 6.21");
        version.translate(QPointF(W - 10, H - 9) - QPointF(version.boundingRect().right(), version.boundingRect().bottom()));
        p.setBrush(QColor(200, 160, 110));
        p.drawPath(version);
        paintGoldFrame(p, QRectF(0, 0, W, H));
    }).convertToFormat(QImage::Format_RGB32);
}

}  // namespace pictures
