// Bamboos: the bird on the one, sticks in the classic arrangements for two to nine.
#include "face_art.h"
#include "tile_style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace tileset {
namespace {

struct StickInk {
    QColor dark;
    QColor mid;
    QColor light;
};

StickInk greenStick() { return {ink::darkGreen(), ink::green(), QColor(132, 206, 118)}; }
StickInk redStick() { return {ink::darkRed(), ink::red(), QColor(252, 140, 118)}; }
StickInk blueStick() { return {ink::darkBlue(), ink::blue(), QColor(120, 160, 236)}; }

// One bamboo stick with its upper left corner at (left, top): width and length in whole
// pixels, so that its rim falls on pixel edges and stays crisp at real size. A dark rim,
// a cane lit along its left third, and a node across the middle that juts out a little.
// angle turns the stick about its centre (for the leaning sticks of the eight).
void stick(QPainter& p, double left, double top, int width, int length, const StickInk& k,
           double angle = 0) {
    p.save();
    const double w = width;
    const double h = length;
    p.translate(left + w / 2, top + h / 2);
    p.rotate(angle);
    p.setPen(Qt::NoPen);

    p.setBrush(k.dark);
    p.drawRoundedRect(QRectF(-w / 2, -h / 2, w, h), 1.3, 1.3);

    QLinearGradient across(QPointF(-w / 2 + 1, 0), QPointF(w / 2 - 1, 0));
    across.setColorAt(0.0, k.mid);
    across.setColorAt(0.3, k.light);
    across.setColorAt(0.7, k.mid);
    across.setColorAt(1.0, k.mid.darker(112));
    p.setBrush(across);
    p.drawRect(QRectF(-w / 2 + 1, -h / 2 + 1, w - 2, h - 2));

    // End rings, a shade darker than the cane.
    p.setBrush(k.mid.darker(125));
    p.drawRect(QRectF(-w / 2 + 1, -h / 2 + 1, w - 2, 1));
    p.drawRect(QRectF(-w / 2 + 1, h / 2 - 2, w - 2, 1));

    // The middle node (on the centre row when the length is odd).
    const double nodeTop = std::floor(h / 2) - h / 2;
    p.setBrush(k.dark);
    p.drawRect(QRectF(-w / 2 - 1, nodeTop, w + 2, 1));
    p.setBrush(k.light);
    p.drawRect(QRectF(-w / 2 + 1, nodeTop - 1, w - 2, 1));
    p.restore();
}

void bird(QPainter& p) {
    p.setPen(Qt::NoPen);
    // Tail: a fan of long feathers rising behind the bird, each with an eye at its tip.
    const QPointF root(21.5, 32);
    const double angles[6] = {-92, -74, -56, -38, -20, -2};  // up to the right, like a peacock's fan
    const double lengths[6] = {20, 19.5, 18.5, 17, 15.5, 14.5};  // the fan stays inside the face
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(root);
        p.rotate(angles[i]);  // 0 degrees points right
        const double len = lengths[i];
        QPainterPath feather;
        feather.moveTo(0, 0);
        feather.cubicTo(len * 0.4, -3.0, len * 0.85, -3.6, len, 0);
        feather.cubicTo(len * 0.85, 3.6, len * 0.4, 3.0, 0, 0);
        p.setBrush(i % 2 ? ink::green() : QColor(34, 150, 84));
        p.drawPath(feather);
        p.setBrush(ink::darkGreen());
        p.drawRect(QRectF(2, -0.35, len - 5, 0.7));
        p.setBrush(ink::blue());
        p.drawEllipse(QPointF(len - 2.8, 0), 2.5, 2.2);
        p.setBrush(ink::red());
        p.drawEllipse(QPointF(len - 2.6, 0), 1.3, 1.1);
        p.restore();
    }

    // Body.
    QPainterPath body;
    body.moveTo(9, 22);
    body.cubicTo(6, 30, 10, 39, 19, 39);
    body.cubicTo(25, 39, 27, 33, 24, 29);
    body.cubicTo(20, 25, 15, 25, 13, 20);
    body.closeSubpath();
    QLinearGradient bodyInk(QPointF(8, 22), QPointF(24, 38));
    bodyInk.setColorAt(0, QColor(40, 160, 86));
    bodyInk.setColorAt(1, ink::darkGreen());
    p.setBrush(bodyInk);
    p.drawPath(body);

    // Wing, with a red edge.
    QPainterPath wing;
    wing.moveTo(12, 27);
    wing.cubicTo(15, 25, 22, 28, 25, 33);
    wing.cubicTo(20, 35, 15, 34, 12, 27);
    p.setBrush(ink::red());
    p.drawPath(wing);
    p.save();
    p.translate(0.6, -0.9);
    p.setBrush(QColor(22, 110, 150));
    p.drawPath(wing);
    p.restore();

