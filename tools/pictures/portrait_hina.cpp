// Hina: ginger hair in a high ponytail tied with a big yellow ribbon, a sailor-collar blouse.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "canvas.h"
#include "portrait_parts.h"

namespace pictures {

namespace {

constexpr double cx = kFaceCentreX;

void sparkle(QPainter& p, QPointF c, double r, int alpha) {
    QPainterPath s;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c.x(), c.y(), c.x() + r * 0.8, c.y());
    s.quadTo(c.x(), c.y(), c.x(), c.y() + r);
    s.quadTo(c.x(), c.y(), c.x() - r * 0.8, c.y());
    s.quadTo(c.x(), c.y(), c.x(), c.y() - r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, alpha));
    p.drawPath(s);
}

void sky(QPainter& p) {
    paintCardBackground(p, QColor(196, 232, 255), QColor(106, 176, 232));
    p.setPen(Qt::NoPen);
    // Two soft clouds.
    for (const QRectF& c : {QRectF(-6, 96, 30, 12), QRectF(66, 84, 32, 12), QRectF(4, 90, 18, 10), QRectF(74, 78, 16, 10)}) {
        QRadialGradient g(c.center(), c.width() / 2);
        g.setColorAt(0, QColor(255, 255, 255, 170));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(c);
    }
    Rng rng(51);
    for (int i = 0; i < 10; ++i)
        sparkle(p, QPointF(rng.range(4, 88), rng.range(4, 100)), rng.range(1.6, 3.4), 120 + rng.below(100));
}

void ponytail(QPainter& p, const HairLook& hair) {
    QPainterPath tail;
    tail.moveTo(58, 30);
    tail.cubicTo(74, 24, 90, 40, 88, 70);
    tail.cubicTo(87, 86, 84, 100, 86, 118);
    appendTips(tail, {86, 118}, {{{80, 112}, 6}, {{76, 104}, 5}}, {71, 92}, 4);
    tail.cubicTo(74, 70, 70, 46, 58, 40);
    tail.closeSubpath();
    paintHairShape(p, tail, hair, 40, 118);
    paintStrands(p, tail, hair, QPointF(62, 30), {{80, 112}, {84, 104}, {76, 100}, {86, 90}});
    p.save();
    p.setClipPath(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(hair.light, 130));
    QPainterPath gloss;
    gloss.moveTo(76, 40);
    gloss.cubicTo(83, 48, 84, 58, 82, 68);
    gloss.cubicTo(80, 58, 78, 48, 73, 42);
    gloss.closeSubpath();
    p.drawPath(gloss);
    p.restore();
}

void ribbon(QPainter& p) {
    const QColor yellow(255, 212, 58), deep(226, 160, 20), line(150, 96, 0);
    const QPointF knot(61, 27);
    p.setPen(roundPen(line, 0.55));
    // Tails first, then the two loops, then the knot.
    for (int side : {-1, 1}) {
        QPainterPath t;
        t.moveTo(knot);
        const double out = side > 0 ? 1.6 : 0.6;  // both tails blow toward the ponytail
        t.cubicTo(knot.x() + side * 3 * out + 2, knot.y() + 4, knot.x() + side * 5 * out + 4, knot.y() + 7, knot.x() + side * 6 * out + 6, knot.y() + 10);
        t.lineTo(knot.x() + side * 4 * out + 5, knot.y() + 9.5);
        t.lineTo(knot.x() + side * 3.5 * out + 4.5, knot.y() + 12);
        t.cubicTo(knot.x() + side * 2 * out + 2, knot.y() + 7, knot.x() + side * 0.8, knot.y() + 4, knot.x(), knot.y() + 1);
        t.closeSubpath();
        p.setBrush(deep);
        p.drawPath(t);
    }
    for (int side : {-1, 1}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot.x() + side * 6, knot.y() - 12, knot.x() + side * 15, knot.y() - 9, knot.x() + side * 13, knot.y() - 1);
        loop.cubicTo(knot.x() + side * 12, knot.y() + 4, knot.x() + side * 5, knot.y() + 3, knot.x(), knot.y());
        QLinearGradient g(knot.x(), knot.y() - 10, knot.x(), knot.y() + 4);
        g.setColorAt(0, QColor(255, 238, 140));
        g.setColorAt(1, yellow);
        p.setBrush(g);
        p.drawPath(loop);
        // The fold inside the loop.
        QPainterPath fold;
        fold.moveTo(knot.x() + side * 2, knot.y() - 1);
        fold.cubicTo(knot.x() + side * 6, knot.y() - 5, knot.x() + side * 9, knot.y() - 4, knot.x() + side * 11, knot.y() - 2);
        p.save();
        p.setPen(roundPen(deep, 0.6));
        p.drawPath(fold);
        p.restore();
    }
    p.setBrush(deep);
    p.drawRoundedRect(QRectF(knot.x() - 2.4, knot.y() - 3, 4.8, 5.6), 1.6, 1.6);
}

