// The real window on a screen of device pixel ratio 1.5 or 2 (QT_SCALE_FACTOR, set by the
// test's registration): pictures drawn in whole blocks of device pixels, and the pointer's
// clicks, highlight and ghost tile where the picture shows them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <cmath>

#include "app/window/side_panel.h"
#include "app/window/status_bar.h"
#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

double Ratio() { return qgetenv("QT_SCALE_FACTOR").toDouble(); }

// A screen with room for the window at twice its size.
FakeDesktop RoomyDesktop() {
  FakeDesktop d;
  d.width = 1400;
  d.height = 1000;
  return d;
}

// True when every picture pixel of `picture` fills a k x k block of `shown` (device pixels).
::testing::AssertionResult WholeBlocks(const QImage& shown, const QImage& picture, int k) {
  const QImage device = shown.convertToFormat(QImage::Format_RGB32);
  if (device.width() < picture.width() * k || device.height() < picture.height() * k)
    return ::testing::AssertionFailure() << "shown " << device.width() << "x" << device.height() << " for "
                                         << picture.width() << "x" << picture.height() << " at " << k;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb want = picture.pixel(x, y) | 0xFF000000;
      for (int dy = 0; dy < k; ++dy)
        for (int dx = 0; dx < k; ++dx)
          if ((device.pixel(k * x + dx, k * y + dy) | 0xFF000000) != want)
            return ::testing::AssertionFailure() << "picture pixel " << x << "," << y << " differs at device "
                                                 << k * x + dx << "," << k * y + dy;
    }
  return ::testing::AssertionSuccess();
}

QImage BoardPicture(TSorimo& w) {
  const PixelBuffer& b = w.renderer().boardPicture();
  return QImage(reinterpret_cast<const uchar*>(b.row(0)), b.width(), b.height(), b.width() * 4, QImage::Format_RGB32);
}

TEST(HiDpi, TheBoardAndThePanelAreDrawnInWholeBlocksOfDevicePixels) {
  ProgramFolder folder;
  FakeDesktop desktop = RoomyDesktop();
  Window w(folder, desktop);
  StartClassic(w);
  ASSERT_GE(Ratio(), 1.5);
  EXPECT_DOUBLE_EQ(w->boardImage()->devicePixelRatioF(), Ratio());
  const int k = 2;  // 1.5 and 2 both round to 2
  EXPECT_EQ(w->boardImage()->scale().devicePerPixel(), k);
  EXPECT_EQ(w->boardImage()->size(), QSize(int(std::ceil(704 * k / Ratio())), int(std::ceil(468 * k / Ratio()))));

  w->game().choice.FirstSelected = w->game().moves.FreeTiles[1];  // a highlight drawn into the picture too
  w->game().FullRedraw();
  EXPECT_TRUE(WholeBlocks(w->boardImage()->grab().toImage(), BoardPicture(*w), k));
  auto* panel = w->findChild<SidePanel*>("HofBox");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(WholeBlocks(panel->grab().toImage(), panel->shown().copy(0, 0, SidePanel::kWidth, SidePanel::kVisibleHeight), k));
  // The window holds both whole, on the screen.
  EXPECT_GE(w->width(), w->boardImage()->width() + panel->width());
  EXPECT_LE(w->width(), desktop.width);
  EXPECT_LE(w->height(), desktop.height);
}

TEST(HiDpi, ClicksAndThePointerHighlightFindTheTileUnderThePointer) {
  ProgramFolder folder;
  FakeDesktop desktop = RoomyDesktop();
  Window w(folder, desktop);
  StartClassic(w);
  Game& g = w->game();
  g.IsItFree();
  ASSERT_GE(g.moves.FreeCount, 2);
  for (int i = 1; i <= g.moves.FreeCount; ++i) {
    const int t = g.moves.FreeTiles[size_t(i)];
    w.ClickTile(t);
    ASSERT_EQ(g.choice.FirstSelected, t) << "free tile " << t;
    w.ClickTile(t);  // the same tile again lets it go
    ASSERT_EQ(g.choice.FirstSelected, 0);
  }
  const int t = g.moves.FreeTiles[1];
  const TileRecord& r = g.board().Records()[size_t(t)];
  const QPoint face(CoordX(r.x - 1, r.z - 1, g.BoardOrigin.x) + 20, CoordY(r.y - 1, r.z - 1, g.BoardOrigin.y) + 25);
  QTest::mouseMove(w->boardImage(), w->boardImage()->pointAt(face));
  EXPECT_EQ(g.choice.HoverTile, t);
}

