// Rin: a plum-coloured bob, round glasses, a green cardigan over a white blouse.
#include <QLinearGradient>
#include <QRadialGradient>

#include "canvas.h"
#include "portrait_parts.h"

namespace pictures {

namespace {

constexpr double cx = kFaceCentreX;

void cardigan(QPainter& p) {
    const QColor knit(96, 150, 104), knitDeep(56, 98, 70), line(28, 60, 40);
    fillBody(p, knit, knitDeep, line);
    p.save();
    p.setClipPath(bodyOutline());
    // Ribbing lines of the knit.
    p.setPen(roundPen(withAlpha(knitDeep, 90), 0.35));
    for (double x = 4; x < 90; x += 2.2) p.drawLine(QPointF(x, 104), QPointF(x + (x - 46) * 0.08, 170));
    paintArms(p, withAlpha(knitDeep, 120), withAlpha(line, 160));
    // The blouse showing in the V of the cardigan.
    QPainterPath vee;
    vee.moveTo(37, 98);
    vee.lineTo(55, 98);
    vee.cubicTo(55.5, 112, 51, 124, 46, 134);
    vee.cubicTo(41, 124, 36.5, 112, 37, 98);
    p.setPen(roundPen(line, 0.55));
    QLinearGradient g(0, 98, 0, 150);
    g.setColorAt(0, QColor(252, 252, 250));
    g.setColorAt(1, QColor(222, 226, 232));
    p.setBrush(g);
    p.drawPath(vee);
    // Where the cardigan closes, and its buttons.
    p.setPen(roundPen(line, 0.5));
    p.drawLine(QPointF(46, 134), QPointF(46, 170));
    p.setPen(roundPen(QColor(120, 90, 40), 0.35));
    p.setBrush(QColor(232, 206, 140));
    for (double y : {139.0, 150.0}) p.drawEllipse(QPointF(47.6, y), 1.3, 1.3);
    p.restore();
}

void blouseCollar(QPainter& p) {
    const QColor white(252, 252, 250), line(120, 126, 140);
    p.setPen(roundPen(line, 0.5));
    p.setBrush(white);
    for (int side : {-1, 1}) {
        QPainterPath flap;
        flap.moveTo(46, 104);
        flap.cubicTo(46 + side * 3, 100, 46 + side * 6, 97, 46 + side * 8, 95.5);
        flap.cubicTo(46 + side * 11, 99, 46 + side * 12, 104, 46 + side * 9, 108);
        flap.cubicTo(46 + side * 6, 109.5, 46 + side * 2, 108, 46, 104);
        p.drawPath(flap);
    }
    // A small red ribbon at the throat.
    const QColor red(200, 40, 56), redLine(110, 16, 30);
    p.setPen(roundPen(redLine, 0.45));
    p.setBrush(red);
    for (int side : {-1, 1}) {
        QPainterPath loop;
        loop.moveTo(46, 105);
        loop.cubicTo(46 + side * 3, 101.5, 46 + side * 6.5, 102.5, 46 + side * 5.5, 106);
        loop.cubicTo(46 + side * 5, 108.5, 46 + side * 2, 107.5, 46, 105);
        p.drawPath(loop);
        QPainterPath tail;
        tail.moveTo(46, 105.5);
        tail.lineTo(46 + side * 3.2, 112.5);
        tail.lineTo(46 + side * 1.6, 112);
        tail.closeSubpath();
        p.drawPath(tail);
    }
    p.drawEllipse(QPointF(46, 105.2), 1.4, 1.3);
}

void glasses(QPainter& p, const FaceLook& look) {
    const QColor frame(140, 40, 60);
    for (int side : {-1, 1}) {
        const QRectF lens(cx + side * look.eyeGap - 6.8, look.eyeY - 7.0, 13.6, 12.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 230, 255, 40));
        p.drawRoundedRect(lens, 4.5, 4.5);
        // A light streak across each lens.
        p.save();
        QPainterPath clip;
        clip.addRoundedRect(lens, 4.5, 4.5);
        p.setClipPath(clip);
        p.setBrush(QColor(255, 255, 255, 110));
        QPainterPath streak;
        streak.moveTo(lens.right() - 4.5, lens.top());
        streak.lineTo(lens.right() - 2.2, lens.top());
        streak.lineTo(lens.right() - 6.5, lens.bottom());
        streak.lineTo(lens.right() - 8.8, lens.bottom());
        streak.closeSubpath();
        p.drawPath(streak);
        p.restore();
        p.setPen(roundPen(frame, 0.75));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(lens, 4.5, 4.5);
        // The arm running back to the ear.
        p.drawLine(QPointF(cx + side * (look.eyeGap + 6.6), look.eyeY - 3.0), QPointF(cx + side * 20.5, look.eyeY - 4.0));
    }
    QPainterPath bridge;
    bridge.moveTo(cx - look.eyeGap + 6.8, look.eyeY - 2.0);
    bridge.quadTo(cx, look.eyeY - 4.2, cx + look.eyeGap - 6.8, look.eyeY - 2.0);
    p.setPen(roundPen(frame, 0.75));
    p.drawPath(bridge);
}

}  // namespace

