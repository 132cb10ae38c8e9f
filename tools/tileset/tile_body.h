#pragma once
// The blank tile: a face with the tile's thickness showing as an edge on the left and at
// the bottom (the board is seen from the lower left; each layer sits up and to the right).

#include "tile_style.h"

#include <QImage>

namespace tileset {

constexpr int kTileWidth = 46;
constexpr int kTileHeight = 56;
constexpr int kEdge = 6;
constexpr int kFaceWidth = 40;
constexpr int kFaceHeight = 50;

// Proportions of a tile picture, in its own pixels.
struct TileGeometry {
    int faceWidth = kFaceWidth;
    int faceHeight = kFaceHeight;
    int edge = kEdge;             // thickness seen on the left and at the bottom
    double cornerRadius = 2.5;    // of the upper-right and lower-left corners
    double ivoryDepth = 2.5;      // ivory part of the edge; the rest is the coloured back
    double outlineWidth = 1.0;
    int width() const { return faceWidth + edge; }
    int height() const { return faceHeight + edge; }
};

// The colours a tile is painted with.
struct TileColours {
    QColor back;
    QColor outline;
    QColor faceLight;
    QColor faceShade;
    QColor rim;          // a light line along the back's outer edge; invalid for none
    bool flat = false;   // plain colours, no gradients
};

TileColours boardColours(const TileStyle& style);
TileGeometry boardGeometry(const TileStyle& style);

// Black where the sprite is opaque, white where it is transparent.
QImage tileMask(const TileGeometry& g = TileGeometry());

// The blank tile; black wherever the mask is white.
QImage tileBody(const TileColours& colours, const TileGeometry& g = TileGeometry());

// The face area of a board tile body (40 x 50 at (6, 0)), the part a highlight replaces.
QImage faceArea(const QImage& body);

}  // namespace tileset
