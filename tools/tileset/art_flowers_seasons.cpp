// Flowers (plum, orchid, chrysanthemum, bamboo) and seasons (spring, summer, autumn,
// winter): small paintings that leave the upper left corner to their number (face_index).
#include "face_art.h"
#include "tile_style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace tileset {
namespace {

QPainterPath leafPath(double length, double width) {
    // A leaf along +x from the origin.
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -width, length * 0.7, -width, length, 0);
    leaf.cubicTo(length * 0.7, width, length * 0.3, width, 0, 0);
    return leaf;
}

void leaf(QPainter& p, QPointF at, double angle, double length, double width, const QColor& fill,
          const QColor& vein) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(leafPath(length, width));
    p.setPen(QPen(vein, 0.5));
    p.drawLine(QPointF(0.5, 0), QPointF(length * 0.85, 0));
    p.restore();
}

void blossom(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& heart,
             double turn = 0) {
    p.save();
    p.translate(c);
    p.rotate(turn);
    p.setPen(Qt::NoPen);
    p.setBrush(petal.darker(135));
    p.drawEllipse(QPointF(0, 0), r + 0.3, r + 0.3);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.rotate(i * 72.0);
        p.setBrush(petal);
        p.drawEllipse(QPointF(0, -r * 0.52), r * 0.5, r * 0.5);
        p.restore();
    }
    p.setBrush(heart);
    p.drawEllipse(QPointF(0, 0), r * 0.32, r * 0.32);
    p.restore();
}

void plum(QPainter& p) {
    // A dark branch from the lower left with three blossoms and a bud.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::brown(), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath branch;
    branch.moveTo(6, 47);
    branch.cubicTo(11, 38, 14, 33, 22, 27);
    branch.cubicTo(27, 23, 31, 17, 34, 10);
    p.drawPath(branch);
    p.setPen(QPen(ink::brown(), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 35), QPointF(8, 27));
    p.drawLine(QPointF(26, 23), QPointF(33, 26));
    const QColor pink(236, 78, 112);
    const QColor heart(250, 210, 60);
    blossom(p, {10, 24}, 6.0, pink, heart, 10);
    blossom(p, {28, 14}, 6.4, pink, heart, -8);
    blossom(p, {30, 31}, 5.4, pink, heart, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(pink.darker(120));
    p.drawEllipse(QPointF(18, 38), 2.2, 2.2);
}

void orchid(QPainter& p) {
    // Long arching leaves from one root, two violet blossoms on a thin stalk.
    const QColor leafInk(30, 130, 70);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(leafInk, 1.7, Qt::SolidLine, Qt::RoundCap));
    QPainterPath leaves;
    leaves.moveTo(20, 47);
    leaves.cubicTo(12, 40, 7, 30, 5, 17);
    leaves.moveTo(20, 47);
    leaves.cubicTo(20, 38, 24, 30, 35, 25);
    leaves.moveTo(20, 47);
    leaves.cubicTo(17, 40, 14, 34, 14, 26);
    p.drawPath(leaves);
    p.setPen(QPen(QColor(60, 150, 80), 1.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stalk;
    stalk.moveTo(21, 46);
    stalk.cubicTo(22, 34, 26, 22, 28, 14);
    p.drawPath(stalk);

    const QColor petal(156, 72, 196);
    const QColor throat(250, 220, 70);
    auto flower = [&](QPointF c, double r, double turn) {
        p.save();
        p.translate(c);
        p.rotate(turn);
        p.setPen(Qt::NoPen);
        p.setBrush(petal.darker(140));
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.rotate(i * 120.0);
            p.drawEllipse(QPointF(0, -r * 0.62), r * 0.38, r * 0.66);
            p.restore();
        }
        p.setBrush(petal);
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.rotate(60 + i * 120.0);
            p.drawEllipse(QPointF(0, -r * 0.5), r * 0.42, r * 0.55);
            p.restore();
        }
        p.setBrush(throat);
        p.drawEllipse(QPointF(0, 0), r * 0.25, r * 0.25);
        p.restore();
    };
    flower({28, 13}, 7.5, 0);
    flower({24.5, 28.5}, 6.5, 25);
}

