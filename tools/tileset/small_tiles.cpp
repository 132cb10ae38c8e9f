#include "small_tiles.h"

#include "supersample_canvas.h"
#include "tile_body.h"
#include "tile_style.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace tileset {
namespace {

// Alpha-blends premultiplied art onto an opaque picture at (dx, dy).
void blendOnto(QImage& target, const QImage& art, int dx, int dy) {
    for (int y = 0; y < art.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        for (int x = 0; x < art.width(); ++x) {
            const QRgb a = line[x];
            const int alpha = qAlpha(a);
            if (alpha == 0) continue;
            const QRgb t = target.pixel(x + dx, y + dy);
            auto over = [alpha](int s, int d) { return qMin(255, s + (d * (255 - alpha) + 127) / 255); };
            target.setPixel(x + dx, y + dy,
                            qRgb(over(qRed(a), qRed(t)), over(qGreen(a), qGreen(t)), over(qBlue(a), qBlue(t))));
        }
    }
}

QColor clicksBase(int value) {
    switch (value) {
    case 1: return QColor(40, 160, 72);    // green
    case 2: return QColor(230, 96, 150);   // rose
    case 3: return QColor(146, 146, 36);   // olive
    case 4: return QColor(212, 38, 38);    // red
    case 5: return QColor(40, 100, 214);   // blue
    default: return QColor(138, 62, 184);  // purple
    }
}

QPainterPath emblem(int value, QPointF c, double r) {
    QPainterPath path;
    switch (value) {
    case 1:  // disc
        path.addEllipse(c, r * 0.82, r * 0.82);
        break;
    case 2: {  // heart
        path.moveTo(c + QPointF(0, r * 0.95));
        path.cubicTo(c + QPointF(-r * 1.25, r * 0.05), c + QPointF(-r * 0.85, -r * 1.05), c + QPointF(0, -r * 0.45));
        path.cubicTo(c + QPointF(r * 0.85, -r * 1.05), c + QPointF(r * 1.25, r * 0.05), c + QPointF(0, r * 0.95));
        path.closeSubpath();
        break;
    }
    case 3: {  // triangle
        QPolygonF t;
        t << c + QPointF(0, -r * 0.95) << c + QPointF(r * 0.95, r * 0.7) << c + QPointF(-r * 0.95, r * 0.7);
        path.addPolygon(t);
        path.closeSubpath();
        break;
    }
    case 4: {  // diamond
        QPolygonF d;
        d << c + QPointF(0, -r) << c + QPointF(r * 0.75, 0) << c + QPointF(0, r) << c + QPointF(-r * 0.75, 0);
        path.addPolygon(d);
        path.closeSubpath();
        break;
    }
    case 5: {  // star
        QPolygonF s;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double rr = (i % 2 == 0) ? r : r * 0.45;
            s << c + QPointF(std::cos(a) * rr, std::sin(a) * rr + r * 0.08);
        }
        path.addPolygon(s);
        path.closeSubpath();
        break;
    }
    default: {  // hexagon
        QPolygonF h;
        for (int i = 0; i < 6; ++i) {
            const double a = M_PI / 6 + i * M_PI / 3;
            h << c + QPointF(std::cos(a) * r * 0.88, std::sin(a) * r * 0.88);
        }
        path.addPolygon(h);
        path.closeSubpath();
        break;
    }
    }
    return path;
}

}  // namespace

QImage miniTile() {
    TileGeometry g;
    g.faceWidth = 10;
    g.faceHeight = 12;
    g.edge = 3;
    g.cornerRadius = 1.0;
    g.ivoryDepth = 1.3;
    g.outlineWidth = 0.8;
    const TileStyle blue = allTileStyles()[2];
    return tileBody(boardColours(blue), g);
}

QImage clicksTile(int value) {
    TileGeometry g;
    g.faceWidth = 32;
    g.faceHeight = 32;
    g.edge = 6;
    const QColor base = clicksBase(value);
    TileColours k;
    k.back = scaled(base, 0.85);
    k.outline = scaled(base, 0.28);
    k.faceLight = mix(base, QColor(255, 255, 255), 0.70);
    k.faceShade = mix(base, QColor(255, 255, 255), 0.40);
    QImage tile = tileBody(k, g);

    SupersampleCanvas canvas(g.faceWidth, g.faceHeight);
    QPainter& p = canvas.painter();
    const QPointF c(16, 16);
    const double r = 10.5;
    p.setPen(Qt::NoPen);
    // A raised emblem: a light rim below right, the body, and a glint at the upper left.
    p.setBrush(mix(base, QColor(255, 255, 255), 0.85));
    p.drawPath(emblem(value, c + QPointF(0.7, 0.7), r));
    p.setBrush(scaled(base, 0.55));
    p.drawPath(emblem(value, c, r));
    p.setBrush(base);
    p.drawPath(emblem(value, c + QPointF(-0.4, -0.4), r * 0.78));
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(c + QPointF(-r * 0.3, -r * 0.32), r * 0.2, r * 0.14);
    blendOnto(tile, canvas.finish(), g.edge, 0);
    return tile;
}

}  // namespace tileset