TEST(HiDpi, TheEditorsGhostStandsWhereAClickWouldPlaceATile) {
  ProgramFolder folder;
  FakeDesktop desktop = RoomyDesktop();
  Window w(folder, desktop);
  w->action("CreateLayout1")->trigger();
  Game& g = w->game();
  ASSERT_EQ(g.GameMode, ModeEditor);
  for (const QPoint board : {QPoint(200, 150), QPoint(333, 222), QPoint(501, 377)}) {
    const Cell want = WhatAdd(g.board().Grid(), board.x(), board.y());
    ASSERT_NE(want.x, 0);
    QTest::mouseMove(w->boardImage(), w->boardImage()->pointAt(board + QPoint(g.BoardOrigin.x, g.BoardOrigin.y)));
    EXPECT_EQ(g.ModeData<EditorState>().Ghost, (Cell{want.x - 1, want.y - 1, want.z - 1})) << board.x() << "," << board.y();
    QTest::mouseClick(w->boardImage(), Qt::LeftButton, Qt::NoModifier,
                      w->boardImage()->pointAt(board + QPoint(g.BoardOrigin.x, g.BoardOrigin.y)));
    EXPECT_EQ(g.board().Grid().at(want.x, want.y, want.z), g.Layout.count()) << "the new tile stands where the ghost stood";
  }
}

TEST(HiDpi, AScreenTooSmallForTheLargerScaleGetsTheSmallerOne) {
  ProgramFolder folder;
  FakeDesktop desktop;
  desktop.width = 800;
  desktop.height = 560;
  Window w(folder, desktop);
  EXPECT_EQ(w->boardImage()->scale().devicePerPixel(), 1);
  EXPECT_EQ(w->boardImage()->size(), QSize(int(std::ceil(704 / Ratio())), int(std::ceil(468 / Ratio()))));
  StartClassic(w);
  w.ClickTile(w->game().moves.FreeTiles[1]);
  EXPECT_EQ(w->game().choice.FirstSelected, w->game().moves.FreeTiles[1]);
}

// A full HD screen (1920 x 1080 device pixels) or smaller: the menus, the toolbar and the status
// bar show whole, and the menus' pictures are drawn for the screen's device pixels.
TEST(HiDpi, OnAFullHdScreenTheBarsShowWholeAndThePicturesSharp) {
  ProgramFolder folder;
  FakeDesktop desktop;
  desktop.width = int(1920 / Ratio());
  desktop.height = int(1080 / Ratio());
  Window w(folder, desktop);
  // At 1.5, where twice the board would not fit, it keeps its usual size rather than 2/3 of it.
  if (Ratio() < 2) {
    EXPECT_EQ(w->boardImage()->size(), QSize(704, 468));
  }
  EXPECT_LE(w->width(), desktop.width);
  QMenuBar* bar = w->menuBar();
  for (QAction* a : bar->actions()) {
    if (a->isVisible()) {
      EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(a))) << a->text().toStdString();
    }
  }
  auto* more = bar->findChild<QToolButton*>("qt_menubar_ext_button");
  EXPECT_TRUE(more == nullptr || !more->isVisible()) << "menus behind the menu bar's extension";
  auto* status = w->findChild<StatusBar*>();
  ASSERT_NE(status, nullptr);
  for (QLabel* field : status->findChildren<QLabel*>()) {
    if (field->isVisible()) {
      EXPECT_TRUE(status->rect().contains(field->geometry())) << field->text().toStdString();
    }
  }
  for (QAction* a : w->findChildren<QAction*>()) {
    if (!a->icon().isNull()) {
      EXPECT_GE(a->icon().pixmap(QSize(16, 16), Ratio()).width(), int(std::ceil(16 * Ratio())))
          << a->text().toStdString();
    }
  }
}

}  // namespace
}  // namespace sorimo::testing