void chrysanthemum(QPainter& p) {
    // A round golden head of many narrow petals over a stem with two leaves.
    p.setPen(QPen(ink::darkGreen(), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 30), QPointF(20, 47));
    leaf(p, {20, 40}, -150, 13, 3.6, ink::green(), ink::darkGreen());
    leaf(p, {20, 36}, -30, 12, 3.4, ink::green(), ink::darkGreen());
    const QPointF c(20, 19);
    p.setPen(Qt::NoPen);
    const QColor outer(226, 124, 16);
    const QColor inner(250, 196, 36);
    for (int ring = 0; ring < 2; ++ring) {
        const int count = ring == 0 ? 18 : 12;
        const double len = ring == 0 ? 13.0 : 9.0;
        for (int i = 0; i < count; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 360.0 / count + ring * 15.0);
            p.setBrush(ring == 0 ? outer : inner);
            QPainterPath pet;
            pet.moveTo(0, 0);
            pet.cubicTo(1.8, -len * 0.4, 1.3, -len * 0.9, 0, -len);
            pet.cubicTo(-1.3, -len * 0.9, -1.8, -len * 0.4, 0, 0);
            p.drawPath(pet);
            p.restore();
        }
    }
    p.setBrush(QColor(176, 76, 10));
    p.drawEllipse(c, 3.0, 3.0);
}

void bambooPlant(QPainter& p) {
    // Two stalks of bamboo with sprays of narrow leaves.
    const QColor stalk(60, 140, 60);
    const QColor node(20, 80, 30);
    auto cane = [&](double x0, double x1, double top) {
        p.setPen(QPen(stalk, 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x0, 47), QPointF(x1, top));
        p.setPen(QPen(node, 1.0, Qt::SolidLine, Qt::FlatCap));
        for (double t = 0.2; t < 0.95; t += 0.27) {
            const double x = x0 + (x1 - x0) * t;
            const double y = 47 + (top - 47) * t;
            p.drawLine(QPointF(x - 2.0, y), QPointF(x + 2.0, y));
        }
    };
    cane(15, 13, 9);
    cane(26, 28, 16);
    const QColor leafInk(24, 110, 48);
    const QColor vein(10, 60, 24);
    leaf(p, {13.6, 20}, 200, 10, 2.4, leafInk, vein);
    leaf(p, {13.6, 20}, 165, 11, 2.4, leafInk, vein);
    leaf(p, {14, 30}, 20, 11, 2.4, leafInk, vein);
    leaf(p, {27.2, 25}, -20, 10, 2.4, leafInk, vein);
    leaf(p, {27.2, 25}, -50, 10, 2.4, leafInk, vein);
    leaf(p, {27.6, 36}, 200, 11, 2.4, leafInk, vein);
    leaf(p, {27.6, 36}, 10, 9, 2.2, leafInk, vein);
}

