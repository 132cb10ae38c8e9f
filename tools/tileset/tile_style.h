#pragma once
// The look of one tileset: the colour of the tile's back (seen on its edge), the tone of
// the face, the shape of the edge, the two highlight backgrounds and the inks of the art.

#include <QColor>
#include <QString>
#include <vector>

namespace tileset {

// The inks the engravings are painted with; each set mixes its own.
struct Inks {
    QColor red{206, 24, 28};
    QColor darkRed{140, 10, 16};
    QColor green{18, 128, 58};
    QColor darkGreen{8, 78, 34};
    QColor lightGreen{96, 186, 92};
    QColor blue{28, 70, 176};
    QColor darkBlue{14, 36, 104};
    QColor navy{18, 24, 58};       // the written numerals and winds
    QColor gold{236, 176, 28};
    QColor brown{110, 64, 30};
    QColor index{72, 76, 96};      // the small Arabic indices and wind letters
    QColor pale{255, 252, 240};    // the light rings inside the dots
};

struct TileStyle {
    QString fileName;       // inside data/Tilesets
    QColor back;            // the coloured back layer of the tile, seen on the edge
    QColor outline;         // thin line around the tile silhouette
    QColor rim;             // a light line along the back's outer edge; invalid for none
    QColor faceLight;       // face at the upper left
    QColor faceShade;       // face at the lower right
    QColor selectedLight;   // selected face background
    QColor selectedShade;
    QColor hintLight;       // hint and pointer face background
    QColor hintShade;
    double cornerRadius = 2.5;  // of the upper-right and lower-left corners
    double ivoryDepth = 2.5;    // face-coloured part of the edge; the rest shows the back
    bool flat = false;          // plain colours instead of gradients on face and edge
    Inks inks;
    bool fewColors = false; // written as an 8-bit palette bitmap
};

// Orange, dark, blue and the few-colours set, in that order.
std::vector<TileStyle> allTileStyles();

// Linear mix of two colours, t = 0 gives a.
QColor mix(const QColor& a, const QColor& b, double t);
QColor scaled(const QColor& c, double factor);

}  // namespace tileset
