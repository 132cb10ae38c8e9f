#include "lacquer.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "canvas.h"

namespace pictures {

void paintLacquer(QPainter& p, const QRectF& r, quint32 seed) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(70, 12, 16));
    g.setColorAt(0.5, QColor(52, 8, 12));
    g.setColorAt(1, QColor(30, 4, 8));
    p.fillRect(r, g);
    // Grain: faint lighter streaks running down the panel.
    QImage grain(static_cast<int>(r.width()), static_cast<int>(r.height()), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < grain.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(grain.scanLine(y));
        for (int x = 0; x < grain.width(); ++x) {
            const double n = fbm(x / 5.0 + y / 90.0, y / 60.0, 4, static_cast<int>(seed));
            const int a = static_cast<int>(std::clamp((n - 0.5) * 50.0, 0.0, 12.0));
            line[x] = qPremultiply(qRgba(255, 120, 100, a));
        }
    }
    p.drawImage(r.topLeft(), grain);
    // The edges sink a little into darkness.
    QRadialGradient v(r.center(), std::max(r.width(), r.height()) * 0.75);
    v.setColorAt(0.5, QColor(0, 0, 0, 0));
    v.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(r, v);
}

void paintCloudScroll(QPainter& p, QPointF c, double size, const QColor& colour, double lineWidth) {
    // Three curls on a flowing tail: the classic ruyi cloud.
    const double s = size / 30.0;
    QPen pen(colour, lineWidth);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    auto curl = [&](QPointF at, double r, bool clockwise) {
        QPainterPath path;
        const int turns = 40;
        for (int i = 0; i <= turns; ++i) {
            const double t = i / double(turns);
            const double a = (clockwise ? 1 : -1) * t * 1.6 * M_PI + M_PI / 2;
            const double rr = r * (1 - 0.7 * t);
            const QPointF pt(at.x() + std::cos(a) * rr, at.y() - std::sin(a) * rr);
            if (i == 0) path.moveTo(pt); else path.lineTo(pt);
        }
        p.drawPath(path);
    };
    curl(c + QPointF(-7 * s, 0), 5 * s, false);
    curl(c + QPointF(0, -3 * s), 6 * s, true);
    curl(c + QPointF(7 * s, 0), 5 * s, true);
    QPainterPath base;
    base.moveTo(c + QPointF(-12 * s, 5 * s));
    base.cubicTo(c + QPointF(-4 * s, 7 * s), c + QPointF(4 * s, 3 * s), c + QPointF(15 * s, 6 * s));
    p.drawPath(base);
}

void paintGoldFrame(QPainter& p, const QRectF& r) {
    const QColor dark(22, 8, 8), gold(201, 160, 80), paleGold(226, 190, 110);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    QPainterPath outer;
    outer.addRect(r);
    outer.addRect(r.adjusted(1, 1, -1, -1));
    p.setBrush(dark);
    p.drawPath(outer);
    QPainterPath line;
    line.addRect(r.adjusted(1, 1, -1, -1));
    line.addRect(r.adjusted(2, 2, -2, -2));
    p.setBrush(gold);
    p.drawPath(line);
    p.restore();
    // A finer inner line with corner brackets.
    const QRectF in = r.adjusted(4.5, 4.5, -4.5, -4.5);
    p.setPen(QPen(withAlpha(paleGold, 110), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(in);
    p.setPen(QPen(paleGold, 1.0));
    const double k = 6;
    for (const QPointF& corner : {in.topLeft(), in.topRight(), in.bottomLeft(), in.bottomRight()}) {
        const double sx = corner.x() < in.center().x() ? 1 : -1;
        const double sy = corner.y() < in.center().y() ? 1 : -1;
        QPainterPath b;
        b.moveTo(corner + QPointF(sx * k, sy * 1.5));
        b.lineTo(corner + QPointF(sx * 1.5, sy * 1.5));
        b.lineTo(corner + QPointF(sx * 1.5, sy * k));
        p.drawPath(b);
    }
}

}  // namespace pictures
