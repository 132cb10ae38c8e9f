// A playful, quiet pattern of cats and paw prints on dusky plum. One small tile: a trail of
// prints walks diagonally and leaves through one edge exactly where it came in at the other.
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int T = 192;

const QColor kField(70, 56, 80);
const QColor kMotif(94, 76, 106);
const QColor kAccent(112, 92, 124);

QPainterPath stroke(const QPainterPath& line, double width) {
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line);
}

void paw(QPainter& p, QPointF c, double size, double angleDeg) {
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    p.scale(size / 10, size / 10);
    p.setPen(Qt::NoPen);
    p.setBrush(kMotif);
    QPainterPath pad;
    pad.moveTo(0, -1.5);
    pad.cubicTo(3.5, -1.5, 5.2, 2.5, 4.2, 4.2);
    pad.cubicTo(3.2, 5.6, 1.2, 4.6, 0, 4.6);
    pad.cubicTo(-1.2, 4.6, -3.2, 5.6, -4.2, 4.2);
    pad.cubicTo(-5.2, 2.5, -3.5, -1.5, 0, -1.5);
    p.drawPath(pad);
    p.drawEllipse(QPointF(-4.6, -3.4), 1.5, 1.9);
    p.drawEllipse(QPointF(-1.6, -5.6), 1.6, 2.0);
    p.drawEllipse(QPointF(1.6, -5.6), 1.6, 2.0);
    p.drawEllipse(QPointF(4.6, -3.4), 1.5, 1.9);
    p.restore();
}

void eyesAndNose(QPainter& p, QPointF c, double s, bool asleep) {
    p.setBrush(kField);
    p.setPen(Qt::NoPen);
    if (asleep) {
        p.setPen(QPen(kField, 1.1 * s, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 5.5 * s, c.y() - 1.5 * s, 4 * s, 3 * s), 200 * 16, 140 * 16);
        p.drawArc(QRectF(c.x() + 1.5 * s, c.y() - 1.5 * s, 4 * s, 3 * s), 200 * 16, 140 * 16);
        return;
    }
    for (int side : {-1, 1}) {
        QPainterPath eye;
        const QPointF e = c + QPointF(side * 3.4 * s, 0);
        eye.moveTo(e + QPointF(-1.8 * s, 0));
        eye.quadTo(e + QPointF(0, -1.9 * s), e + QPointF(1.8 * s, 0));
        eye.quadTo(e + QPointF(0, 1.9 * s), e + QPointF(-1.8 * s, 0));
        p.drawPath(eye);
    }
    QPainterPath nose;
    nose.moveTo(c + QPointF(-1.0 * s, 2.4 * s));
    nose.lineTo(c + QPointF(1.0 * s, 2.4 * s));
    nose.lineTo(c + QPointF(0, 3.4 * s));
    nose.closeSubpath();
    p.drawPath(nose);
}

QPainterPath ears(QPointF head, double rx, double ry) {
    QPainterPath both;
    for (int side : {-1, 1}) {
        QPainterPath e;
        e.moveTo(head + QPointF(side * rx * 0.95, -ry * 0.1));
        e.lineTo(head + QPointF(side * rx * 0.85, -ry * 1.45));
        e.lineTo(head + QPointF(side * rx * 0.15, -ry * 0.8));
        e.closeSubpath();
        both = both.united(e);
    }
    return both;
}

void sittingCat(QPainter& p, QPointF base, double s) {
    const QPointF head = base + QPointF(0, -34 * s);
    QPainterPath cat;
    cat.addEllipse(head, 9.5 * s, 8.0 * s);
    cat = cat.united(ears(head, 9.5 * s, 8.0 * s));
    QPainterPath body;
    body.moveTo(base + QPointF(-7 * s, -28 * s));
    body.cubicTo(base + QPointF(-17 * s, -16 * s), base + QPointF(-15 * s, 0), base + QPointF(-8 * s, 0));
    body.lineTo(base + QPointF(8 * s, 0));
    body.cubicTo(base + QPointF(15 * s, 0), base + QPointF(17 * s, -16 * s), base + QPointF(7 * s, -28 * s));
    body.closeSubpath();
    cat = cat.united(body);
    QPainterPath tail;
    tail.moveTo(base + QPointF(9 * s, -2 * s));
    tail.cubicTo(base + QPointF(24 * s, -2 * s), base + QPointF(25 * s, -16 * s), base + QPointF(19 * s, -24 * s));
    cat = cat.united(stroke(tail, 4.2 * s));
    p.setPen(Qt::NoPen);
    p.setBrush(kMotif);
    p.drawPath(cat);
    eyesAndNose(p, head + QPointF(0, 0.5 * s), s, false);
}

void catFace(QPainter& p, QPointF c, double s) {
    QPainterPath face;
    face.addEllipse(c, 13 * s, 11 * s);
    face = face.united(ears(c, 13 * s, 11 * s));
    p.setPen(Qt::NoPen);
    p.setBrush(kMotif);
    p.drawPath(face);
    eyesAndNose(p, c + QPointF(0, 0.5 * s), s * 1.3, false);
    // Whiskers reaching past the cheeks.
    p.setPen(QPen(kAccent, 0.9 * s, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1})
        for (int k = -1; k <= 1; ++k)
            p.drawLine(c + QPointF(side * 7 * s, (5 + k * 1.5) * s), c + QPointF(side * 19 * s, (4 + k * 4) * s));
}

