// Dots (circles): rings in blue, green and red, the one a large ornate medallion.
#include "face_art.h"
#include "tile_style.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace tileset {
namespace {

enum class DotInk { Blue, Green, Red };

QColor inkOf(DotInk k) {
    switch (k) {
    case DotInk::Blue: return ink::blue();
    case DotInk::Green: return ink::green();
    case DotInk::Red: return ink::red();
    }
    return ink::blue();
}

QColor darkOf(DotInk k) {
    switch (k) {
    case DotInk::Blue: return ink::darkBlue();
    case DotInk::Green: return ink::darkGreen();
    case DotInk::Red: return ink::darkRed();
    }
    return ink::darkBlue();
}

// A coin: coloured ring, pale ring, coloured centre with a small pale eye.
void dot(QPainter& p, QPointF c, double r, DotInk k) {
    const QColor col = inkOf(k);
    p.setPen(Qt::NoPen);
    p.setBrush(darkOf(k));
    p.drawEllipse(c, r, r);
    p.setBrush(col);
    p.drawEllipse(c, r - 0.7, r - 0.7);
    p.setBrush(ink::pale());
    p.drawEllipse(c, r * 0.62, r * 0.62);
    p.setBrush(col);
    p.drawEllipse(c, r * 0.42, r * 0.42);
    p.setBrush(ink::pale());
    p.drawEllipse(c, r * 0.13 + 0.25, r * 0.13 + 0.25);
}

void bigDot(QPainter& p) {
    const QPointF c(20.5, 26);
    p.setPen(Qt::NoPen);
    // Outer blue ring with a pale inner line.
    p.setBrush(ink::darkBlue());
    p.drawEllipse(c, 17.5, 17.5);
    p.setBrush(ink::blue());
    p.drawEllipse(c, 16.6, 16.6);
    p.setBrush(ink::pale());
    p.drawEllipse(c, 14.0, 14.0);
    // A ring of green petals.
    p.setBrush(ink::green());
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 30.0);
        QPainterPath petal;
        petal.moveTo(0, -7.2);
        petal.cubicTo(2.6, -9.2, 2.4, -12.2, 0, -13.4);
        petal.cubicTo(-2.4, -12.2, -2.6, -9.2, 0, -7.2);
        p.drawPath(petal);
        p.restore();
    }
    // Red heart with a pale ring and a blue eye.
    p.setBrush(ink::darkRed());
    p.drawEllipse(c, 7.6, 7.6);
    p.setBrush(ink::red());
    p.drawEllipse(c, 6.9, 6.9);
    p.setBrush(ink::pale());
    p.drawEllipse(c, 4.4, 4.4);
    p.setBrush(ink::blue());
    p.drawEllipse(c, 3.0, 3.0);
    p.setBrush(ink::pale());
    p.drawEllipse(c, 1.0, 1.0);
}

}  // namespace

void paintDots(QPainter& p, int n) {
    // Every arrangement leaves the upper left corner to the index (kIndexKeepOut).
    const DotInk B = DotInk::Blue, G = DotInk::Green, R = DotInk::Red;
    switch (n) {
    case 1:
        bigDot(p);
        break;
    case 2:
        dot(p, {20.5, 15}, 9.0, G);
        dot(p, {20.5, 37}, 9.0, B);
        break;
    case 3:
        dot(p, {16.5, 10.5}, 7.0, B);
        dot(p, {22.5, 25}, 7.0, R);
        dot(p, {28.5, 39.5}, 7.0, G);
        break;
    case 4:
        dot(p, {14.5, 16.5}, 7.5, B);
        dot(p, {29, 16.5}, 7.5, G);
        dot(p, {14.5, 36}, 7.5, G);
        dot(p, {29, 36}, 7.5, B);
        break;
    case 5:
        dot(p, {13.5, 16.5}, 6.5, B);
        dot(p, {29.5, 16.5}, 6.5, G);
        dot(p, {21.5, 28}, 6.5, R);
        dot(p, {13.5, 39.5}, 6.5, G);
        dot(p, {29.5, 39.5}, 6.5, B);
        break;
    case 6:
        dot(p, {14.5, 14.5}, 6.3, G);
        dot(p, {28.5, 14.5}, 6.3, G);
        for (double y : {28.0, 41.5}) {
            dot(p, {14.5, y}, 6.3, R);
            dot(p, {28.5, y}, 6.3, R);
        }
        break;
    case 7:
        dot(p, {14.5, 8.5}, 5.0, G);
        dot(p, {22.5, 13.5}, 5.0, G);
        dot(p, {30.5, 18.5}, 5.0, G);
        for (double y : {30.5, 42.0}) {
            dot(p, {15, y}, 5.4, R);
            dot(p, {28.5, y}, 5.4, R);
        }
        break;
    case 8:
        for (int row = 0; row < 4; ++row) {
            const double y = 7.5 + row * 11.67;
            dot(p, {14.5, y}, 5.5, B);
            dot(p, {28.5, y}, 5.5, B);
        }
        break;
    case 9: {
        const DotInk rows[3] = {B, R, G};
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                dot(p, {11.5 + col * 10.5, 15.5 + row * 13}, 5.0, rows[row]);
        break;
    }
    default:
        break;
    }
}

}  // namespace tileset
