#pragma once
// The engravings of the 42 faces, painted in face pixels (40 x 50) on a transparent canvas.
//   1-9 characters, 10-18 bamboos, 19-27 dots, 28-31 flowers, 32-35 seasons,
//   36-38 dragons (red, green, white), 39-42 winds (east, south, west, north).

#include "tile_style.h"

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

// The whole engraving of a face: its drawing and its index.
void paintFaceArt(QPainter& p, int face);
// The engraving without the index.
void paintFaceDrawing(QPainter& p, int face);

// The inks of the engravings: those of the set being painted (see ScopedInks).
const Inks& currentInks();
namespace ink {
inline QColor red() { return currentInks().red; }
inline QColor darkRed() { return currentInks().darkRed; }
inline QColor green() { return currentInks().green; }
inline QColor darkGreen() { return currentInks().darkGreen; }
inline QColor lightGreen() { return currentInks().lightGreen; }
inline QColor blue() { return currentInks().blue; }
inline QColor darkBlue() { return currentInks().darkBlue; }
inline QColor navy() { return currentInks().navy; }
inline QColor gold() { return currentInks().gold; }
inline QColor brown() { return currentInks().brown; }
inline QColor index() { return currentInks().index; }
inline QColor pale() { return currentInks().pale; }
}  // namespace ink

// Paints with the given inks while it lives.
class ScopedInks {
public:
    explicit ScopedInks(const Inks& inks);
    ~ScopedInks();
    ScopedInks(const ScopedInks&) = delete;
    ScopedInks& operator=(const ScopedInks&) = delete;

private:
    const Inks* previous_;
};

// One painter per suit; n counts from 1.
void paintCharacter(QPainter& p, int n);  // 1..9
void paintBamboo(QPainter& p, int n);     // 1..9
void paintDots(QPainter& p, int n);       // 1..9
void paintFlower(QPainter& p, int n);     // 1 plum, 2 orchid, 3 chrysanthemum, 4 bamboo
void paintSeason(QPainter& p, int n);     // 1 spring, 2 summer, 3 autumn, 4 winter
void paintDragon(QPainter& p, int n);     // 1 red, 2 green, 3 white
void paintWind(QPainter& p, int n);       // 1 east, 2 south, 3 west, 4 north

// The written numeral of a character face alone (the large sign above 萬).
void paintCharacterNumeral(QPainter& p, int n);

}  // namespace tileset
