#include "portrait_characters.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "canvas.h"
#include "portrait_parts.h"

namespace pictures {

QPen roundPen(const QColor& c, double w) {
    QPen p(c, w);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// The frame matches the side panel's: a dark edge with a thin gold line inside it.
void paintCardFrame(QPainter& p) {
    p.setPen(Qt::NoPen);
    QPainterPath dark;
    dark.addRect(0, 0, kPortraitW, kPortraitH);
    dark.addRect(1, 1, kPortraitW - 2, kPortraitH - 2);
    p.setBrush(QColor(22, 8, 8));
    p.drawPath(dark);
    QPainterPath gold;
    gold.addRect(1, 1, kPortraitW - 2, kPortraitH - 2);
    gold.addRect(kCardInside);
    p.setBrush(QColor(201, 160, 80));
    p.drawPath(gold);
}

void paintCardBackground(QPainter& p, const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, 0, 0, kPortraitH);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, kPortraitW, kPortraitH), g);
}

void paintBokeh(QPainter& p, quint32 seed, int count, const QColor& colour, double rMin, double rMax) {
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.range(0, kPortraitW), rng.range(0, 120));
        const double r = rng.range(rMin, rMax);
        QRadialGradient g(c, r);
        g.setColorAt(0, withAlpha(colour, 90));
        g.setColorAt(0.8, withAlpha(colour, 60));
        g.setColorAt(1, withAlpha(colour, 0));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

QPainterPath bodyOutline() {
    QPainterPath b;
    b.moveTo(-2, 170);
    b.lineTo(-2, 132);
    b.cubicTo(-1, 118, 8, 110, 22, 106.5);
    b.cubicTo(30, 104.5, 36, 102, 39.2, 97);
    b.lineTo(52.8, 97);
    b.cubicTo(56, 102, 62, 104.5, 70, 106.5);
    b.cubicTo(84, 110, 93, 118, 94, 132);
    b.lineTo(94, 170);
    b.closeSubpath();
    return b;
}

void fillBody(QPainter& p, const QColor& top, const QColor& bottom, const QColor& line) {
    QLinearGradient g(0, 100, 0, 166);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(roundPen(line, 0.6));
    p.setBrush(g);
    p.drawPath(bodyOutline());
}

void paintArms(QPainter& p, const QColor& shade, const QColor& line) {
    p.save();
    p.setClipPath(bodyOutline());
    for (int side : {-1, 1}) {
        QPainterPath arm;
        const double x0 = kFaceCentreX + side * 30;
        arm.moveTo(x0, 126);
        arm.cubicTo(x0 + side * 1.0, 138, x0 + side * 1.5, 152, x0 + side * 1.0, 170);
        QPainterPath outside = arm;
        outside.lineTo(kFaceCentreX + side * 60, 170);
        outside.lineTo(kFaceCentreX + side * 60, 110);
        outside.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawPath(outside);
        p.setPen(roundPen(line, 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arm);
    }
    p.restore();
}

void paintHeadShadow(QPainter& p) {
    p.save();
    p.setClipPath(bodyOutline());
    QRadialGradient g(QPointF(kFaceCentreX, 100), 22);
    g.setColorAt(0, QColor(20, 0, 20, 70));
    g.setColorAt(1, QColor(20, 0, 20, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(kFaceCentreX, 100), 22, 9);
    p.restore();
}

void paintBlossom(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& heart) {
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const double a = (i * 72 - 90) * M_PI / 180;
        p.drawEllipse(QPointF(c.x() + std::cos(a) * r * 0.55, c.y() + std::sin(a) * r * 0.55), r * 0.5, r * 0.5);
    }
    p.setBrush(heart);
    p.drawEllipse(c, r * 0.28, r * 0.28);
}

void paintCharacter(QPainter& p, int k, Mood mood) {
    p.save();
    p.setClipRect(kCardInside);
    // The characters are drawn a little small and then brought closer, cropping the shoulders.
    p.translate(kFaceCentreX, 60);
    p.scale(1.1, 1.1);
    p.translate(-kFaceCentreX, -60);
    switch (k) {
    case 0: paintMei(p, mood); break;
    case 1: paintHina(p, mood); break;
    case 2: paintRin(p, mood); break;
    default: paintSakura(p, mood); break;
    }
    p.restore();
    // A soft inner shadow along the frame sets the picture back a little.
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(40, 10, 10, 36 - i * 8), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(kCardInside.adjusted(0.5 + i, 0.5 + i, -0.5 - i, -0.5 - i));
    }
    paintCardFrame(p);
}

}  // namespace pictures
