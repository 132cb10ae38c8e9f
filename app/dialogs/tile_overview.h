// The picture of the help window's "Tiles" page: every face of the tileset in its place, with
// the names of the kinds of tiles, drawn on a transparent picture the size of the page's panel.
#pragma once

#include <QImage>
#include <QPoint>

namespace sorimo {

inline constexpr int kOverviewWidth = 593, kOverviewHeight = 353;
inline constexpr int kOverviewFaceWidth = 40, kOverviewFaceHeight = 50;

// Rows of faces: faces first..last, the first one's top-left corner, 45 pixels to the next.
struct OverviewRow {
  int first, last;
  int left, top;
};
inline constexpr OverviewRow kOverviewRows[] = {
    {1, 9, 10, 34},     {10, 18, 10, 114}, {19, 27, 10, 194}, {28, 31, 10, 274},
    {32, 35, 235, 274}, {36, 38, 440, 194}, {39, 40, 440, 34}, {41, 42, 440, 114},
};
inline constexpr int kOverviewStep = 45;
// The help page's vertical line between the suits and the honours, 8 pixels down.
inline constexpr int kOverviewDividerX = 424;

struct OverviewCaption {
  int x, y;  // the caption's top-left corner
  const char* text;
};
inline constexpr OverviewCaption kOverviewCaptions[] = {
    {10, 14, "Craks (4 times each)"},    {10, 92, "Bamboos (4 times each)"}, {10, 172, "Dots (4 times each)"},
    {10, 252, "Flowers (once each)"},    {235, 252, "Seasons (once each)"},  {440, 14, "Winds (4 times each)"},
    {440, 172, "Dragons (4 times each)"},
};

// Where face 1..42 is drawn on the overview; (-1, -1) for anything else.
QPoint OverviewFacePosition(int face);

// The faces, copied from the tile texture (each 40 x 50 from its face cell, one pixel below
// the sprite's top, past the tile's left edge), then the captions in black on white.
QImage TileOverview(const QImage& texture);

}  // namespace sorimo
