#pragma once
// The rules the face art keeps so that a 40 x 50 face reads at a glance. The generator
// checks them before it writes anything, as it checks the format after writing.

#include "tile_style.h"

#include <QImage>
#include <QRect>
#include <QString>

namespace tileset {

constexpr int kMinNumeralHeight = 16;  // the written numeral of a character face
constexpr int kMinWindMargin = 6;      // between a wind's character and the face edge

// The pixels of premultiplied art that would reach the picture (see kCoverageThreshold);
// an empty rectangle when there are none.
QRect inkedBounds(const QImage& art);

// What the rules measure, for the generator to report.
struct ArtFigures {
    int shortestNumeral = 0;  // pixels, numerals 三 to 九
    int narrowestWindMargin = 0;  // pixels, the least of the four sides of the four winds
};

// Every rule for the art painted in inks; empty when all hold, else what is wrong.
QString checkFaceArt(const Inks& inks, ArtFigures* figures = nullptr);

}  // namespace tileset
