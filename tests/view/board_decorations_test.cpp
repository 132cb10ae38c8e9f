// Faces as the game shows them: selected, hinted and pointed-at tiles in every highlight
// style, inverted selections, the editor's blank faces and ghost, Memory's face-down tiles.
#include <gtest/gtest.h>

#include "renderer_fixture.h"

namespace sorimo {
namespace {

using namespace sorimo::testing;

PixelBuffer Inverted(PixelBuffer p) {
  for (int y = 0; y < p.height(); ++y)
    for (int x = 0; x < p.width(); ++x) p.setPixel(x, y, p.pixel(x, y) ^ kWhite);
  return p;
}

// The frame of the pointer highlight: the outer three pixels of the face in the pen colour,
// the face's own pixels inside it.
PixelBuffer Framed(PixelBuffer p, uint32_t pen) {
  for (int y = 0; y < p.height(); ++y)
    for (int x = 0; x < p.width(); ++x)
      if (x < 3 || y < 3 || x >= 37 || y >= 47) p.setPixel(x, y, pen);
  return p;
}

class DecorationTest : public RendererTest {
 protected:
  DecorationTest() {
    // Tile 1 (face 1) is the one decorated; tile 5 (face 2) beside it stays plain.
    Put(10, 6, 1, 1);
    Put(14, 6, 1, 5);
  }
  PixelBuffer Shown() const { return FaceOnScreen(10, 6, 1); }
  void ExpectNeighbourPlain() const { EXPECT_EQ(FaceOnScreen(14, 6, 1), ExpectedFace(2, kBlankColour)); }
};

TEST_F(DecorationTest, SelectedAndHintedTilesShowTheirBackgrounds) {
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), ExpectedFace(1, kBlankColour));
  for (int* field : {&scene.firstSelected, &scene.secondSelected}) {
    *field = 1;
    renderer.FullRedraw(scene);
    EXPECT_EQ(Shown(), ExpectedFace(1, kSelectedColour));
    ExpectNeighbourPlain();
    *field = 0;
  }
  for (int* field : {&scene.hintFirst, &scene.hintSecond}) {
    *field = 1;
    renderer.FullRedraw(scene);
    EXPECT_EQ(Shown(), ExpectedFace(1, kHintColour));
    ExpectNeighbourPlain();
    *field = 0;
  }
  // Selected and hinted at once: the selection wins.
  scene.firstSelected = scene.hintSecond = 1;
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), ExpectedFace(1, kSelectedColour));
}

TEST_F(DecorationTest, InvertedSelectionFlipsTheColoursOfTheFaceOnly) {
  options.Invert = true;
  scene.hintFirst = 1;
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), Inverted(ExpectedFace(1, kBlankColour)));
  EXPECT_EQ(AtFace(10, 6, 1, -3, 20), kEdgeColour);  // the edge keeps its colour
  ExpectNeighbourPlain();
  // Drawing the same frame again gives the same picture: every redraw starts from the sprite.
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), Inverted(ExpectedFace(1, kBlankColour)));
}

TEST_F(DecorationTest, PointerFrameTakesThePenOfTheStyle) {
  scene.hoverTile = 1;
  const struct {
    int32_t mode;
    uint32_t pen;
  } styles[] = {{HighlightRedRectangle, kPenRed}, {HighlightGreenRectangle, kPenGreen}, {HighlightBlueRectangle, kPenBlue}};
  for (const auto& s : styles) {
    options.HighlightMode = s.mode;
    scene.penColour = PenColourFor(s.mode, kBlack);
    renderer.FullRedraw(scene);
    EXPECT_EQ(Shown(), Framed(ExpectedFace(1, kBlankColour), s.pen)) << s.mode;
    ExpectNeighbourPlain();
  }
  // Colored Tile and None keep the pen they had.
  EXPECT_EQ(PenColourFor(HighlightColoredTile, kPenBlue), kPenBlue);
  EXPECT_EQ(PenColourFor(HighlightNone, kPenRed), kPenRed);
}

TEST_F(DecorationTest, ColouredTileStyleLightsTheFaceInsteadOfFramingIt) {
  options.HighlightMode = HighlightColoredTile;
  scene.hoverTile = 1;
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), ExpectedFace(1, kHintColour));
  // A selected tile under the pointer keeps the selected background.
  scene.firstSelected = 1;
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), ExpectedFace(1, kSelectedColour));
  // With inversion the pointed-at tile is inverted like a selection.
  scene.firstSelected = 0;
  options.Invert = true;
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), Inverted(ExpectedFace(1, kBlankColour)));
}

