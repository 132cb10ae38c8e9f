// The quick ways the window redraws against the slow ones, on the shipped layout and
// pictures: the board after a hint, a right-click, the pointer's highlight and a redraw of a
// tile high in a stack equals a whole redraw of the same game; the side panel, kept and
// changed piece by piece, equals the panel drawn afresh after every kind of change.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "app/dialogs/transparent_image.h"
#include "app/window/panel_texts.h"
#include "app/window/side_panel.h"
#include "app/window/status_bar.h"
#include "view/pixel_buffer.h"
#include "window_test_support.h"

namespace sorimo::testing {
namespace {

// The board as shown, and then as a whole redraw shows it (which replaces it).
::testing::AssertionResult SameAsWholeRedraw(TSorimo& w) {
  const PixelBuffer quick = w.renderer().boardPicture();
  w.game().FullRedraw();
  const PixelBuffer& whole = w.renderer().boardPicture();
  for (int y = 0; y < whole.height(); ++y)
    for (int x = 0; x < whole.width(); ++x)
      if (quick.pixel(x, y) != whole.pixel(x, y))
        return ::testing::AssertionFailure() << "differs first at " << x << "," << y;
  return ::testing::AssertionSuccess();
}

QPoint FaceMiddle(const Game& g, int tile) {
  const TileRecord& r = g.board().Records()[size_t(tile)];
  return {CoordX(r.x - 1, r.z - 1, g.BoardOrigin.x) + 20, CoordY(r.y - 1, r.z - 1, g.BoardOrigin.y) + 25};
}

// The free tiles of the board, and its first available pair.
std::vector<int> FreeTiles(Game& g) {
  g.IsItFree();
  return std::vector<int>(g.moves.FreeTiles.begin() + 1, g.moves.FreeTiles.begin() + 1 + g.moves.FreeCount);
}
// A point of the board image over the board but over no tile.
QPoint BesideTheTiles(const Game& g) {
  for (int y = 0; y < 440; y += 5)
    for (int x = 0; x < 680; x += 5)
      if (WhatTileThere(g.board().Grid(), x, y) == 0) return {x + g.BoardOrigin.x, y + g.BoardOrigin.y};
  return {};
}
std::pair<int, int> APair(Game& g) {
  const std::vector<int> free = FreeTiles(g);
  for (size_t i = 0; i + 1 < free.size(); ++i)
    if (MatchGroup(free[i]) == MatchGroup(free[i + 1])) return {free[i], free[i + 1]};
  return {0, 0};
}

TEST(WindowRedraw, QuickRedrawsShowWhatAWholeRedrawShows) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  Game& g = w->game();
  ASSERT_TRUE(g.options().Shadows);
  const std::vector<int> free = FreeTiles(g);
  ASSERT_GE(free.size(), 4u);

  // The pointer's highlight moves from tile to tile, and off the board.
  for (const int tile : {free[0], free[1], free[1], free[2]}) {
    const QPoint p = FaceMiddle(g, tile);
    TSorimoTestPeer::PointerAt(*w, p.x(), p.y());
    ASSERT_EQ(g.choice.HoverTile, tile);
    EXPECT_TRUE(SameAsWholeRedraw(*w)) << "pointer on " << tile;
  }
  const QPoint beside = BesideTheTiles(g);
  TSorimoTestPeer::PointerAt(*w, beside.x(), beside.y());
  EXPECT_EQ(g.choice.HoverTile, 0);
  EXPECT_TRUE(SameAsWholeRedraw(*w)) << "pointer off the tiles";

  // A selection, then hints that step through the moves and cover the selected tile.
  w.ClickTile(free[3]);
  ASSERT_EQ(g.choice.FirstSelected, free[3]);
  for (int i = 0; i < 4; ++i) {
    g.Hint();
    ASSERT_NE(g.choice.HintFirst, 0);
    EXPECT_TRUE(SameAsWholeRedraw(*w)) << "hint " << i + 1;
  }
  // The right button drops the selection and the hint.
  const QPoint p = FaceMiddle(g, free[0]);
  QTest::mouseClick(w->boardImage(), Qt::RightButton, Qt::NoModifier, p);
  ASSERT_EQ(g.choice.FirstSelected, 0);
  ASSERT_EQ(g.choice.HintFirst, 0);
  EXPECT_TRUE(SameAsWholeRedraw(*w)) << "right-click";

