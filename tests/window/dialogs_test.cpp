// The dialogs opened on their own, from nothing but their small models.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QGlyphRun>
#include <QTextLayout>
#include <QTimer>
#include <QTest>
#include <deque>
#include <filesystem>
#include <unistd.h>

#include "app/dialogs/choose_layout.h"
#include "app/dialogs/game_over_form.h"
#include "app/dialogs/hall_window.h"
#include "app/dialogs/random_window.h"
#include "app/dialogs/transparent_image.h"
#include "app/window/desktop_services.h"
#include "engine/game.h"
#include "layouts/clearing_share.h"

namespace sorimo {
namespace {

struct HallFixture {
  HallTable table;
  std::string player = "Player1";
  std::vector<std::string> layouts = {"Alpha", "Beta", "Gamma"};
  std::deque<bool> answers;
  int panelRedraws = 0, resets = 0, entriesGone = 0;

  HallWindowModel Model(int column, bool afterWin = false, int newEntryRank = 0) {
    return {.table = table,
            .playerName = player,
            .layoutNames = layouts,
            .column = column,
            .afterWin = afterWin,
            .newEntryRank = newEntryRank,
            .backdrop = {},
            .askOkCancel = [this](const std::string&, const std::string&) {
              const bool a = answers.front();
              answers.pop_front();
              return a;
            },
            .panelChanged = [this] { ++panelRedraws; },
            .listReset = [this] { ++resets; },
            .newEntryGone = [this] { ++entriesGone; }};
  }
};

TEST(HallWindowAlone, ListsLayoutsThenArcadeGamesAndTellsTheOwnerAboutResets) {
  HallFixture f;
  int rank = 0;
  ASSERT_TRUE(AddHall(f.table, 2, 100, 0, "Mei", rank));
  THallWindow hall(nullptr, f.Model(2));
  ASSERT_EQ(hall.LayoutComboBox->count(), 9);
  EXPECT_EQ(hall.LayoutComboBox->itemText(1), "Beta Layout");
  EXPECT_EQ(hall.LayoutComboBox->currentIndex(), 1);
  EXPECT_EQ(hall.ColumnOfEntry(3), kRiversEasyColumn);
  EXPECT_EQ(hall.ColumnOfEntry(8), kClicksHardColumn);
  EXPECT_EQ(hall.ColumnOfEntry(9), -1);
  EXPECT_EQ(hall.EntryOfColumn(kMemoryHardColumn), 6);
  EXPECT_EQ(hall.Names[0]->text(), "Mei     ");
  EXPECT_EQ(hall.PlayerName->text(), "Player1");

  // Cancelled: the list stays, and still the panel and the board are told to look again.
  f.answers = {false, true};
  hall.DeleteHighscoresClick();
  EXPECT_EQ(HallEntryTotal(f.table.At(1, 2)), 100);
  EXPECT_EQ(f.panelRedraws, 1);
  EXPECT_EQ(f.resets, 1);
  hall.DeleteHighscoresClick();
  EXPECT_EQ(hall.Names[0]->text(), "---     ");
  EXPECT_EQ(f.resets, 2);

  // Outside a won game the name is only the one the next entry gets; a leading blank shows.
  hall.PlayerName->clear();
  QTest::keyClicks(hall.PlayerName, " Lin");
  EXPECT_EQ(f.player, "-Lin");
  hall.PlayerName->selectAll();
  QTest::keyClick(hall.PlayerName, Qt::Key_Backspace);
  EXPECT_EQ(f.player, "-");
  EXPECT_EQ(f.panelRedraws, 2);
}

// After a win, resetting the list takes the new entry with it: the name typed afterwards
// renames nothing, and no placeholder becomes a result.
TEST(HallWindowAlone, AResetAfterAWinForgetsTheNewEntry) {
  HallFixture f;
  int rank = 0;
  ASSERT_TRUE(AddHall(f.table, 1, 300, 0, "Mei", rank));
  THallWindow hall(nullptr, f.Model(1, true, rank));
  f.answers = {true};
  hall.DeleteHighscoresClick();
  EXPECT_EQ(f.entriesGone, 1);
  hall.PlayerName->selectAll();
  QTest::keyClicks(hall.PlayerName, "ZedX");
  for (int r = 1; r <= kHallRanks; ++r) EXPECT_TRUE(IsPlaceholderEntry(f.table.At(r, 1))) << f.table.At(r, 1);
}

TEST(GameOverFormAlone, ShowsTheTimeTheHallLineAndTheGirlOverItsOwnColour) {
  QImage girl(92, 166, QImage::Format_RGB32);
  girl.fill(kGirlTransparent);
  girl.setPixel(50, 60, qRgb(200, 10, 10));
  for (const bool entersHall : {false, true}) {
    // A result kept out of the hall whatever its time says why, whole.
    TGameOverForm form(nullptr, {"Your final time is 03:07", entersHall, entersHall ? "" : SolverUsedNoHallText, girl});
    EXPECT_EQ(form.FinalTime->text(), "Your final time is 03:07");
    EXPECT_EQ(form.EnterFame->isHidden(), !entersHall);
    EXPECT_EQ(form.NoHall->isHidden(), entersHall);
    if (!entersHall) {
      form.show();
      EXPECT_EQ(form.NoHall->text(), SolverUsedNoHallText);
      EXPECT_GE(form.NoHall->height(), form.NoHall->heightForWidth(form.NoHall->width())) << "the reason is cut";
      EXPECT_LE(form.NoHall->geometry().bottom(), form.height());
    }
    QImage shown;
    for (QLabel* l : form.findChildren<QLabel*>())
      if (!l->pixmap().isNull()) shown = l->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(92, 166));
    EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, 0x3a100cu);  // the key colour lets the dialog show
    EXPECT_EQ(shown.pixel(50, 60) & 0xFFFFFF, 0xc80a0au);
  }
}

