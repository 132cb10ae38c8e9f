#pragma once
// The engravings of the 42 faces, painted in face pixels (40 x 50) on a transparent canvas.
//   1-9 characters, 10-18 bamboos, 19-27 dots, 28-31 flowers, 32-35 seasons,
//   36-38 dragons (red, green, white), 39-42 winds (east, south, west, north).

#include <QColor>
#include <QPainter>

namespace tileset {

constexpr int kFaceCount = 42;

struct FaceCell {
    int column;
    int row;
};

// Where a face sits in the tileset picture (and in the texture).
FaceCell faceCell(int face);

void paintFaceArt(QPainter& p, int face);

// The inks of the engravings, shared by all sets.
namespace ink {
inline QColor red() { return QColor(206, 24, 28); }
inline QColor darkRed() { return QColor(140, 10, 16); }
inline QColor green() { return QColor(18, 128, 58); }
inline QColor darkGreen() { return QColor(8, 78, 34); }
inline QColor lightGreen() { return QColor(96, 186, 92); }
inline QColor blue() { return QColor(28, 70, 176); }
inline QColor darkBlue() { return QColor(14, 36, 104); }
inline QColor navy() { return QColor(18, 24, 58); }
inline QColor gold() { return QColor(236, 176, 28); }
inline QColor brown() { return QColor(110, 64, 30); }
}  // namespace ink

// One painter per suit; n counts from 1.
void paintCharacter(QPainter& p, int n);  // 1..9
void paintBamboo(QPainter& p, int n);     // 1..9
void paintDots(QPainter& p, int n);       // 1..9
void paintFlower(QPainter& p, int n);     // 1 plum, 2 orchid, 3 chrysanthemum, 4 bamboo
void paintSeason(QPainter& p, int n);     // 1 spring, 2 summer, 3 autumn, 4 winter
void paintDragon(QPainter& p, int n);     // 1 red, 2 green, 3 white
void paintWind(QPainter& p, int n);       // 1 east, 2 south, 3 west, 4 north

}  // namespace tileset