    // Head and neck.
    p.setBrush(QColor(36, 150, 80));
    p.drawEllipse(QPointF(12, 17), 5.0, 4.6);
    // Crest.
    p.setBrush(ink::red());
    QPainterPath crest;
    crest.moveTo(9.5, 13.5);
    crest.cubicTo(9, 9, 12, 8, 13, 7.5);
    crest.cubicTo(12.6, 10, 14.5, 10.5, 15.5, 13.5);
    crest.closeSubpath();
    p.drawPath(crest);
    // Beak.
    p.setBrush(ink::gold());
    QPainterPath beak;
    beak.moveTo(8, 15.6);
    beak.lineTo(3, 18.4);
    beak.lineTo(8, 19.2);
    beak.closeSubpath();
    p.drawPath(beak);
    // Eye.
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(11.4, 16.2), 1.5, 1.5);
    p.setBrush(ink::navy());
    p.drawEllipse(QPointF(11.2, 16.2), 0.8, 0.8);

    // Legs on a short bamboo perch.
    p.setPen(QPen(ink::red(), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 38), QPointF(14, 44));
    p.drawLine(QPointF(19, 38.5), QPointF(19.5, 44));
    p.setPen(Qt::NoPen);
    p.setBrush(ink::darkGreen());
    p.drawRoundedRect(QRectF(6, 44, 26, 2.6), 1.2, 1.2);
    p.setBrush(QColor(132, 206, 118));
    p.drawRect(QRectF(7, 44.6, 24, 0.8));
    p.setBrush(ink::darkGreen());
    p.drawRect(QRectF(18.6, 43.6, 1.2, 3.4));
}

}  // namespace

void paintBamboo(QPainter& p, int n) {
    const StickInk g = greenStick();
    const StickInk r = redStick();
    const StickInk b = blueStick();
    // Sticks are 6 wide, their nodes 8. Every arrangement leaves the upper left corner to
    // the index (kIndexKeepOut): two columns start at 10 and 24, three at 10, 19 and 28.
    // Two rows of long sticks (19) start at 5 and 26, three rows of short ones (13) at 3, 18, 33.
    const double col3[3] = {10, 19, 28};
    const double col2[2] = {10, 24};
    const double row3[3] = {3, 18, 33};
    switch (n) {
    case 1:
        bird(p);
        break;
    case 2:
        stick(p, 17, 5, 6, 19, g);
        stick(p, 17, 26, 6, 19, b);
        break;
    case 3:
        stick(p, 17, 5, 6, 19, g);
        stick(p, col2[0], 26, 6, 19, b);
        stick(p, col2[1], 26, 6, 19, b);
        break;
    case 4:
        stick(p, col2[0], 5, 6, 19, g);
        stick(p, col2[1], 5, 6, 19, b);
        stick(p, col2[0], 26, 6, 19, b);
        stick(p, col2[1], 26, 6, 19, g);
        break;
    case 5:
        stick(p, 10, 5, 6, 19, g);
        stick(p, 28, 5, 6, 19, b);
        stick(p, 10, 26, 6, 19, b);
        stick(p, 28, 26, 6, 19, g);
        stick(p, 19, 15, 6, 19, r);
        break;
    case 6:
        for (double x : col3) stick(p, x, 5, 6, 19, g);
        for (double x : col3) stick(p, x, 26, 6, 19, b);
        break;
    case 7:
        stick(p, col3[1], row3[0], 6, 13, r);
        for (double x : col3) stick(p, x, row3[1], 6, 13, g);
        for (double x : col3) stick(p, x, row3[2], 6, 13, b);
        break;
    case 8:
        // An M over a W: the outer sticks upright, the inner ones leaning together. The
        // halves start low enough that the outer left stick passes under the index.
        for (int half = 0; half < 2; ++half) {
            const double top = half == 0 ? 11 : 30;
            const StickInk& k = half == 0 ? g : b;
            const double lean = half == 0 ? -13.5 : 13.5;
            stick(p, 4, top, 6, 17, k);
            stick(p, 30, top, 6, 17, k);
            stick(p, 12.3, top, 6, 17, k, lean);
            stick(p, 21.7, top, 6, 17, k, -lean);
        }
        break;
    case 9:
        for (double y : row3) {
            stick(p, col3[0], y, 6, 13, g);
            stick(p, col3[1], y, 6, 13, r);
            stick(p, col3[2], y, 6, 13, b);
        }
        break;
    default:
        break;
    }
}

}  // namespace tileset