void sailorBlouse(QPainter& p) {
    const QColor white(250, 250, 252), whiteShade(206, 214, 232), line(90, 100, 130);
    fillBody(p, white, QColor(226, 230, 242), line);
    p.save();
    p.setClipPath(bodyOutline());
    paintArms(p, withAlpha(whiteShade, 150), withAlpha(line, 150));
    // Navy sailor collar: broad over the shoulders, meeting in a V on the chest.
    const QColor navy(36, 58, 120), navyLine(16, 24, 60);
    QPainterPath collar;
    collar.moveTo(36, 99);
    collar.cubicTo(26, 104, 14, 106, 8, 112);
    collar.lineTo(16, 126);
    collar.lineTo(46, 140);
    collar.lineTo(76, 126);
    collar.lineTo(84, 112);
    collar.cubicTo(78, 106, 66, 104, 56, 99);
    collar.lineTo(46, 122);
    collar.closeSubpath();
    p.setPen(roundPen(navyLine, 0.55));
    p.setBrush(navy);
    p.drawPath(collar);
    // Two white stripes along its edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(240, 244, 255), 0.7));
    for (double inset : {2.2, 3.8}) {
        QPainterPath stripe;
        stripe.moveTo(10 + inset, 112 + inset * 0.4);
        stripe.lineTo(17 + inset * 0.5, 126 - inset * 0.9);
        stripe.lineTo(46, 140 - inset * 1.8);
        stripe.lineTo(75 - inset * 0.5, 126 - inset * 0.9);
        stripe.lineTo(82 - inset, 112 + inset * 0.4);
        p.drawPath(stripe);
    }
    // Red scarf tied under the V.
    const QColor red(224, 50, 60), redLine(120, 16, 26);
    p.setPen(roundPen(redLine, 0.5));
    p.setBrush(red);
    for (int side : {-1, 1}) {
        QPainterPath end;
        end.moveTo(46, 124);
        end.cubicTo(46 + side * 4, 130, 46 + side * 6, 138, 46 + side * 5, 146);
        end.lineTo(46 + side * 1.5, 143);
        end.cubicTo(46 + side * 1.5, 136, 46, 130, 46, 124);
        p.drawPath(end);
        QPainterPath wing;
        wing.moveTo(46, 123);
        wing.cubicTo(46 + side * 5, 117, 46 + side * 10, 118, 46 + side * 9, 124);
        wing.cubicTo(46 + side * 8, 128, 46 + side * 4, 127, 46, 124);
        p.drawPath(wing);
    }
    p.drawRoundedRect(QRectF(43.4, 121, 5.2, 5), 1.5, 1.5);
    p.restore();
}

}  // namespace

void paintHina(QPainter& p, Mood mood) {
    FaceLook look;
    look.iris = QColor(54, 178, 112);
    look.irisDeep = QColor(16, 80, 50);
    look.brow = QColor(150, 70, 30);
    look.lash = QColor(70, 34, 20);
    const HairLook hair{QColor(246, 150, 70), QColor(204, 92, 40), QColor(255, 226, 178), QColor(120, 50, 16)};
    const HairLook back{hair.shade, mix(hair.shade, Qt::black, 0.25), hair.light, hair.line};

    sky(p);
    ponytail(p, back);
    QPainterPath nape;
    nape.moveTo(23, 64);
    nape.cubicTo(19, 24, 73, 24, 69, 64);
    nape.cubicTo(70, 72, 69, 78, 66, 84);
    nape.lineTo(26, 84);
    nape.cubicTo(23, 78, 22, 72, 23, 64);
    paintHairShape(p, nape, back, 60, 86);

    sailorBlouse(p);
    paintHeadShadow(p);
    paintNeck(p, look);
    paintFaceSkin(p, look);

    // A fringe combed to her right, locks that flip out at the jaw, and one stray lock on top.
    const std::vector<Tip> tips = {{{61.5, 60}, 6, 2.0}, {{54, 58.5}, 5, 1.5}, {{46.5, 57.5}, 5.5, 1.5},
                                   {{39, 58}, 5, 1.0}, {{32.5, 59.5}, 4}};
    const QPainterPath fringe = fringePath({25, 63}, {67, 62}, 27, tips, 5.0);
    QPainterPath locks;
    locks.addPath(lockPath(QPointF(26.5, 52), QPointF(24.5, 84), 6.8, -3.0));
    locks.addPath(lockPath(QPointF(65.5, 52), QPointF(67.5, 84), 6.8, 3.0));
    QPainterPath ahoge = lockPath(QPointF(44, 29), QPointF(36, 15), 3.2, -3.5);
    paintFringeShadow(p, look, fringe);
    paintFeatures(p, look, mood);
    paintHairShape(p, locks, hair, 55, 86);
    paintHairShape(p, ahoge, hair, 15, 30);
    paintHairShape(p, fringe, hair, 40, 62);
    paintHairGloss(p, fringe, hair, QPointF(cx, 52), 20.5, 19, 28, 152);
    paintStrands(p, fringe, hair, QPointF(cx + 6, 27), {{32.5, 59.5}, {39, 58}, {46.5, 57.5}, {54, 58.5}, {61.5, 60}});
    ribbon(p);

    paintMoodExtras(p, look, mood, QPointF(23, 44));
}

}  // namespace pictures