void paintRin(QPainter& p, Mood mood) {
    FaceLook look;
    look.iris = QColor(112, 72, 196);
    look.irisDeep = QColor(36, 18, 86);
    look.brow = QColor(70, 50, 100);
    look.lash = QColor(40, 26, 56);
    const HairLook hair{QColor(112, 88, 168), QColor(66, 48, 116), QColor(196, 182, 240), QColor(34, 22, 64)};
    const HairLook back{hair.shade, mix(hair.shade, Qt::black, 0.25), hair.light, hair.line};

    paintCardBackground(p, QColor(226, 246, 236), QColor(150, 206, 190));
    paintBokeh(p, 91, 12, QColor(255, 255, 255), 3, 8);

    // A rounded bob, its ends turned under.
    QPainterPath bob;
    bob.moveTo(21, 64);
    bob.cubicTo(17, 22, 75, 22, 71, 64);
    bob.cubicTo(72, 78, 72, 88, 67, 95);
    bob.cubicTo(62, 99, 54, 96, 52, 92);
    bob.lineTo(40, 92);
    bob.cubicTo(38, 96, 30, 99, 25, 95);
    bob.cubicTo(20, 88, 20, 78, 21, 64);
    paintHairShape(p, bob, back, 60, 98);

    cardigan(p);
    paintHeadShadow(p);
    paintNeck(p, look);
    blouseCollar(p);
    paintFaceSkin(p, look);

    const std::vector<Tip> tips = {{{60.5, 59}, 5, -1.0}, {{53.5, 58}, 3.5}, {{47, 58.5}, 5, 0.5},
                                   {{40, 57.5}, 4}, {{33, 59.5}, 4.5}};
    const QPainterPath fringe = fringePath({25, 62}, {67, 62}, 26.5, tips, 5.0);
    // Long front locks that curve in under the chin line.
    QPainterPath locks;
    locks.addPath(lockPath(QPointF(25.8, 52), QPointF(29.5, 92), 6.6, -1.8));
    locks.addPath(lockPath(QPointF(66.2, 52), QPointF(62.5, 92), 6.6, 1.8));
    paintFringeShadow(p, look, fringe);
    paintFeatures(p, look, mood);
    glasses(p, look);
    paintHairShape(p, locks, hair, 55, 94);
    paintStrands(p, locks, hair, QPointF(cx, 40), {{29.5, 92}, {62.5, 92}});
    paintHairShape(p, fringe, hair, 40, 62);
    paintHairGloss(p, fringe, hair, QPointF(cx, 52), 20.5, 19, 28, 152);
    paintStrands(p, fringe, hair, QPointF(cx - 4, 27), {{33, 59.5}, {40, 57.5}, {47, 58.5}, {53.5, 58}, {60.5, 59}});
    // Two crossed hair clips.
    p.setPen(roundPen(QColor(170, 120, 20), 0.4));
    p.setBrush(QColor(250, 210, 80));
    p.save();
    p.translate(61, 45);
    p.rotate(-30);
    p.drawRoundedRect(QRectF(-4.5, -0.8, 9, 1.6), 0.8, 0.8);
    p.rotate(60);
    p.drawRoundedRect(QRectF(-4.5, -0.8, 9, 1.6), 0.8, 0.8);
    p.restore();

    paintMoodExtras(p, look, mood, QPointF(71, 52));
}

}  // namespace pictures
