// A mahjong tile in the program's own look: an ivory face raised over a coloured body, the
// body showing on the left and at the bottom as the board draws stacked tiles.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace pictures {

enum class TileFace { RedDragon, GreenDragon, EastWind, OneCircle, ThreeCircles, TwoBamboo, Blank };

// `face` is the rectangle of the ivory face; the body extends `depth` to the left and below.
void paintTile(QPainter& p, const QRectF& face, double depth, TileFace what,
               const QColor& body = QColor(40, 110, 170));

// Just the engraving of a face into `r` (used by the tile and by small glyphs).
void paintTileFace(QPainter& p, const QRectF& r, TileFace what);

}  // namespace pictures
