// Mei: black hair in two buns tied with red ribbons, a red silk qipao with gold piping.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "canvas.h"
#include "portrait_parts.h"

namespace pictures {

namespace {

constexpr double cx = kFaceCentreX;

void bun(QPainter& p, const HairLook& hair, int side) {
    const QPointF c(cx + side * 19.5, 31);
    QPainterPath shape;
    shape.addEllipse(c, 9.2, 8.6);
    paintHairShape(p, shape, hair, 24, 40);
    p.save();
    p.setClipPath(shape);
    p.setPen(roundPen(withAlpha(hair.line, 170), 0.45));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i)
        p.drawArc(QRectF(c.x() - 9 + i * 2.5, c.y() - 8 + i * 1.5, 15 - i * 2, 14 - i * 1.5), 30 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(hair.light, 210));
    p.drawEllipse(QPointF(c.x() - side * 2.5, c.y() - 4.6), 3.8, 1.5);
    p.restore();

    // A red ribbon round the base, tied in a small bow on the outer side.
    const QColor red(214, 36, 48), redLine(110, 10, 20);
    QPainterPath band;
    band.moveTo(c.x() - side * 8.4, c.y() + 3.4);
    band.cubicTo(c.x() - side * 3, c.y() + 8.4, c.x() + side * 4, c.y() + 8.0, c.x() + side * 8.4, c.y() + 2.4);
    band.lineTo(c.x() + side * 8.8, c.y() + 4.9);
    band.cubicTo(c.x() + side * 4, c.y() + 10.6, c.x() - side * 3, c.y() + 11.0, c.x() - side * 8.0, c.y() + 5.8);
    band.closeSubpath();
    p.setPen(roundPen(redLine, 0.45));
    p.setBrush(red);
    p.drawPath(band);
    const QPointF knot(c.x() + side * 8.4, c.y() + 3.8);
    for (double a : {-35.0, 35.0}) {
        p.save();
        p.translate(knot);
        p.scale(side, 1);
        p.rotate(a);
        QPainterPath loop;
        loop.moveTo(0, 0);
        loop.cubicTo(2.5, -3.4, 5.6, -2.8, 5.4, 0);
        loop.cubicTo(5.6, 2.8, 2.5, 3.4, 0, 0);
        p.drawPath(loop);
        p.restore();
    }
    p.drawEllipse(knot, 1.2, 1.2);
    // A gold pin through the bun, with a bead at its end.
    p.setPen(roundPen(QColor(170, 126, 40), 0.8));
    p.drawLine(QPointF(c.x() - side * 6, c.y() - 1), QPointF(c.x() + side * 4.5, c.y() - 6.5));
    p.setPen(roundPen(QColor(150, 100, 30), 0.35));
    p.setBrush(QColor(240, 200, 96));
    p.drawEllipse(QPointF(c.x() + side * 4.8, c.y() - 6.8), 1.4, 1.4);
}

void qipao(QPainter& p) {
    const QColor silk(204, 34, 46), silkDeep(130, 14, 30), gold(234, 190, 88), goldLine(150, 100, 30);
    fillBody(p, silk, silkDeep, QColor(90, 8, 18));
    p.save();
    p.setClipPath(bodyOutline());
    // Sheen across the chest.
    QRadialGradient sheen(QPointF(cx + 6, 122), 26);
    sheen.setColorAt(0, QColor(255, 120, 110, 90));
    sheen.setColorAt(1, QColor(255, 120, 110, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawEllipse(QPointF(cx + 6, 122), 26, 20);
    // Plum blossoms woven in gold thread.
    Rng rng(33);
    for (int i = 0; i < 10; ++i) {
        const QPointF c(rng.range(4, kPortraitW - 4), rng.range(114, 160));
        const double r = rng.range(2.6, 3.4);
        p.setPen(roundPen(QColor(240, 190, 100, 120), 0.4));
        p.setBrush(QColor(230, 70, 70, 90));
        for (int k = 0; k < 5; ++k) {
            const double a = (k * 72 - 90 + i * 17) * M_PI / 180;
            p.drawEllipse(QPointF(c.x() + std::cos(a) * r * 0.55, c.y() + std::sin(a) * r * 0.55), r * 0.45, r * 0.45);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 210, 120, 200));
        p.drawEllipse(c, r * 0.22, r * 0.22);
    }
    paintArms(p, withAlpha(silkDeep, 110), withAlpha(QColor(90, 8, 18), 150));
    // The diagonal opening toward her right arm, with two frog buttons.
    QPainterPath opening;
    opening.moveTo(46, 103);
    opening.cubicTo(40, 110, 30, 114, 18, 117.5);
    p.setPen(roundPen(gold, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(opening);
    p.setPen(roundPen(goldLine, 0.4));
    p.drawPath(opening.translated(0, 0.85));
    for (const QPointF b : {QPointF(36.5, 110.8), QPointF(27, 114.8)}) {
        p.setPen(roundPen(gold, 0.9));
        p.drawLine(b + QPointF(-2.6, -1.9), b + QPointF(2.6, 1.9));
        p.setPen(roundPen(goldLine, 0.3));
        p.setBrush(gold);
        p.drawEllipse(b, 1.1, 1.1);
        p.setBrush(Qt::NoBrush);
    }
    p.restore();
}

void collar(QPainter& p) {
    const QColor silk(204, 34, 46), gold(234, 190, 88);
    QPainterPath c;
    c.moveTo(38.2, 94.5);
    c.cubicTo(42, 96.5, 50, 96.5, 53.8, 94.5);
    c.lineTo(54.6, 101.5);
    c.cubicTo(52, 103.8, 48.5, 104.6, 47, 104.2);
    c.lineTo(46, 102.5);
    c.lineTo(45, 104.2);
    c.cubicTo(43.5, 104.6, 40, 103.8, 37.4, 101.5);
    c.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(silk);
    p.drawPath(c);
    p.setPen(roundPen(gold, 0.75));
    p.setBrush(Qt::NoBrush);
    p.drawPath(c);
}

}  // namespace

void paintMei(QPainter& p, Mood mood) {
    FaceLook look;
    look.iris = QColor(186, 100, 50);
    look.irisDeep = QColor(80, 32, 20);
    look.brow = QColor(40, 32, 44);
    const HairLook hair{QColor(50, 48, 68), QColor(24, 22, 36), QColor(100, 108, 140), QColor(12, 10, 20)};

    // Warm lantern light behind her.
    paintCardBackground(p, QColor(250, 228, 172), QColor(216, 150, 82));
    QRadialGradient moon(QPointF(cx, 58), 44);
    moon.setColorAt(0, QColor(255, 247, 218));
    moon.setColorAt(0.85, QColor(252, 230, 172, 200));
    moon.setColorAt(1, QColor(252, 230, 172, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(moon);
    p.drawEllipse(QPointF(cx, 58), 44, 44);
    paintBokeh(p, 7, 9, QColor(255, 190, 90), 3, 7);

    // Back hair: a bob whose ends part into locks.
    QPainterPath back;
    back.moveTo(22, 64);
    back.cubicTo(18, 24, 74, 24, 70, 64);
    back.cubicTo(71.5, 76, 71, 86, 68.5, 95);
    appendTips(back, {68.5, 95}, {{{61, 97}, 3.5}, {{53, 96}, 3}, {{39, 96}, 2.5}, {{31, 97}, 3}}, {23.5, 95}, 3.5);
    back.cubicTo(21, 86, 20.5, 76, 22, 64);
    paintHairShape(p, back, HairLook{hair.shade, mix(hair.shade, Qt::black, 0.3), hair.light, hair.line}, 60, 96);

    bun(p, hair, -1);
    bun(p, hair, 1);
    qipao(p);
    paintHeadShadow(p);
    paintNeck(p, look);
    collar(p);
    paintFaceSkin(p, look);

    const std::vector<Tip> tips = {{{58.5, 57.5}, 5, 1.5}, {{51.5, 57}, 3.5, 0.5},
                                   {{44.5, 56.5}, 6, 1.0}, {{37.5, 57.5}, 3.5}, {{31.5, 58.5}, 5}};
    const QPainterPath fringe = fringePath({25, 62}, {67, 62}, 27.5, tips, 5.0);
    QPainterPath locks;
    locks.addPath(lockPath(QPointF(26.5, 52), QPointF(28.5, 86), 6.4, -1.6));
    locks.addPath(lockPath(QPointF(65.5, 52), QPointF(63.5, 86), 6.4, 1.6));
    paintFringeShadow(p, look, fringe);
    paintFeatures(p, look, mood);
    paintHairShape(p, locks, hair, 55, 86);
    paintHairShape(p, fringe, hair, 40, 62);
    paintHairGloss(p, fringe, hair, QPointF(cx, 52), 20.5, 19, 28, 152);
    paintStrands(p, fringe, hair, QPointF(cx, 27), {{31.5, 58.5}, {37.5, 57.5}, {44.5, 56.5}, {51.5, 57}, {58.5, 57.5}});

    paintMoodExtras(p, look, mood, QPointF(70, 47));
}

}  // namespace pictures
