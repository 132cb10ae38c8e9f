// Sakura: long chestnut hair with a blossom hairpin, a blue kimono with a white under-collar.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "canvas.h"
#include "portrait_parts.h"

namespace pictures {

namespace {

constexpr double cx = kFaceCentreX;

void petals(QPainter& p) {
    Rng rng(12);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const QPointF c(rng.range(2, 90), rng.range(2, 150));
        const double r = rng.range(1.2, 2.4);
        p.save();
        p.translate(c);
        p.rotate(rng.range(0, 360));
        p.setBrush(QColor(255, 182, 206, 120 + rng.below(100)));
        QPainterPath petal;
        petal.moveTo(0, -r);
        petal.cubicTo(r, -r, r, r * 0.6, 0, r);
        petal.cubicTo(-r, r * 0.6, -r, -r, 0, -r * 0.6);
        petal.closeSubpath();
        p.drawPath(petal);
        p.restore();
    }
}

void kimono(QPainter& p) {
    const QColor blue(56, 104, 196), blueDeep(26, 56, 130), line(14, 28, 70);
    fillBody(p, blue, blueDeep, line);
    p.save();
    p.setClipPath(bodyOutline());
    // White and pink blossoms scattered over the silk, and a flowing stream.
    p.setPen(roundPen(QColor(150, 190, 250, 110), 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath stream;
    stream.moveTo(-2, 150);
    stream.cubicTo(20, 140, 30, 160, 52, 148);
    stream.cubicTo(70, 138, 80, 150, 96, 140);
    p.drawPath(stream);
    Rng rng(5);
    for (int i = 0; i < 11; ++i) {
        const QPointF c(rng.range(4, 88), rng.range(112, 150));
        const bool pink = rng.below(2) == 0;
        paintBlossom(p, c, rng.range(2.6, 3.6), pink ? QColor(255, 190, 214, 220) : QColor(248, 248, 255, 220),
                     QColor(250, 200, 80));
    }
    paintArms(p, withAlpha(blueDeep, 120), withAlpha(line, 150));

    // Crossed collars, left over right: white under-collar, then the kimono's dark band.
    // Skin of the chest in the opening, then the collars over it: the under panel's edge runs
    // from her right shoulder down to where the over panel covers it.
    QPainterPath chest;
    chest.moveTo(39, 98);
    chest.lineTo(53, 98);
    chest.lineTo(46, 127);
    chest.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 212, 194));
    p.drawPath(chest);
    auto band = [&](QPointF top, QPointF bottom, double width, const QColor& fill) {
        // A straight band of `width`, laid on the wearer's side of the line top -> bottom.
        const double dir = bottom.x() > top.x() ? -1 : 1;
        QPainterPath b;
        b.moveTo(top);
        b.lineTo(bottom);
        b.lineTo(bottom + QPointF(dir * width, 0));
        b.lineTo(top + QPointF(dir * width, 0));
        b.closeSubpath();
        p.setPen(roundPen(line, 0.45));
        p.setBrush(fill);
        p.drawPath(b);
    };
    const QColor white(250, 250, 252), dark(24, 44, 110);
    band({39.5, 97}, {47.5, 129}, 3.0, white);
    band({36.5, 97}, {44.5, 129}, 3.6, dark);
    band({52.5, 97}, {35.5, 160}, -3.0, white);
    band({55.5, 97}, {38.5, 160}, -3.6, dark);
    // The obi, gold with a red cord.
    QLinearGradient obi(0, 146, 0, 170);
    obi.setColorAt(0, QColor(246, 214, 120));
    obi.setColorAt(1, QColor(206, 160, 60));
    p.setPen(roundPen(QColor(130, 90, 20), 0.5));
    p.setBrush(obi);
    p.drawRect(QRectF(-4, 146, 100, 30));
    p.setPen(roundPen(QColor(210, 40, 60), 1.4));
    p.drawLine(QPointF(-4, 153), QPointF(96, 153));
    p.restore();
}

void hairpin(QPainter& p) {
    // A cluster of blossoms over her right temple with short gold strings hanging from it.
    const QPointF c(27, 43);
    p.setPen(roundPen(QColor(190, 150, 50), 0.45));
    for (int i = 0; i < 3; ++i) {
        const double x = c.x() - 2.5 + i * 2.4;
        p.drawLine(QPointF(x, c.y() + 2), QPointF(x - 0.5, c.y() + 11 + i * 1.5));
        p.setBrush(QColor(240, 200, 90));
        p.drawEllipse(QPointF(x - 0.5, c.y() + 11.5 + i * 1.5), 0.8, 0.8);
    }
    paintBlossom(p, c + QPointF(3.5, 1.5), 4.2, QColor(255, 255, 255), QColor(250, 190, 60));
    paintBlossom(p, c + QPointF(-2.5, -1.5), 4.8, QColor(255, 176, 204), QColor(250, 190, 60));
    paintBlossom(p, c + QPointF(0.5, 4.5), 3.4, QColor(255, 206, 224), QColor(250, 190, 60));
}

}  // namespace