TEST_F(DecorationTest, SelectedTileUnderThePointerGetsBackgroundAndFrame) {
  options.HighlightMode = HighlightRedRectangle;
  scene.penColour = kPenRed;
  scene.firstSelected = 1;
  scene.hoverTile = 1;
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), Framed(ExpectedFace(1, kSelectedColour), kPenRed));
  options.Invert = true;
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), Framed(Inverted(ExpectedFace(1, kBlankColour)), kPenRed));
}

TEST_F(DecorationTest, TravellingRiversTileSuppressesAllDecorations) {
  scene.firstSelected = 1;
  scene.hintFirst = 5;
  scene.hoverTile = 5;
  scene.riverFound = true;
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), ExpectedFace(1, kBlankColour));
  ExpectNeighbourPlain();
}

TEST_F(DecorationTest, EditorShowsBlankFacesAndTheGhostOnTheSelectedBackground) {
  scene.layoutFaces = true;
  Put(20, 10, 2, 144);
  scene.ghost = {29, 13, 0};  // an empty cell: column 30, row 14, layer 1
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), PixelBuffer(kFaceWidth, kFaceHeight, kBlankColour));
  EXPECT_EQ(FaceOnScreen(14, 6, 1), PixelBuffer(kFaceWidth, kFaceHeight, kBlankColour));
  EXPECT_EQ(FaceOnScreen(20, 10, 2), PixelBuffer(kFaceWidth, kFaceHeight, kBlankColour));
  EXPECT_EQ(FaceOnScreen(30, 14, 1), PixelBuffer(kFaceWidth, kFaceHeight, kSelectedColour));
  EXPECT_EQ(AtFace(30, 14, 1, -3, 20), kEdgeColour);  // a whole tile, edge included
  // The ghost on a tile replaces that tile's blank face; selections are not shown.
  scene.ghost = {9, 5, 0};
  scene.firstSelected = 5;
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), PixelBuffer(kFaceWidth, kFaceHeight, kSelectedColour));
  EXPECT_EQ(FaceOnScreen(14, 6, 1), PixelBuffer(kFaceWidth, kFaceHeight, kBlankColour));
  // Outside the editor a stale ghost cell draws nothing.
  scene.layoutFaces = false;
  scene.ghost = {29, 13, 0};
  scene.firstSelected = 0;
  renderer.FullRedraw(scene);
  EXPECT_EQ(AtFace(30, 14, 1, 20, 25), kBoardColour);
}

TEST_F(DecorationTest, GhostNotchesTheEdgeOfItsUpperLeftNeighbour) {
  scene.layoutFaces = true;
  scene.ghost = {10, 7, 0};  // column 11, row 8: lower right of tile 1 at (10, 6)
  renderer.FullRedraw(scene);
  EXPECT_EQ(AtFace(10, 6, 1, 30, 53), kSelectedColour);
}

TEST_F(DecorationTest, MemoryTilesAreFaceDownExceptTheTwoRevealed) {
  scene.facesHidden = true;
  options.HighlightMode = HighlightBlueRectangle;
  scene.penColour = kPenBlue;
  scene.hintFirst = 5;  // a hint has no meaning here and shows nothing
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), PixelBuffer(kFaceWidth, kFaceHeight, kBlankColour));
  EXPECT_EQ(FaceOnScreen(14, 6, 1), PixelBuffer(kFaceWidth, kFaceHeight, kBlankColour));
  // The pointer frames a face-down tile.
  scene.hoverTile = 5;
  renderer.FullRedraw(scene);
  EXPECT_EQ(FaceOnScreen(14, 6, 1), Framed(PixelBuffer(kFaceWidth, kFaceHeight, kBlankColour), kPenBlue));
  // In Colored Tile style it leaves it unmarked.
  options.HighlightMode = HighlightColoredTile;
  renderer.FullRedraw(scene);
  EXPECT_EQ(FaceOnScreen(14, 6, 1), PixelBuffer(kFaceWidth, kFaceHeight, kBlankColour));
  // A revealed tile shows its face with the usual decorations.
  scene.hoverTile = 0;
  scene.hintFirst = 0;
  scene.firstSelected = 1;
  renderer.FullRedraw(scene);
  EXPECT_EQ(Shown(), ExpectedFace(1, kSelectedColour));
  scene.firstSelected = 0;
  scene.secondSelected = 5;
  renderer.FullRedraw(scene);
  EXPECT_EQ(FaceOnScreen(14, 6, 1), ExpectedFace(2, kSelectedColour));
  EXPECT_EQ(Shown(), PixelBuffer(kFaceWidth, kFaceHeight, kBlankColour));
}

}  // namespace
}  // namespace sorimo