  // Tiles high in their stacks first: selected and drawn again on their own.
  std::vector<int> tiles;
  for (int n = 1; n <= kTileCount; ++n)
    if (g.board().Records()[size_t(n)].present()) tiles.push_back(n);
  std::stable_sort(tiles.begin(), tiles.end(), [&](int a, int b) { return g.board().Records()[size_t(a)].z > g.board().Records()[size_t(b)].z; });
  ASSERT_GE(g.board().Records()[size_t(tiles[0])].z, 4);
  for (size_t i = 0; i < 12; ++i) {
    const int before = g.choice.FirstSelected;
    g.choice.FirstSelected = uint8_t(tiles[i]);
    if (before) g.RedrawTile(before);
    g.RedrawTile(tiles[i]);
    EXPECT_TRUE(SameAsWholeRedraw(*w)) << "tile " << tiles[i] << " on layer " << g.board().Records()[size_t(tiles[i])].z;
  }
  g.choice.FirstSelected = 0;
  g.FullRedraw();

  // Pairs taken away by clicks, the tiles beneath showing through.
  for (int k = 0; k < 6; ++k) {
    const auto [a, b] = APair(g);
    ASSERT_NE(a, 0);
    w.ClickTile(a);
    w.ClickTile(b);
    ASSERT_FALSE(g.board().Records()[size_t(b)].present());
    EXPECT_TRUE(SameAsWholeRedraw(*w)) << "pair " << a << ", " << b;
  }
}

// The status fields paint the bar's gradient beneath them themselves, so that a new text
// repaints them alone; the window looks as when the bar is painted first.
TEST(WindowRedraw, OpaqueStatusFieldsLookAsOverThePaintedBar) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  // Ten seconds: the message has slid in and stays; the clock shows a new second. The
  // program's own timer ticks at the same moment of the test's clock, so nothing changes
  // between the two pictures.
  w.Tick(200);
  StatusBar* bar = w->statusLine();
  const QString time = bar->time();
  ASSERT_FALSE(time.isEmpty());
  w.Tick(20);
  ASSERT_NE(bar->time(), time);
  QApplication::processEvents();
  const QImage opaque = w->screen()->grabWindow(w->winId()).toImage();
  ASSERT_FALSE(opaque.isNull());
  for (QLabel* field : bar->findChildren<QLabel*>())
    if (field->testAttribute(Qt::WA_OpaquePaintEvent)) field->setAttribute(Qt::WA_OpaquePaintEvent, false);
  w->repaint();
  QApplication::processEvents();
  const QImage usual = w->screen()->grabWindow(w->winId()).toImage();
  ASSERT_EQ(opaque.size(), usual.size());
  EXPECT_TRUE(opaque == usual);
}

// The panel as drawn afresh: the backdrop, the girl, the texts, in that order, and the
// preview area as the pointer left it.
QImage FreshPanel(TSorimo& w, const SidePanel& panel) {
  const PanelModel model{w.game(), w.options(), w.hallTable(), w.game().BoardNumber, w.newEntryRank()};
  w.game().IsItFree();  // counted afresh here: the panel must not show a stale figure
  const int movesLeft = w.game().moves.MovesLeft;
  QImage fresh = panel.HofPic().copy();
  const int shift = PanelShiftFor(w.game().GameMode, w.options());
  if (shift == kGirlPanelShift)
    DrawTransparent(fresh, 0, 302,
                    panel.Girl(GirlPicture(w.game().GameMode, w.game().ModeBeforePause,
                                           w.game().clock.ElapsedSeconds + w.game().clock.PenaltySeconds, movesLeft)),
                    kGirlTransparent);
  DrawPanelTexts(fresh, PanelTextsOf(model, shift));
  return fresh;
}

// The panel shown equals the fresh one, its preview area aside, which must hold `preview`
// (none: whatever the fresh panel has there).
::testing::AssertionResult PanelIsFresh(TSorimo& w, const QImage* preview = nullptr) {
  const SidePanel& panel = *w.findChild<SidePanel*>("HofBox");
  const QImage fresh = FreshPanel(w, panel);
  const QRect area(SidePanel::kPreviewX, SidePanel::kPreviewY, kSpriteWidth, kSpriteHeight);
  for (int y = 0; y < fresh.height(); ++y)
    for (int x = 0; x < fresh.width(); ++x) {
      const QRgb expected =
          preview && area.contains(x, y) ? preview->pixel(x - area.left(), y - area.top()) : fresh.pixel(x, y);
      if (panel.shown().pixel(x, y) != expected)
        return ::testing::AssertionFailure() << "differs first at " << x << "," << y;
    }
  return ::testing::AssertionSuccess();
}

