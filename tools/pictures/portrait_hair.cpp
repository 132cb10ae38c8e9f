#include "portrait_hair.h"

#include <QLinearGradient>
#include <cmath>

#include "canvas.h"

namespace pictures {

QPainterPath lockPath(QPointF root, QPointF tip, double width, double bend) {
    const QPointF d = tip - root;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n(d.y() / len, -d.x() / len);  // right-hand normal of root -> tip... in y-down space
    const QPointF side = n * (width / 2);
    const QPointF mid = root + d * 0.5 - n * bend;
    QPainterPath s;
    s.moveTo(root + side);
    s.cubicTo(root + side + d * 0.35 - n * bend * 0.9, mid + side * 0.55 + d * 0.2, tip);
    s.cubicTo(mid - side * 0.55 + d * 0.2, root - side + d * 0.35 - n * bend * 1.1, root - side);
    s.closeSubpath();
    return s;
}

namespace {

// The edge from `from` up into a notch and down to the pointed tip `to`.
void notchTo(QPainterPath& s, QPointF from, QPointF to, double lift, double sweep) {
    const QPointF notch((from.x() + to.x()) / 2 + sweep, std::min(from.y(), to.y()) - lift);
    s.cubicTo(QPointF(from.x() + (notch.x() - from.x()) * 0.2, from.y() - (from.y() - notch.y()) * 0.6),
              QPointF(notch.x() + (from.x() - notch.x()) * 0.3, notch.y()), notch);
    s.cubicTo(QPointF(notch.x() + (to.x() - notch.x()) * 0.3, notch.y()),
              QPointF(to.x() + (notch.x() - to.x()) * 0.2, to.y() - (to.y() - notch.y()) * 0.6), to);
}

}  // namespace

QPainterPath fringePath(QPointF leftTemple, QPointF rightTemple, double crownY, const std::vector<Tip>& tips,
                        double lastLift) {
    QPainterPath s;
    const double midX = (leftTemple.x() + rightTemple.x()) / 2;
    const double halfW = (rightTemple.x() - leftTemple.x()) / 2;
    s.moveTo(leftTemple);
    s.cubicTo(QPointF(leftTemple.x() - 1, crownY + (leftTemple.y() - crownY) * 0.25),
              QPointF(midX - halfW * 0.62, crownY), QPointF(midX, crownY));
    s.cubicTo(QPointF(midX + halfW * 0.62, crownY),
              QPointF(rightTemple.x() + 1, crownY + (rightTemple.y() - crownY) * 0.25), rightTemple);
    appendTips(s, rightTemple, tips, leftTemple, lastLift);
    s.closeSubpath();
    return s;
}

void appendTips(QPainterPath& path, QPointF from, const std::vector<Tip>& tips, QPointF to, double lastLift) {
    QPointF prev = from;
    for (const Tip& tip : tips) {
        notchTo(path, prev, tip.at, tip.lift, tip.sweep);
        prev = tip.at;
    }
    notchTo(path, prev, to, lastLift, 0);
}

void paintHairShape(QPainter& p, const QPainterPath& shape, const HairLook& hair, double shadeFromY,
                    double shadeToY) {
    QLinearGradient g(0, shadeFromY, 0, shadeToY);
    g.setColorAt(0, hair.base);
    g.setColorAt(1, hair.shade);
    QPen pen(hair.line, 0.6);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(g);
    p.drawPath(shape);
}

void paintHairGloss(QPainter& p, const QPainterPath& clip, const HairLook& hair, QPointF centre, double rx,
                    double ry, double a0, double a1) {
    // The ring is a band whose lower edge is ragged, as light catches single locks.
    QPainterPath band;
    const int steps = 28;
    for (int i = 0; i <= steps; ++i) {
        const double a = (a0 + (a1 - a0) * i / steps) * M_PI / 180;
        const QPointF pt(centre.x() + std::cos(a) * rx, centre.y() - std::sin(a) * ry);
        if (i == 0) band.moveTo(pt); else band.lineTo(pt);
    }
    for (int i = steps; i >= 0; --i) {
        const double a = (a0 + (a1 - a0) * i / steps) * M_PI / 180;
        const double taper = std::sin(M_PI * i / steps);
        const double k = (i % 2 == 0) ? 1 - 0.34 * taper : 1 - 0.10 * taper;
        band.lineTo(QPointF(centre.x() + std::cos(a) * rx * k, centre.y() - std::sin(a) * ry * k));
    }
    band.closeSubpath();
    p.save();
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(hair.light, 150));
    p.drawPath(band);
    p.restore();
}

void paintStrands(QPainter& p, const QPainterPath& clip, const HairLook& hair, QPointF from,
                  const std::vector<QPointF>& to) {
    p.save();
    p.setClipPath(clip);
    QPen pen(withAlpha(hair.line, 150), 0.45);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (const QPointF& t : to) {
        QPainterPath s;
        s.moveTo(from + (t - from) * 0.25);
        s.quadTo(from + (t - from) * 0.6 + QPointF((t.x() - from.x()) * 0.15, 0), t);
        p.drawPath(s);
    }
    p.restore();
}

}  // namespace pictures
