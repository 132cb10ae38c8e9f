#pragma once
// One tileset picture in the layout the board renderer cuts it by:
//   face picture of cell (c, r) at (41c + 1, 51r + 1), its mask 312 pixels lower,
//   tile body at (0, 256), selected face at (52, 256), hint face at (98, 256),
//   tile mask at (138, 256) (its lower-right 6 x 6 doubles as the mask corner at (178, 306)).

#include "engraving.h"
#include "tile_style.h"

#include <QImage>
#include <QPoint>
#include <array>

namespace tileset {

constexpr int kSheetWidth = 369;
constexpr int kSheetHeight = 567;

constexpr QPoint kBodyAt(0, 256);
constexpr QPoint kBlankFaceAt(6, 256);
constexpr QPoint kSelectedAt(52, 256);
constexpr QPoint kHintAt(98, 256);
constexpr QPoint kTileMaskAt(138, 256);
constexpr QPoint kMaskCornerAt(178, 306);
constexpr int kMaskRowOffset = 312;

QPoint facePictureAt(int face);
QPoint faceMaskAt(int face);

// The art of every face (index face - 1), premultiplied 40 x 50, in one set's inks.
using FaceArt = std::array<QImage, 42>;
FaceArt paintAllFaceArt(const Inks& inks);

// The whole tileset picture of one set, 24-bit colours.
QImage buildTilesetSheet(const TileStyle& style, const FaceArt& art);

}  // namespace tileset