TEST(RandomWindowAlone, EditsTheGameNumberItIsGiven) {
  int32_t seed = 77;
  Random generator;
  TRandomWindow w(nullptr, {seed, generator});
  EXPECT_EQ(w.edit()->text(), "77");
  w.edit()->clear();
  QTest::keyClicks(w.edit(), "4321");
  EXPECT_EQ(seed, 4321);
  w.edit()->selectAll();
  QTest::keyClick(w.edit(), Qt::Key_Backspace);
  EXPECT_EQ(seed, 4321) << "an emptied field changes nothing";
  w.NewRandomSeed();
  EXPECT_GE(seed, 1);
  EXPECT_LE(seed, 999999999);
  EXPECT_EQ(w.edit()->text(), QString::number(seed));
  w.edit()->setText(" 12 ");
  w.Confirm();
  EXPECT_EQ(seed, 12);
  EXPECT_EQ(w.result(), QDialog::Accepted);
}

// What went wrong is shown with the warning icon, the text as given.
TEST(RealDesktopAlone, ErrorsUseTheWarningIcon) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    icon = box->icon();
    text = box->text();
    box->accept();
  });
  RealDesktop(nullptr).warn("Sorimo", "\"/x/pai.bmp\": not a bitmap");
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(text, "\"/x/pai.bmp\": not a bitmap");
}

// Enter in a question presses the button its caller names: the safe one where the other
// throws work away.
TEST(RealDesktopAlone, EnterPressesTheButtonTheQuestionNames) {
  for (const EnterAnswers enter : {EnterAnswers::Refuse, EnterAnswers::Accept})
    for (const bool yesNo : {true, false}) {
      QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Return);
      });
      EXPECT_EQ(RealDesktop(nullptr).ask("Sorimo", "Quit anyway?", yesNo, enter), enter == EnterAnswers::Accept)
          << yesNo;
    }
}

