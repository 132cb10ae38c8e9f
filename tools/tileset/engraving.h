#pragma once
// Turns anti-aliased face art into the picture/mask pair the texture is built from.
// The mask is binary (the texture is made with AND and OR), so the soft edge of every
// stroke is blended into the picture against the face colour beneath it.

#include <QImage>

namespace tileset {

struct FacePicture {
    QImage picture;  // 40 x 50: the engraving, black where the tile shows through
    QImage mask;     // 40 x 50: black where the picture is drawn, white elsewhere
};

// Pixels with less coverage than this are left to the face; the higher it is, the
// thinner the pale fringe that a highlight background shows around strokes.
constexpr int kCoverageThreshold = 96;  // of 255

// engraving: premultiplied ARGB, 40 x 50. face: the blank face the picture sits on.
FacePicture composeEngraving(const QImage& engraving, const QImage& face);

// What the texture build makes of a picture over a background: (background AND mask) OR picture.
QImage composeOnto(const QImage& background, const FacePicture& face);

}  // namespace tileset
