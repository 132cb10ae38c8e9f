#include "portrait_face.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "canvas.h"

namespace pictures {

namespace {

constexpr double cx = kFaceCentreX;

QPen linePen(const QColor& c, double w) {
    QPen pen(c, w);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Runs `draw` for both eyes in a frame whose +x points away from the nose, whose origin is the
// eye's centre; so each eye is drawn once and the left one comes out mirrored.
template <typename Draw>
void bothEyes(QPainter& p, const FaceLook& look, Draw draw) {
    for (int side : {-1, 1}) {
        p.save();
        p.translate(cx + side * look.eyeGap, look.eyeY);
        p.scale(side, 1);
        draw(side);
        p.restore();
    }
}

QPainterPath eyeWhite() {
    QPainterPath s;
    s.moveTo(-4.6, -3.6);
    s.cubicTo(-2.5, -5.9, 2.5, -6.4, 5.2, -4.4);
    s.cubicTo(5.9, -1.2, 4.9, 3.6, 1.2, 5.1);
    s.cubicTo(-1.6, 5.6, -4.1, 4.6, -4.9, 1.8);
    s.cubicTo(-5.2, -0.4, -5.1, -2.4, -4.6, -3.6);
    return s;
}

void openEye(QPainter& p, const FaceLook& look, double irisScale, double look_dy) {
    const QPainterPath white = eyeWhite();
    QLinearGradient wg(0, -6, 0, 5);
    wg.setColorAt(0, QColor(206, 214, 236));
    wg.setColorAt(0.45, QColor(252, 252, 255));
    wg.setColorAt(1, QColor(255, 255, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(wg);
    p.drawPath(white);

    p.save();
    p.setClipPath(white);
    const QPointF ic(0.15, 0.2 + look_dy);
    const double rx = 3.9 * irisScale, ry = 5.3 * irisScale;
    QLinearGradient ig(0, ic.y() - ry, 0, ic.y() + ry);
    ig.setColorAt(0, look.irisDeep);
    ig.setColorAt(0.55, look.iris);
    ig.setColorAt(1, mix(look.iris, Qt::white, 0.55));
    p.setBrush(ig);
    p.setPen(linePen(mix(look.irisDeep, Qt::black, 0.4), 0.45));
    p.drawEllipse(ic, rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(look.irisDeep, Qt::black, 0.55));
    p.drawEllipse(QPointF(ic.x(), ic.y() - 0.2), rx * 0.48, ry * 0.52);
    // Light coming up from the lower rim of the iris.
    QRadialGradient glow(QPointF(ic.x(), ic.y() + ry * 0.75), rx * 1.0);
    glow.setColorAt(0, withAlpha(mix(look.iris, Qt::white, 0.6), 200));
    glow.setColorAt(1, withAlpha(look.iris, 0));
    p.setBrush(glow);
    p.drawEllipse(ic, rx, ry);
    // The upper lid's shadow over the iris.
    p.setBrush(QColor(20, 10, 30, 70));
    p.drawEllipse(QPointF(0.3, -6.2), 6.5, 3.6);
    p.restore();

    // Upper lid: a thick tapering line ending in a short flick at the outer corner.
    QPainterPath lid;
    lid.moveTo(-5.4, -2.6);
    lid.cubicTo(-3.0, -6.7, 2.8, -7.3, 6.1, -4.9);
    lid.lineTo(7.1, -5.5);
    lid.cubicTo(6.6, -4.4, 6.2, -3.6, 5.6, -3.0);
    lid.cubicTo(2.8, -5.5, -2.6, -5.4, -5.4, -2.6);
    p.setPen(linePen(look.lash, 0.35));
    p.setBrush(look.lash);
    p.drawPath(lid);
    // Lower lid: a short soft line under the outer half.
    QPainterPath lower;
    lower.moveTo(-1.6, 5.4);
    lower.cubicTo(1.0, 5.5, 3.4, 4.4, 4.9, 2.5);
    p.setPen(linePen(withAlpha(mix(look.lash, look.skin, 0.35), 230), 0.55));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lower);
}

void eyeHighlights(QPainter& p, const FaceLook& look, double look_dy, double bigScale) {
    // Drawn without the mirror, so the light falls from the same side on both eyes.
    p.setPen(Qt::NoPen);
    for (int side : {-1, 1}) {
        const double ex = cx + side * look.eyeGap + side * 0.15;
        const double ey = look.eyeY + look_dy;
        p.setBrush(QColor(255, 255, 255, 245));
        p.drawEllipse(QPointF(ex - 1.5, ey - 2.2), 1.45 * bigScale, 1.75 * bigScale);
        p.setBrush(QColor(255, 255, 255, 215));
        p.drawEllipse(QPointF(ex + 1.7, ey + 2.3), 0.65, 0.65);
    }
}

void closedEye(QPainter& p, const FaceLook& look) {
    // A happy arch with a little flick at the outer end.
    QPainterPath arc;
    arc.moveTo(-4.6, 1.2);
    arc.cubicTo(-2.6, -3.2, 2.8, -3.6, 5.2, 0.4);
    p.setPen(linePen(look.lash, 1.25));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPainterPath flick;
    flick.moveTo(4.8, -0.2);
    flick.lineTo(6.6, -1.0);
    p.setPen(linePen(look.lash, 0.8));
    p.drawPath(flick);
}

void brows(QPainter& p, const FaceLook& look, Mood mood) {
    bothEyes(p, look, [&](int) {
        QPainterPath b;
        switch (mood) {
        case Mood::Calm:
            b.moveTo(-3.8, -9.0);
            b.quadTo(1.0, -10.6, 5.6, -8.8);
            break;
        case Mood::Happy:
            b.moveTo(-3.8, -9.7);
            b.quadTo(1.0, -12.0, 5.6, -9.6);
            break;
        case Mood::Worried:
            b.moveTo(-3.6, -11.4);
            b.quadTo(1.2, -10.8, 5.6, -8.2);
            break;
        }
        p.setPen(linePen(look.brow, 0.85));
        p.setBrush(Qt::NoBrush);
        p.drawPath(b);
    });
}

void blush(QPainter& p, const FaceLook& look, Mood mood) {
    const double strength = mood == Mood::Happy ? 1.0 : mood == Mood::Calm ? 0.6 : 0.35;
    for (int side : {-1, 1}) {
        const QPointF c(cx + side * (look.eyeGap + 1.5), look.eyeY + 8.3);
        QRadialGradient g(c, 5.0);
        g.setColorAt(0, withAlpha(look.blush, static_cast<int>(120 * strength)));
        g.setColorAt(1, withAlpha(look.blush, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, 5.0, 2.6);
        if (mood == Mood::Happy) {
            // The little hatch lines of a flushed face.
            p.setPen(linePen(withAlpha(mix(look.blush, look.skinLine, 0.4), 170), 0.4));
            for (int i = -1; i <= 1; ++i) {
                const double x = c.x() + i * 1.5;
                p.drawLine(QPointF(x + 0.5, c.y() - 0.9), QPointF(x - 0.5, c.y() + 0.9));
            }
        }
    }
}

void mouth(QPainter& p, const FaceLook& look, Mood mood) {
    const double my = look.eyeY + 13.6;
    const QColor lip = mix(look.skinLine, QColor(150, 40, 50), 0.5);
    switch (mood) {
    case Mood::Calm: {
        QPainterPath m;
        m.moveTo(cx - 2.9, my);
        m.quadTo(cx, my + 1.7, cx + 2.9, my - 0.1);
        p.setPen(linePen(lip, 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(m);
        break;
    }
    case Mood::Happy: {
        QPainterPath m;
        m.moveTo(cx - 4.0, my - 1.0);
        m.quadTo(cx, my - 0.2, cx + 4.0, my - 1.0);
        m.cubicTo(cx + 3.6, my + 4.4, cx - 3.6, my + 4.4, cx - 4.0, my - 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 44, 60));
        p.drawPath(m);
        p.save();
        p.setClipPath(m);
        p.setBrush(QColor(240, 120, 130));
        p.drawEllipse(QPointF(cx, my + 3.6), 2.9, 1.9);
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(QRectF(cx - 3.0, my - 1.4, 6.0, 1.0));
        p.restore();
        p.setPen(linePen(mix(lip, Qt::black, 0.2), 0.55));
        p.setBrush(Qt::NoBrush);
        p.drawPath(m);
        break;
    }
    case Mood::Worried: {
        QPainterPath m;
        m.moveTo(cx - 3.0, my + 0.9);
        m.cubicTo(cx - 2.0, my - 0.3, cx - 1.0, my - 0.3, cx, my + 0.4);
        m.cubicTo(cx + 1.0, my + 1.1, cx + 2.0, my + 1.1, cx + 3.0, my - 0.1);
        p.setPen(linePen(lip, 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(m);
        break;
    }
    }
}

void nose(QPainter& p, const FaceLook& look) {
    QPainterPath n;
    n.moveTo(cx + 0.7, look.eyeY + 6.6);
    n.quadTo(cx + 1.0, look.eyeY + 8.2, cx + 0.1, look.eyeY + 8.6);
    p.setPen(linePen(withAlpha(look.skinLine, 170), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(n);
}

}  // namespace

QPainterPath faceOutline() {
    QPainterPath f;
    f.moveTo(26.5, 56);
    f.cubicTo(26.3, 68, 27.8, 76.5, 33.5, 83.5);
    f.cubicTo(37.5, 88.2, 42.2, kChinY, cx, kChinY);
    f.cubicTo(49.8, kChinY, 54.5, 88.2, 58.5, 83.5);
    f.cubicTo(64.2, 76.5, 65.7, 68, 65.5, 56);
    f.cubicTo(65.5, 36, 26.5, 36, 26.5, 56);
    f.closeSubpath();
    return f;
}

void paintNeck(QPainter& p, const FaceLook& look) {
    QPainterPath neck;
    neck.moveTo(39.5, 80);
    neck.lineTo(39.0, 99);
    neck.cubicTo(39.0, 104, 53.0, 104, 53.0, 99);
    neck.lineTo(52.5, 80);
    neck.closeSubpath();
    p.setPen(linePen(look.skinLine, 0.5));
    p.setBrush(look.skin);
    p.drawPath(neck);
    // The chin's shadow on the neck.
    QPainterPath shade;
    shade.moveTo(38, 84);
    shade.lineTo(54, 84);
    shade.lineTo(54, 93);
    shade.cubicTo(50, 97.5, 42, 97.5, 38, 93);
    shade.closeSubpath();
    p.save();
    p.setClipPath(neck);
    p.setPen(Qt::NoPen);
    p.setBrush(look.skinShade);
    p.drawPath(shade);
    p.restore();
}

void paintFaceSkin(QPainter& p, const FaceLook& look) {
    // Ears first, so the face's edge covers their roots.
    for (int side : {-1, 1}) {
        QPainterPath ear;
        const double ex = cx + side * 19.6;
        ear.moveTo(ex, look.eyeY - 2.5);
        ear.cubicTo(ex + side * 3.4, look.eyeY - 4.5, ex + side * 3.6, look.eyeY + 3.0, ex + side * 0.4, look.eyeY + 6.0);
        ear.closeSubpath();
        p.setPen(linePen(look.skinLine, 0.5));
        p.setBrush(look.skin);
        p.drawPath(ear);
    }
    const QPainterPath face = faceOutline();
    QRadialGradient g(QPointF(cx - 4, look.eyeY - 6), 30);
    g.setColorAt(0, mix(look.skin, Qt::white, 0.25));
    g.setColorAt(0.7, look.skin);
    g.setColorAt(1, mix(look.skin, look.skinShade, 0.5));
    p.setPen(linePen(look.skinLine, 0.6));
    p.setBrush(g);
    p.drawPath(face);
}

void paintFeatures(QPainter& p, const FaceLook& look, Mood mood) {
    blush(p, look, mood);
    brows(p, look, mood);
    if (mood == Mood::Happy) {
        bothEyes(p, look, [&](int) { closedEye(p, look); });
    } else {
        const double dy = mood == Mood::Worried ? -0.3 : 0.0;
        const double scale = mood == Mood::Worried ? 0.93 : 1.0;
        bothEyes(p, look, [&](int) { openEye(p, look, scale, dy); });
        eyeHighlights(p, look, dy, mood == Mood::Worried ? 0.8 : 1.0);
        if (mood == Mood::Worried) {
            // Tears gathering on the lower lids.
            bothEyes(p, look, [&](int) {
                QPainterPath tear;
                tear.moveTo(-3.0, 4.6);
                tear.cubicTo(-0.5, 6.1, 2.8, 5.4, 4.9, 3.0);
                p.setPen(linePen(QColor(190, 230, 255, 230), 0.9));
                p.setBrush(Qt::NoBrush);
                p.drawPath(tear);
                QPainterPath drop;
                drop.moveTo(5.2, 3.2);
                drop.cubicTo(6.6, 5.2, 6.8, 6.6, 5.7, 7.1);
                drop.cubicTo(4.6, 7.4, 4.2, 5.9, 5.2, 3.2);
                p.setPen(linePen(QColor(110, 170, 220), 0.35));
                p.setBrush(QColor(205, 238, 255, 235));
                p.drawPath(drop);
            });
        }
    }
    nose(p, look);
    mouth(p, look, mood);
}

void paintMoodExtras(QPainter& p, const FaceLook&, Mood mood, QPointF sweatAt) {
    if (mood != Mood::Worried) return;
    // A big anime sweat drop beside the head.
    QPainterPath drop;
    const double x = sweatAt.x(), y = sweatAt.y();
    drop.moveTo(x, y);
    drop.cubicTo(x + 2.2, y + 3.6, x + 3.6, y + 6.2, x + 2.4, y + 8.0);
    drop.cubicTo(x + 1.2, y + 9.6, x - 2.4, y + 9.6, x - 2.8, y + 7.2);
    drop.cubicTo(x - 3.0, y + 5.4, x - 1.0, y + 3.2, x, y);
    QLinearGradient g(x, y, x, y + 9);
    g.setColorAt(0, QColor(225, 245, 255));
    g.setColorAt(1, QColor(130, 195, 245));
    p.setPen(linePen(QColor(60, 120, 190), 0.55));
    p.setBrush(g);
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QPointF(x + 0.4, y + 6.6), 0.8, 1.2);
}

void paintFringeShadow(QPainter& p, const FaceLook& look, const QPainterPath& fringe) {
    p.save();
    p.setClipPath(faceOutline());
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(look.skinShade, 235));
    p.drawPath(fringe.translated(1.2, 2.6));
    p.restore();
}

}  // namespace pictures