// What the preview shows for `tile`: its sprite over the backdrop there.
QImage PreviewOf(TSorimo& w, int tile) {
  const SidePanel& panel = *w.findChild<SidePanel*>("HofBox");
  PixelBuffer area(kSpriteWidth, kSpriteHeight);
  for (int y = 0; y < kSpriteHeight; ++y)
    for (int x = 0; x < kSpriteWidth; ++x)
      area.setPixel(x, y, panel.HofPic().pixel(SidePanel::kPreviewX + x, SidePanel::kPreviewY + y) & 0xFFFFFF);
  if (tile) w.renderer().DrawTileSprite(area, 0, 0, tile);
  QImage out(kSpriteWidth, kSpriteHeight, QImage::Format_RGB32);
  for (int y = 0; y < kSpriteHeight; ++y)
    for (int x = 0; x < kSpriteWidth; ++x) out.setPixel(x, y, 0xFF000000 | area.pixel(x, y));
  return out;
}

TEST(WindowRedraw, TheKeptSidePanelEqualsOneDrawnAfresh) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  Game& g = w->game();
  EXPECT_TRUE(PanelIsFresh(*w)) << "a new game";

  // Moves: the girl's mood follows the moves left; play until she has changed twice.
  auto girlNow = [&] {
    g.IsItFree();
    return GirlPicture(g.GameMode, g.ModeBeforePause, 0, g.moves.MovesLeft);
  };
  int changes = 0;
  for (int k = 0; k < 60 && changes < 2; ++k) {
    const auto [a, b] = APair(g);
    if (!a) break;
    const int girl = girlNow();
    w.ClickTile(a);
    w.ClickTile(b);
    changes += girlNow() != girl;
    ASSERT_TRUE(PanelIsFresh(*w)) << "after pair " << k + 1;
  }
  EXPECT_GE(changes, 1);
  g.Back();
  EXPECT_TRUE(PanelIsFresh(*w)) << "after an undo";

  // "Show Current Tile" moves the texts and sends the girl away; the preview follows the
  // pointer, and is drawn anew for the same tile when the tileset changes.
  w->action("ShowCurrentTile")->trigger();
  ASSERT_TRUE(w->options().ShowCurrentTile);
  EXPECT_TRUE(PanelIsFresh(*w)) << "current tile shown";
  const std::vector<int> free = FreeTiles(g);
  QPoint p = FaceMiddle(g, free[0]);
  TSorimoTestPeer::PointerAt(*w, p.x(), p.y());
  QImage expected = PreviewOf(*w, free[0]);
  EXPECT_TRUE(PanelIsFresh(*w, &expected)) << "preview of " << free[0];
  TSorimoTestPeer::LoadTileset(*w, folder.exeDir() + "Tilesets/darkpai.bmp");
  TSorimoTestPeer::PointerAt(*w, p.x() + 1, p.y());
  expected = PreviewOf(*w, free[0]);
  EXPECT_TRUE(PanelIsFresh(*w, &expected)) << "preview after a tileset change";
  const QPoint beside = BesideTheTiles(g);
  TSorimoTestPeer::PointerAt(*w, beside.x(), beside.y());
  expected = PreviewOf(*w, 0);
  EXPECT_TRUE(PanelIsFresh(*w, &expected)) << "preview cleared";
  w->host().ShowPanelHOF();
  EXPECT_TRUE(PanelIsFresh(*w)) << "panel redrawn over a cleared preview";
  p = FaceMiddle(g, free[1]);
  TSorimoTestPeer::PointerAt(*w, p.x(), p.y());
  w->host().ShowPanelHOF();
  EXPECT_TRUE(PanelIsFresh(*w)) << "panel redrawn over a preview";
  w->action("ShowCurrentTile")->trigger();
  EXPECT_TRUE(PanelIsFresh(*w)) << "current tile hidden";

  // A new hall entry, in italics.
  w->host().AddHall(g.BoardNumber, 61, 0);
  ASSERT_NE(w->newEntryRank(), 0);
  w->host().ShowPanelHOF();
  EXPECT_TRUE(PanelIsFresh(*w)) << "a new hall entry";

  // The window narrows and widens with the panel.
  w->action("ShowHallFame")->trigger();
  w->action("ShowHallFame")->trigger();
  ASSERT_TRUE(w->options().ShowHallFame);
  EXPECT_TRUE(PanelIsFresh(*w)) << "panel shown again";

  // Another layout shows another list.
  const int before = g.BoardNumber;
  for (QAction* item : LayoutMenu(*w)->actions())
    if (item->text().contains("Pyramid")) item->trigger();
  ASSERT_NE(g.BoardNumber, before);
  EXPECT_TRUE(PanelIsFresh(*w)) << "another layout";
  // And without the girls, the title.
  w->action("ShowGirls")->trigger();
  EXPECT_TRUE(PanelIsFresh(*w)) << "no girls";
}

}  // namespace
}  // namespace sorimo::testing