void spring(QPainter& p) {
    // A seedling breaking from the earth: two broad leaves and a curled shoot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 92, 50));
    QPainterPath earth;
    earth.moveTo(4, 47);
    earth.cubicTo(10, 39, 30, 39, 36, 47);
    earth.closeSubpath();
    p.drawPath(earth);
    p.setPen(QPen(ink::green(), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(20, 42);
    stem.cubicTo(20, 34, 19, 28, 21, 20);
    p.drawPath(stem);
    leaf(p, {20, 31}, -160, 15, 5.2, ink::lightGreen(), ink::darkGreen());
    leaf(p, {20.3, 27}, -22, 15, 5.2, QColor(70, 170, 80), ink::darkGreen());
    p.setPen(QPen(ink::green(), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath curl;
    curl.moveTo(21, 20);
    curl.cubicTo(22, 14, 27, 12, 27, 16);
    curl.cubicTo(27, 18, 24.5, 18, 24.6, 16.4);
    p.drawPath(curl);
    // A pink bud.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 110, 150));
    p.drawEllipse(QPointF(20.8, 18.8), 2.0, 2.4);
}

void summer(QPainter& p) {
    // A blazing sun.
    const QPointF c(20, 27);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(228, 72, 24));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 30.0);
        QPainterPath ray;
        ray.moveTo(-2.6, -9.5);
        ray.lineTo(0, -16.5);
        ray.lineTo(2.6, -9.5);
        ray.closeSubpath();
        p.drawPath(ray);
        p.restore();
    }
    QRadialGradient disc(c + QPointF(-2.5, -2.5), 11);
    disc.setColorAt(0, QColor(255, 226, 80));
    disc.setColorAt(1, QColor(238, 118, 20));
    p.setBrush(QColor(196, 52, 16));
    p.drawEllipse(c, 10.2, 10.2);
    p.setBrush(disc);
    p.drawEllipse(c, 9.2, 9.2);
}

void autumn(QPainter& p) {
    // A maple leaf in fall colours.
    const QPointF c(20, 26);
    // Five lobes: up, the two upper sides, and two short ones by the stem.
    const double lobes[5] = {-90, -40, -140, 5, -185};
    const double lobeLen[5] = {16, 14, 14, 10, 10};
    QPainterPath leafShape;
    for (int i = 0; i < 5; ++i) {
        const double a = lobes[i] * M_PI / 180.0;
        const double len = lobeLen[i];
        QPainterPath lobe;
        const QPointF tip = c + QPointF(std::cos(a) * len, std::sin(a) * len);
        const QPointF side(-std::sin(a), std::cos(a));
        const double w = len * 0.36;
        lobe.moveTo(c + side * (w * 0.55));
        lobe.lineTo(c + QPointF(std::cos(a), std::sin(a)) * (len * 0.55) + side * w);
        lobe.lineTo(c + QPointF(std::cos(a), std::sin(a)) * (len * 0.62) + side * (w * 0.45));
        lobe.lineTo(tip);
        lobe.lineTo(c + QPointF(std::cos(a), std::sin(a)) * (len * 0.62) - side * (w * 0.45));
        lobe.lineTo(c + QPointF(std::cos(a), std::sin(a)) * (len * 0.55) - side * w);
        lobe.lineTo(c - side * (w * 0.55));
        lobe.closeSubpath();
        leafShape = leafShape.united(lobe);
    }
    leafShape = leafShape.united([&] {
        QPainterPath core;
        core.addEllipse(c, 5.5, 5.5);
        return core;
    }());
    QLinearGradient fall(QPointF(8, 10), QPointF(32, 42));
    fall.setColorAt(0, QColor(246, 170, 30));
    fall.setColorAt(0.55, QColor(228, 90, 20));
    fall.setColorAt(1, QColor(180, 30, 20));
    p.setPen(QPen(QColor(140, 30, 10), 0.8));
    p.setBrush(fall);
    p.drawPath(leafShape);
    // Stem and veins.
    p.setPen(QPen(QColor(120, 40, 10), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0.5, 20));
    p.setPen(QPen(QColor(150, 50, 14), 0.7, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const double a = lobes[i] * M_PI / 180.0;
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * (lobeLen[i] * 0.8));
    }
}

void winter(QPainter& p) {
    // A six-armed snowflake.
    const QPointF c(20, 27);
    const QColor ice(40, 110, 200);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 60.0);
        p.setPen(QPen(ice, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 0), QPointF(0, -15));
        p.setPen(QPen(ice, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -8), QPointF(-4.2, -12));
        p.drawLine(QPointF(0, -8), QPointF(4.2, -12));
        p.drawLine(QPointF(0, -3.5), QPointF(-3, -6.5));
        p.drawLine(QPointF(0, -3.5), QPointF(3, -6.5));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ink::darkBlue());
    p.drawEllipse(c, 2.4, 2.4);
}

}  // namespace

void paintFlower(QPainter& p, int n) {
    switch (n) {
    case 1: plum(p); break;
    case 2: orchid(p); break;
    case 3: chrysanthemum(p); break;
    default: bambooPlant(p); break;
    }
}

void paintSeason(QPainter& p, int n) {
    switch (n) {
    case 1: spring(p); break;
    case 2: summer(p); break;
    case 3: autumn(p); break;
    default: winter(p); break;
    }
}

}  // namespace tileset
