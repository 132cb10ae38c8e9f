// The help commands on the real window: the page each opens, the tiles it shows, and the game
// waiting meanwhile. The help window is modal; the tests act on it from inside its event loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/dialogs/help_form.h"
#include "app/dialogs/pixel_image.h"
#include "app/dialogs/tile_overview.h"
#include "app/window/command_table.h"
#include "app/window/status_bar.h"
#include "app/window/welcome_panel.h"
#include "help/help_file.h"
#include "tests/window/window_test_support.h"
#include "view/tileset_layout.h"

namespace sorimo::testing {
namespace {

// Runs open(), which should show the help window modally; once it is on screen, runs during()
// and closes it with "Return to Sorimo". Fails if it never opened.
void WhileHelpOpen(const std::function<void()>& open, const std::function<void(THelpForm&)>& during) {
  bool opened = false, finished = false;
  std::function<void()> poll = [&] {
    if (finished) return;
    auto* form = qobject_cast<THelpForm*>(QApplication::activeModalWidget());
    if (!form) {
      QTimer::singleShot(0, poll);  // not shown yet
      return;
    }
    opened = true;
    during(*form);
    form->SpeedButton1->click();
  };
  QTimer::singleShot(0, poll);
  open();
  finished = true;
  EXPECT_TRUE(opened) << "the help window did not open";
  QApplication::processEvents();
}

TEST(WindowHelp, EachCommandOpensItsOwnPageWhicheverWasShownLast) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  struct Opening {
    const char* what;
    std::function<void()> open;
    HelpPage page;
  };
  const std::vector<Opening> openings = {
      {"View Tiles", [&] { w->action("ViewTiles1")->trigger(); }, HelpPage::Tiles},
      {"Contents", [&] { w->action("Contents1")->trigger(); }, HelpPage::Help},
      {"French Help", [&] { w->action("French1")->trigger(); }, HelpPage::French},
      {"the welcome button", [&] { w->welcome()->button("BitBtn8")->click(); }, HelpPage::Help},
      {"What's New", [&] { w->action("WhatsNew1")->trigger(); }, HelpPage::WhatsNew},
      {"the toolbar's ?", [&] { w->toolButton("HelpButton")->click(); }, HelpPage::Help},
      {"View Tiles again", [&] { w->action("ViewTiles1")->trigger(); }, HelpPage::Tiles},
  };
  for (const Opening& o : openings) {
    WhileHelpOpen(o.open, [&](THelpForm& form) {
      EXPECT_EQ(form.page(), o.page) << o.what;
      EXPECT_TRUE(form.isVisible());
      EXPECT_EQ(form.windowTitle(), "Sorimo Help ");
      // The player looks at another page before closing; the next command must not care.
      form.ShowPage(o.page == HelpPage::WhatsNew ? HelpPage::French : HelpPage::WhatsNew);
    });
    EXPECT_FALSE(w->helpForm()->isVisible()) << o.what;
  }
  // The one window is kept between openings, its texts read once at start-up.
  EXPECT_EQ(w->findChildren<THelpForm*>().size(), 1u);
  EXPECT_TRUE(w->helpForm()->RichEdit->toPlainText().contains("Keys at a glance"));
  EXPECT_TRUE(w->helpForm()->RichEdit2->toPlainText().contains("Version 6.21"));
}

// The faces the overview shows, compared with the faces of the renderer's texture now.
void ExpectOverviewOf(const THelpForm& form, const QImage& texture, const char* when) {
  const QImage shown = form.Pai->pixmap().toImage();
  ASSERT_EQ(shown.size(), QSize(kOverviewWidth, kOverviewHeight)) << when;
  for (int face = 1; face <= 42; ++face) {
    const QPoint at = OverviewFacePosition(face);
    const TilesetPoint sprite = TextureSprite(FaceCellOf(face));
    for (int dy = 0; dy < kOverviewFaceHeight; dy += 7)
      for (int dx = 0; dx < kOverviewFaceWidth; dx += 3)
        ASSERT_EQ(shown.pixel(at + QPoint(dx, dy)), texture.pixel(sprite.x + kEdge + dx, sprite.y + 1 + dy) | 0xFF000000)
            << when << ": face " << face << " at " << dx << "," << dy << " (opaque, as on the board)";
  }
}

TEST(WindowHelp, TheTilesPageShowsTheTilesetInUseAtEachOpening) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  const QImage blue = ImageOf(w->renderer().texture());
  WhileHelpOpen([&] { w->action("ViewTiles1")->trigger(); },
                [&](THelpForm& form) { ExpectOverviewOf(form, blue, "the first tileset"); });

  w->action("MahJongg1")->trigger();  // "Orange borders"
  const QImage orange = ImageOf(w->renderer().texture());
  ASSERT_NE(orange, blue);
  WhileHelpOpen([&] { w->action("ViewTiles1")->trigger(); }, [&](THelpForm& form) {
    ExpectOverviewOf(form, orange, "after the tileset changed");
    EXPECT_FALSE(form.PaiPanel->isHidden());
  });
}

TEST(WindowHelp, AGameWaitsWhileTheHelpIsOpenAndGoesOnWhereItWas) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  StartClassic(w);
  Game& g = w->game();
  const BoardGrid dealt = g.board().Grid();
  desktop.now += 30 * 1000;
  w.Tick();
  ASSERT_EQ(w->statusLine()->time(), "00:30");
  WhileHelpOpen([&] { w->action("Contents1")->trigger(); }, [&](THelpForm&) {
    EXPECT_EQ(g.GameMode, ModePaused);
    EXPECT_EQ(w->action("Pause1")->text(), "&Continue");
    desktop.now += 10 * 60 * 1000;  // ten minutes of reading
    w.Tick();
  });
  EXPECT_EQ(g.GameMode, ModeClassic);
  EXPECT_TRUE(g.board().Grid() == dealt);
  w.Tick();
  EXPECT_EQ(w->statusLine()->time(), "00:30") << "the time spent reading is not counted";
}

TEST(WindowHelp, AMissingDocumentIsOneLineOnItsPageAndTheProgramStarts) {
  ProgramFolder folder;
  std::filesystem::remove(folder.path() / "whatsnew.rtf");
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_EQ(w->helpForm()->RichEdit2->toPlainText(), "Cannot open whatsnew.rtf: No such file or directory.");
  EXPECT_TRUE(w->helpForm()->RichEdit->toPlainText().startsWith("Sorimo"));
}

// The manual goes stale when a command is added without a word about it.
TEST(HelpManual, NamesEveryCommandOfTheMenus) {
  const HelpFile manual = ReadHelpFile(std::string(SORIMO_SOURCE_DATA) + "/sorimo.rtf", "sorimo.rtf");
  ASSERT_TRUE(manual.ok) << manual.message;
  const std::string text = manual.document.PlainText();
  auto expectNamed = [&](const char* caption) {
    std::string plain;
    for (const char* c = caption; *c; ++c)
      if (*c != '&') plain += *c;
    EXPECT_NE(text.find(plain), std::string::npos) << "the manual never names \"" << plain << "\"";
  };
  for (const CommandRow& row : CommandTable()) {
    if (row.group) {
      for (const ChoiceRow& c : row.group->rows) expectNamed(c.caption);
    } else if (row.name && !row.hidden) {
      expectNamed(row.caption);
    }
    if (row.tool.slot) expectNamed(row.tool.caption);
    if (row.welcome.slot) expectNamed(row.welcome.caption);
  }
}

}  // namespace
}  // namespace sorimo::testing