void sleepingCat(QPainter& p, QPointF c, double s) {
    QPainterPath cat;
    cat.addEllipse(c, 17 * s, 10 * s);
    const QPointF head = c + QPointF(-11 * s, -3 * s);
    QPainterPath headShape;
    headShape.addEllipse(head, 8 * s, 7 * s);
    cat = cat.united(headShape).united(ears(head, 8 * s, 7 * s));
    QPainterPath tail;
    tail.moveTo(c + QPointF(15 * s, 2 * s));
    tail.cubicTo(c + QPointF(18 * s, 12 * s), c + QPointF(0, 14 * s), c + QPointF(-10 * s, 9 * s));
    cat = cat.united(stroke(tail, 4 * s));
    p.setPen(Qt::NoPen);
    p.setBrush(kMotif);
    p.drawPath(cat);
    eyesAndNose(p, head + QPointF(0, 1 * s), s * 0.9, true);
    // "z z" floating up.
    p.setPen(QPen(kAccent, 1.3 * s, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [dx, dy, k] : {std::tuple{-2.0, -17.0, 4.6}, {5.0, -27.0, 3.4}}) {
        const QPointF z = head + QPointF(dx * s, dy * s);
        QPainterPath zz;
        zz.moveTo(z);
        zz.lineTo(z + QPointF(k * s, 0));
        zz.lineTo(z + QPointF(0, k * s));
        zz.lineTo(z + QPointF(k * s, k * s));
        p.drawPath(zz);
    }
}

void yarn(QPainter& p, QPointF c, double r) {
    p.setPen(Qt::NoPen);
    p.setBrush(kMotif);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(kField, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.save();
    QPainterPath clip;
    clip.addEllipse(c, r, r);
    p.setClipPath(clip);
    for (int i = -2; i <= 2; ++i) p.drawArc(QRectF(c.x() - r * 1.6 + i * r * 0.4, c.y() - r * 1.2, r * 2.4, r * 2.4), 20 * 16, 140 * 16);
    p.restore();
    QPainterPath thread;
    thread.moveTo(c + QPointF(r * 0.8, r * 0.6));
    thread.cubicTo(c + QPointF(r * 2.5, r * 2), c + QPointF(r * 1.5, r * 3), c + QPointF(r * 3.4, r * 3.2));
    p.setPen(QPen(kMotif, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(thread);
}

void fish(QPainter& p, QPointF c, double s, double angle) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.scale(s, s);
    QPainterPath f;
    f.moveTo(-9, 0);
    f.cubicTo(-4, -6, 5, -5, 8, 0);
    f.cubicTo(5, 5, -4, 6, -9, 0);
    f.closeSubpath();
    QPainterPath tail;
    tail.moveTo(7, 0);
    tail.lineTo(13, -4.5);
    tail.lineTo(12, 0);
    tail.lineTo(13, 4.5);
    tail.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kMotif);
    p.drawPath(f.united(tail));
    p.setBrush(kField);
    p.drawEllipse(QPointF(-5, -1), 1.1, 1.1);
    p.setPen(QPen(kField, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-4, -4, 5, 8), -60 * 16, 120 * 16);
    p.restore();
}

void heart(QPainter& p, QPointF c, double r) {
    QPainterPath h;
    h.moveTo(c + QPointF(0, r * 0.9));
    h.cubicTo(c + QPointF(-r * 1.4, -r * 0.2), c + QPointF(-r * 0.6, -r * 1.2), c + QPointF(0, -r * 0.4));
    h.cubicTo(c + QPointF(r * 0.6, -r * 1.2), c + QPointF(r * 1.4, -r * 0.2), c + QPointF(0, r * 0.9));
    p.setPen(Qt::NoPen);
    p.setBrush(kMotif);
    p.drawPath(h);
}

}  // namespace

QImage paintCatpats() {
    QImage img = supersample(T, T, 3, [](QPainter& p) {
        p.fillRect(QRectF(0, 0, T, T), kField);
        QImage felt(T, T, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < T; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(felt.scanLine(y));
            for (int x = 0; x < T; ++x) {
                const double n = fbm(x * 4.0 / T, y * 4.0 / T, 5, 61, 4);
                const int v = static_cast<int>(std::clamp((n - 0.5) * 60, -30.0, 30.0));
                line[x] = v >= 0 ? qPremultiply(qRgba(200, 170, 220, v)) : qPremultiply(qRgba(10, 0, 20, -v));
            }
        }
        p.drawImage(QRectF(0, 0, T, T), felt);
        paintWrapped(p, T, T, [](QPainter& q) {
            // The trail: six steps up and to the right, one tile wide and one tile high, so it
            // meets itself across the edges.
            for (int i = 0; i < 6; ++i) {
                const double along = i * 32.0;
                const double side = (i % 2 == 0) ? -6 : 6;
                const QPointF c(along + 16 + side * 0.707, T - along - 16 + side * 0.707);
                paw(q, c, 11, 45);
            }
            sittingCat(q, QPointF(44, 80), 1.0);
            catFace(q, QPointF(140, 150), 0.95);
            sleepingCat(q, QPointF(150, 40), 1.0);
            yarn(q, QPointF(92, 170), 7);
            fish(q, QPointF(92, 26), 1.0, -15);
            heart(q, QPointF(16, 120), 4);
            heart(q, QPointF(176, 104), 3.2);
        });
    });
    return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace pictures