// Seven layouts; entry 4 ("Broken") cannot be read. Each picture is a solid colour naming
// the number of tiles, so the tests can tell which layout is shown.
struct ChooserFixture {
  std::vector<std::string> names = {"Alpha", "Beta", "Gamma", "Delta", "Broken", "Zeta", "Eta"};
  static constexpr char kBroken[] = "Broken.lay is not a valid layout file: it is empty.";
  int reads = 0;
  ChooseLayoutModel Model() {
    return {.names = names,
            .read =
                [this](int index) {
                  ++reads;
                  LayoutReadResult r;
                  if (names[size_t(index)] == "Broken") {
                    r.message = kBroken;
                    return r;
                  }
                  r.status = LayoutReadStatus::Loaded;
                  r.name = "The " + names[size_t(index)];
                  for (int k = 0; k <= index; ++k) r.cells.set(2 + 2 * k, 2, 1, 1);
                  return r;
                },
            .picture =
                [](const LayoutCells& cells) {
                  QImage image(206, 138, QImage::Format_RGB32);
                  image.fill(QColor(cells.count(), 0, 0));
                  return image;
                },
            .edit = {},
            .create = {},
            .vertical = false,
            .shareCache = {}};
  }
};

int TilesShown(const TChooseLayout& chooser) { return qRed(chooser.preview()->pixmap().toImage().pixel(5, 5)); }

TEST(ChooseLayoutAlone, OpensOnTheFirstEntryAndPlaysOnlyWhatItCouldRead) {
  ChooserFixture f;
  TChooseLayout chooser(nullptr, f.Model());
  EXPECT_EQ(chooser.windowTitle(), "Choose a new layout...");
  EXPECT_EQ(chooser.list()->count(), 7);
  EXPECT_EQ(chooser.list()->currentRow(), 0);
  EXPECT_EQ(TilesShown(chooser), 1);
  EXPECT_EQ(chooser.fullName()->text(), "The Alpha");
  chooser.list()->setCurrentRow(2);
  EXPECT_EQ(TilesShown(chooser), 3);
  EXPECT_EQ(chooser.fullName()->text(), "The Gamma");

  // An entry that cannot be read: the reason stands in place of the picture, and there is
  // nothing to play.
  chooser.list()->setCurrentRow(4);
  EXPECT_EQ(chooser.preview()->text(), ChooserFixture::kBroken);
  EXPECT_FALSE(chooser.playButton()->isEnabled());
  chooser.BitBtn1Click();
  EXPECT_EQ(chooser.result(), QDialog::Rejected);
  EXPECT_EQ(chooser.chosen(), -1);

  // A file named in Japanese or Chinese is listed in its own letters, not boxes: every glyph
  // is found in a font (glyph 0 is the box of a missing one).
  QTextLayout japanese(QString::fromUtf8("日本の庭 东方"), chooser.list()->font());
  japanese.beginLayout();
  japanese.createLine();
  japanese.endLayout();
  int glyphs = 0;
  for (const QGlyphRun& run : japanese.glyphRuns())
    for (const quint32 glyph : run.glyphIndexes()) {
      EXPECT_NE(glyph, 0u) << run.rawFont().familyName().toStdString();
      ++glyphs;
    }
  EXPECT_GE(glyphs, 6);

  chooser.list()->setCurrentRow(5);
  EXPECT_TRUE(chooser.playButton()->isEnabled());
  chooser.playButton()->click();
  EXPECT_EQ(chooser.result(), QDialog::Accepted);
  EXPECT_EQ(chooser.chosen(), 5);
}