void paintSakura(QPainter& p, Mood mood) {
    FaceLook look;
    look.iris = QColor(70, 126, 214);
    look.irisDeep = QColor(22, 40, 110);
    look.brow = QColor(100, 60, 40);
    look.lash = QColor(56, 30, 24);
    const HairLook hair{QColor(150, 88, 58), QColor(96, 52, 34), QColor(226, 170, 136), QColor(54, 26, 16)};
    const HairLook back{hair.shade, mix(hair.shade, Qt::black, 0.2), hair.light, hair.line};

    paintCardBackground(p, QColor(252, 232, 240), QColor(214, 176, 220));
    QRadialGradient moon(QPointF(70, 26), 18);
    moon.setColorAt(0, QColor(255, 255, 255, 200));
    moon.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(moon);
    p.drawEllipse(QPointF(70, 26), 18, 18);
    petals(p);

    // Long hair falling behind the shoulders.
    QPainterPath mane;
    mane.moveTo(21, 64);
    mane.cubicTo(17, 22, 75, 22, 71, 64);
    mane.cubicTo(73, 90, 78, 120, 82, 160);
    mane.lineTo(10, 160);
    mane.cubicTo(14, 120, 19, 90, 21, 64);
    paintHairShape(p, mane, back, 60, 160);

    kimono(p);
    paintHeadShadow(p);
    paintNeck(p, look);
    paintFaceSkin(p, look);

    // Straight-cut fringe and side locks in the princess style, long locks over the shoulders.
    const std::vector<Tip> tips = {{{61, 60.5}, 2.5}, {{55, 59.5}, 2}, {{49, 60}, 2.5}, {{43, 59.5}, 2},
                                   {{37, 60}, 2.5}, {{31, 60.5}, 2}};
    const QPainterPath fringe = fringePath({25, 62}, {67, 62}, 26.5, tips, 2.5);
    QPainterPath sideLocks;
    for (int side : {-1, 1}) {
        QPainterPath lock;
        const double x = cx + side * 19.5;
        lock.moveTo(x - side * 3.5, 50);
        lock.cubicTo(x - side * 4.5, 62, x - side * 3.5, 76, x - side * 2.5, 86);
        lock.lineTo(x + side * 3.5, 86.5);
        lock.cubicTo(x + side * 3.5, 74, x + side * 3.5, 60, x + side * 2.5, 50);
        lock.closeSubpath();
        sideLocks.addPath(lock);
    }
    // Long hair falling in front of the shoulders: one sheet on each side, ending in points.
    QPainterPath sheet;
    sheet.moveTo(22, 64);
    sheet.cubicTo(17, 84, 13, 100, 12, 118);
    sheet.cubicTo(11, 132, 12, 142, 10.5, 153);
    appendTips(sheet, {10.5, 153}, {{{15, 149}, 5}, {{19.5, 154}, 4}, {{23.5, 149.5}, 5}}, {27.5, 152}, 4);
    sheet.cubicTo(26.5, 138, 27.5, 120, 29, 104);
    sheet.cubicTo(30, 94, 30.5, 80, 28.5, 64);
    sheet.closeSubpath();
    QPainterPath front = sheet;
    front.addPath(QTransform(-1, 0, 0, 1, 2 * cx, 0).map(sheet));
    paintHairShape(p, front, hair, 80, 150);
    paintStrands(p, front, hair, QPointF(cx, 40), {{15, 149}, {19.5, 154}, {23.5, 149.5}, {68.5, 149.5}, {72.5, 154}, {77, 149}});
    p.save();
    p.setClipPath(front);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(hair.light, 110));
    for (int side : {-1, 1}) {
        const double x = cx + side * 26;
        p.drawPath(lockPath(QPointF(x, 88), QPointF(x + side * 2.0, 118), 2.4, side * 0.8));
    }
    p.restore();
    paintFringeShadow(p, look, fringe);
    paintFeatures(p, look, mood);
    paintHairShape(p, sideLocks, hair, 55, 88);
    paintHairShape(p, fringe, hair, 40, 62);
    paintHairGloss(p, fringe, hair, QPointF(cx, 52), 20.5, 19, 28, 152);
    paintStrands(p, fringe, hair, QPointF(cx, 26.5), {{31, 60.5}, {37, 60}, {43, 59.5}, {49, 60}, {55, 59.5}, {61, 60.5}});
    hairpin(p);

    paintMoodExtras(p, look, mood, QPointF(70, 47));
}

}  // namespace pictures
