#include "tile_body.h"

#include "supersample_canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

namespace tileset {
namespace {

QPainterPath silhouette(const TileGeometry& g) {
    const double r = g.cornerRadius;
    const double w = g.width();
    const double h = g.height();
    QPainterPath path;
    path.moveTo(g.edge, 0);
    path.lineTo(w - r, 0);
    path.quadTo(w, 0, w, r);
    path.lineTo(w, g.faceHeight);
    path.lineTo(g.faceWidth, h);
    path.lineTo(r, h);
    path.quadTo(0, h, 0, h - r);
    path.lineTo(0, g.edge);
    path.closeSubpath();
    return path;
}

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d) {
    QPolygonF p;
    p << a << b << c << d;
    return p;
}

QImage paintedTile(const TileColours& k, const TileGeometry& g) {
    SupersampleCanvas canvas(g.width(), g.height());
    QPainter& p = canvas.painter();
    const QPainterPath shape = silhouette(g);
    p.setClipPath(shape);
    p.setPen(Qt::NoPen);

    const double e = g.edge;
    const double d = g.ivoryDepth;
    const double w = g.width();
    const double h = g.height();
    const double fh = g.faceHeight;
    const double s = g.outlineWidth;  // fine lines scale with the outline

    // A flat tile paints each side in the middle colour of its gradient and the face in its
    // light colour, so that its few colours stay few.
    auto shaded = [&k](QPointF from, QPointF to, QColor a, QColor b) -> QBrush {
        if (k.flat) return mix(a, b, 0.5);
        QLinearGradient gradient(from, to);
        gradient.setColorAt(0.0, a);
        gradient.setColorAt(1.0, b);
        return gradient;
    };

    // Face: ivory with a soft light from the upper left.
    if (k.flat) {
        p.setBrush(k.faceLight);
    } else {
        QLinearGradient faceGradient(QPointF(e, 0), QPointF(w, fh));
        faceGradient.setColorAt(0.0, k.faceLight);
        faceGradient.setColorAt(0.55, mix(k.faceLight, k.faceShade, 0.45));
        faceGradient.setColorAt(1.0, k.faceShade);
        p.setBrush(faceGradient);
    }
    p.drawRect(QRectF(e, 0, g.faceWidth, fh));

    // Left side: the ivory layer next to the face, then the coloured back; lit from the left.
    p.setBrush(shaded(QPointF(0, 0), QPointF(0, h), mix(k.faceShade, QColor(255, 255, 255), 0.1),
                      scaled(k.faceShade, 0.84)));
    p.drawPolygon(quad({e, 0}, {e, fh}, {e - d, fh + d}, {e - d, d}));

    p.setBrush(shaded(QPointF(0, 0), QPointF(0, h), mix(k.back, QColor(255, 255, 255), 0.22), k.back));
    p.drawPolygon(quad({e - d, d}, {e - d, fh + d}, {0, h}, {0, e}));

    // Bottom: in the shade.
    p.setBrush(shaded(QPointF(0, 0), QPointF(w, 0), scaled(k.faceShade, 0.80), scaled(k.faceShade, 0.70)));
    p.drawPolygon(quad({e, fh}, {w, fh}, {w - d, fh + d}, {e - d, fh + d}));

    p.setBrush(scaled(k.back, 0.68));
    p.drawPolygon(quad({e - d, fh + d}, {w - d, fh + d}, {double(g.faceWidth), h}, {0, h}));

    // A fine crease where the face turns into the edge, and where ivory meets the back.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(mix(k.faceShade, k.outline, 0.35), 0.7 * s));
    p.drawLine(QPointF(e + 0.35 * s, 0.5 * s), QPointF(e + 0.35 * s, fh - 0.35 * s));
    p.drawLine(QPointF(e + 0.35 * s, fh - 0.35 * s), QPointF(w - 0.5 * s, fh - 0.35 * s));
    p.setPen(QPen(mix(k.back, k.outline, 0.5), 0.6 * s));
    p.drawLine(QPointF(e - d, d), QPointF(e - d, fh + d));
    p.drawLine(QPointF(e - d, fh + d), QPointF(w - d, fh + d));

    // A highlight just inside the face's upper and left rims.
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8 * s));
    p.drawLine(QPointF(e + 1.2 * s, 1.4 * s), QPointF(w - 1.6 * s, 1.4 * s));
    p.drawLine(QPointF(e + 1.2 * s, 1.4 * s), QPointF(e + 1.2 * s, fh - 1.4 * s));

    // The outline, kept inside the silhouette by the clip.
    p.setPen(QPen(k.outline, 2.0 * s));
    p.drawPath(shape);
    if (k.rim.isValid() && k.rim.alpha() > 0) {
        // Along the back: a light outermost line with the dark outline inside it, so that
        // the edge shows on dark grounds (the light line) and on light ones (the dark line).
        QPainterPath backSides;
        backSides.addPolygon(quad({e - d, d}, {e - d, fh + d}, {0, h}, {0, e}));
        backSides.addPolygon(quad({e - d, fh + d}, {w - d, fh + d}, {double(g.faceWidth), h}, {0, h}));
        p.setClipPath(backSides.simplified(), Qt::IntersectClip);
        p.setPen(QPen(k.outline, 4.0 * s));
        p.drawPath(shape);
        p.setPen(QPen(k.rim, 2.0 * s));
        p.drawPath(shape);
    }
    return canvas.finish();
}

}  // namespace

TileColours boardColours(const TileStyle& style) {
    return {style.back, style.outline, style.faceLight, style.faceShade, style.rim, style.flat};
}

TileGeometry boardGeometry(const TileStyle& style) {
    TileGeometry g;
    g.cornerRadius = style.cornerRadius;
    g.ivoryDepth = style.ivoryDepth;
    return g;
}

QImage tileMask(const TileGeometry& g) {
    SupersampleCanvas canvas(g.width(), g.height());
    canvas.painter().fillPath(silhouette(g), Qt::black);
    const QImage coverage = canvas.finish();
    QImage mask(g.width(), g.height(), QImage::Format_RGB32);
    for (int y = 0; y < g.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        for (int x = 0; x < g.width(); ++x)
            mask.setPixel(x, y, qAlpha(line[x]) >= 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    return mask;
}

QImage tileBody(const TileColours& colours, const TileGeometry& g) {
    const QImage painted = paintedTile(colours, g);
    const QImage mask = tileMask(g);
    QImage body(g.width(), g.height(), QImage::Format_RGB32);
    for (int y = 0; y < g.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(painted.constScanLine(y));
        for (int x = 0; x < g.width(); ++x) {
            if (qRed(mask.pixel(x, y)) != 0) {
                body.setPixel(x, y, qRgb(0, 0, 0));
                continue;
            }
            const QRgb c = line[x];  // premultiplied
            const int a = qMax(1, qAlpha(c));
            body.setPixel(x, y, qRgb(qMin(255, qRed(c) * 255 / a), qMin(255, qGreen(c) * 255 / a),
                                     qMin(255, qBlue(c) * 255 / a)));
        }
    }
    return body;
}

QImage faceArea(const QImage& body) {
    return body.copy(kEdge, 0, kFaceWidth, kFaceHeight);
}

}  // namespace tileset