QPushButton* ButtonCalled(const QWidget& parent, const QString& text) {
  for (QPushButton* b : parent.findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

TEST(ChooseLayoutAlone, ADoubleClickPlaysAndEditOrCreateLeaveWithoutAGame) {
  ChooserFixture f;
  TChooseLayout chooser(nullptr, f.Model());
  chooser.show();
  QListWidgetItem* item = chooser.list()->item(3);
  const QRect rect = chooser.list()->visualItemRect(item);
  QTest::mouseClick(chooser.list()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
  QTest::mouseDClick(chooser.list()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
  EXPECT_EQ(chooser.result(), QDialog::Accepted);
  EXPECT_EQ(chooser.chosen(), 3);

  // Without an editor the two buttons are off; with one, each opens it and no game starts.
  EXPECT_FALSE(ButtonCalled(chooser, "Edit")->isEnabled());
  EXPECT_FALSE(ButtonCalled(chooser, "Create")->isEnabled());
  int edited = -1, created = 0;
  ChooseLayoutModel model = f.Model();
  model.edit = [&](int index) { edited = index; };
  model.create = [&] { ++created; };
  TChooseLayout withEditor(nullptr, model);
  withEditor.list()->setCurrentRow(2);
  ButtonCalled(withEditor, "Edit")->click();
  EXPECT_EQ(edited, 2);
  EXPECT_EQ(withEditor.result(), QDialog::Rejected);
  EXPECT_EQ(withEditor.chosen(), -1);
  EXPECT_TRUE(withEditor.editButton()->isEnabled());
  withEditor.list()->setCurrentRow(4);  // cannot be read: nothing to edit
  EXPECT_FALSE(withEditor.editButton()->isEnabled());
  edited = -1;
  ButtonCalled(withEditor, "Edit")->click();
  EXPECT_EQ(edited, -1);
  ButtonCalled(withEditor, "Create")->click();
  EXPECT_EQ(created, 1);
  EXPECT_EQ(withEditor.chosen(), -1);
}

TEST(ChooseLayoutAlone, TheExpandedViewPicturesEveryLayoutThreeARow) {
  ChooserFixture f;
  TChooseLayout chooser(nullptr, f.Model());
  int range = 0;
  // "<< Reduce": back in the chooser, on the last entry.
  chooser.runExpanded = [&](TExtendedChoose& view) {
    range = view.scrollRange();
    EXPECT_EQ(view.windowTitle(), "Choose a Layout");
    // Each picture is named; one that cannot be read says why.
    EXPECT_EQ(view.caption(1).section('\n', 0, 0), "Beta");
    EXPECT_EQ(view.caption(4), QString("Broken\n") + ChooserFixture::kBroken);
    view.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    // The frame around the first picture shows whole, though the second overlaps it.
    QScrollArea* scroll = view.findChild<QScrollArea*>();
    const QImage shown = scroll->widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(203, 60), QColor(255, 200, 0)) << "the right side of the focus frame";
    // The scroll bar has its arrows: one is drawn in its lower button, and a click there scrolls
    // by a step, not a page.
    QScrollBar* bar = scroll->verticalScrollBar();
    const int side = bar->width();
    const QImage end = bar->grab().toImage().copy(0, bar->height() - side, side, side);
    QSet<QRgb> inside;  // within the lower button, clear of its outline
    for (int y = 3; y < side - 3; ++y)
      for (int x = 3; x < side - 3; ++x) inside.insert(end.pixel(x, y));
    EXPECT_GT(inside.size(), 1) << "an arrow drawn in the scroll bar's lower button";
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - 3));
    EXPECT_EQ(bar->value(), bar->singleStep());
    return TChooseLayout::kReduce;
  };
  chooser.expandButton()->click();
  EXPECT_EQ(range, 3 * 139) << "three rows: 3, 3 and 1 pictures";
  EXPECT_EQ(chooser.list()->currentRow(), 6);
  EXPECT_EQ(TilesShown(chooser), 7);
  EXPECT_EQ(chooser.fullName()->text(), "The Eta");

  // A picture clicked plays its layout; the picture of a file that could not be read does not.
  chooser.runExpanded = [](TExtendedChoose& view) {
    view.ScrollClick(4);
    EXPECT_EQ(view.ChosenLayoutIndex, -1);
    view.ScrollClick(1);
    return view.result();
  };
  chooser.expandButton()->click();
  EXPECT_EQ(chooser.result(), QDialog::Accepted);
  EXPECT_EQ(chooser.chosen(), 1);

  // The keyboard alone: the first picture has the focus, the arrows move it three a row,
  // Enter chooses; an entry that cannot be read is not chosen.
  chooser.runExpanded = [](TExtendedChoose& view) {
    view.show();
    EXPECT_NE(view.focusWidget(), nullptr);  // the first picture
    if (view.focusWidget() == nullptr) return int(QDialog::Rejected);
    QTest::keyClick(view.focusWidget(), Qt::Key_Down);   // entry 3
    QTest::keyClick(view.focusWidget(), Qt::Key_Right);  // entry 4: "Broken"
    QTest::keyClick(view.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(view.ChosenLayoutIndex, -1);
    QTest::keyClick(view.focusWidget(), Qt::Key_Right);  // entry 5
    QTest::keyClick(view.focusWidget(), Qt::Key_Space);
    return view.result();
  };
  chooser.expandButton()->click();
  EXPECT_EQ(chooser.chosen(), 5);

  // Cancel in the expanded view closes the chooser too.
  TChooseLayout again(nullptr, f.Model());
  again.runExpanded = [](TExtendedChoose&) { return int(QDialog::Rejected); };
  again.expandButton()->click();
  EXPECT_EQ(again.result(), QDialog::Rejected);
  EXPECT_EQ(again.chosen(), -1);
}

// The share of clearable deals: measured off the window's thread while the player goes on
// choosing, shown when ready, kept in the cache file for the next chooser, measured again under
// the vertical rule, and shown in the expanded view too.
TEST(ChooseLayoutAlone, TheShareOfClearableDealsAppearsWhileTheWindowAnswers) {
  const LayoutReadResult traditional =
      LoadLayoutFile(std::filesystem::path(SORIMO_SOURCE_DATA) / "Layouts" / "Traditional.lay");
  ASSERT_EQ(traditional.status, LayoutReadStatus::Loaded);
  ChooserFixture f;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("sorimo_shares_" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  ChooseLayoutModel model = f.Model();
  const auto read = model.read;
  model.read = [&](int index) {
    LayoutReadResult r = read(index);
    if (index == 0) r.cells = traditional.cells;
    return r;
  };
  model.shareCache = (folder / "cache" / "LayoutShares.txt").string();

  TChooseLayout chooser(nullptr, model);
  chooser.show();
  EXPECT_EQ(chooser.share()->text(), "Measuring how often it can be cleared...");
  // Meanwhile the window answers: the arrow keys move through the list and the picture follows.
  QTest::keyClick(chooser.list(), Qt::Key_Down);
  EXPECT_EQ(chooser.list()->currentRow(), 1);
  EXPECT_EQ(TilesShown(chooser), 2);
  QTest::keyClick(chooser.list(), Qt::Key_Down);  // three tiles: never dealt, no share
  EXPECT_EQ(chooser.share()->text(), "");
  QTest::keyClick(chooser.list(), Qt::Key_Up);
  QTRY_COMPARE_WITH_TIMEOUT(chooser.share()->text(), ClearableShareText(100), 20000);  // two matching tiles
  QTest::keyClick(chooser.list(), Qt::Key_Up);
  EXPECT_EQ(TilesShown(chooser), 144);
  const int percent = MeasureClearingShare(traditional.cells, false, kShareSampleDeals, kShareSampleNodes).Percent();
  ASSERT_GT(percent, 50);
  QTRY_COMPARE_WITH_TIMEOUT(chooser.share()->text(), ClearableShareText(percent), 60000);

  // A new chooser reads the share from the cache at once; the vertical rule has shares of its own.
  TChooseLayout cached(nullptr, model);
  EXPECT_EQ(cached.share()->text(), ClearableShareText(percent));
  cached.runExpanded = [&](TExtendedChoose& view) {
    EXPECT_EQ(view.caption(0), "Alpha\n" + ClearableShareText(percent));
    EXPECT_EQ(view.caption(4), QString("Broken\n") + ChooserFixture::kBroken) << "no share: why it cannot be read";
    return int(QDialog::Rejected);
  };
  cached.expandButton()->click();
  model.vertical = true;
  TChooseLayout vertical(nullptr, model);
  EXPECT_EQ(vertical.share()->text(), "Measuring how often it can be cleared...");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace sorimo
