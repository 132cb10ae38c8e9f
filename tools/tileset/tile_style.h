#pragma once
// The look of one tileset: the colour of the tile's back (seen on its edge), the tone of
// the face, and the two highlight backgrounds.

#include <QColor>
#include <QString>
#include <vector>

namespace tileset {

struct TileStyle {
    QString fileName;       // inside data/Tilesets
    QColor back;            // the coloured back layer of the tile, seen on the edge
    QColor outline;         // thin line around the tile silhouette
    QColor faceLight;       // face ivory at the upper left
    QColor faceShade;       // face ivory at the lower right
    QColor selectedLight;   // selected face background
    QColor selectedShade;
    QColor hintLight;       // hint and pointer face background
    QColor hintShade;
    bool fewColors = false; // written as an 8-bit palette bitmap
};

// Orange, dark, blue and the few-colours set, in that order.
std::vector<TileStyle> allTileStyles();

// Linear mix of two colours, t = 0 gives a.
QColor mix(const QColor& a, const QColor& b, double t);
QColor scaled(const QColor& c, double factor);

}  // namespace tileset
