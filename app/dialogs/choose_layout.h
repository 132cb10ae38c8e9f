// The layout chooser "Choose a new layout..." and its expanded view "Choose a Layout": every
// layout of the Layout menu, listed and pictured, to play, edit, or begin a new one. Under
// the picture it tells how often the layout's plain deals can be cleared, measured by the
// solver on a thread of its own and kept in a cache file, so the window never waits for it.
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/dialogs/clearing_share_worker.h"
#include "layouts/clearing_share_cache.h"
#include "layouts/layout_reader.h"

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace sorimo {

struct ChooseLayoutModel {
  std::vector<std::string> names;                   // the Layout menu's entries, in order
  std::function<LayoutReadResult(int index)> read;  // the layout of entry index (0-based)
  std::function<QImage(const LayoutCells&)> picture;  // the mini-board of some cells
  // The layout editor, opened on entry index or on an empty layout; empty while the program
  // has no editor (the buttons are then disabled).
  std::function<void(int index)> edit;
  std::function<void()> create;
  bool vertical = false;   // the Vertical Variation is on: the shares are measured under its rule
  std::string shareCache;  // the file that keeps measured shares between runs; empty: this run only
};

// "Can be cleared in N % of deals" for a measured percent.
QString ClearableShareText(int percent);

class TChooseLayout : public QDialog {
  Q_OBJECT
 public:
  TChooseLayout(QWidget* parent, ChooseLayoutModel model);
  // After exec() returned Accepted: the entry to play (0-based).
  int chosen() const { return chosen_; }

  // The controls, for the tests.
  QListWidget* list() const { return LayoutList; }
  QLabel* preview() const { return Preview; }
  QLabel* fullName() const { return LayoutN; }
  QPushButton* playButton() const { return BitBtn1; }
  QPushButton* expandButton() const { return BitBtn5; }
  QPushButton* editButton() const { return BitBtn3; }
  QLabel* share() const { return Share; }
  // The expanded view is built and run by this; tests may replace how it runs (it returns the
  // view's result: QDialog::Accepted with the picture's index, kReduce, or Rejected).
  static constexpr int kReduce = 3;
  std::function<int(class TExtendedChoose& view)> runExpanded;

  void LayoutListClick();
  void BitBtn1Click();
  void BitBtn5Click();

 private:
  // What the share line says for these cells, asking the worker for it when it is not known.
  void ShowShare(const LayoutCells& cells);
  void ShareMeasured(const std::string& key, int percent);
  QString ShareText(const std::string& key) const;

  ChooseLayoutModel model_;
  LayoutCells PreviewGrid{};
  bool playable_ = false;  // the selected entry's file was read as a layout
  QImage picture_;         // the selected entry's mini-board (no tiles when it could not be read)
  QString fault_;          // why the selected entry could not be read; empty when it was
  int chosen_ = -1;
  QListWidget* LayoutList;
  QLabel* Preview;
  QLabel* LayoutN;
  QPushButton* BitBtn1;
  QPushButton* BitBtn5;
  QPushButton* BitBtn3;
  QLabel* Share;
  ClearingShareCache shares_;
  std::string previewKey_;          // the share the line waits for; empty: none
  std::vector<ShareJob> pending_;   // asked of the worker and not answered yet, the next first
  std::vector<std::string> entryKeys_;  // each entry's key once read ("" when it has no share)
  class TExtendedChoose* expanded_ = nullptr;  // while the expanded view is open
  std::unique_ptr<ClearingShareWorker> worker_;  // last: stopped before the rest goes
};

class TExtendedChoose : public QDialog {
  Q_OBJECT
 public:
  // pictures[i] is entry i's mini-board, names[i] its entry in the list; playable[i] whether
  // clicking it can play it.
  TExtendedChoose(QWidget* parent, const std::vector<QImage>& pictures, const std::vector<QString>& names,
                  const std::vector<bool>& playable);
  int ChosenLayoutIndex = -1;
  int scrollRange() const { return scrollRange_; }
  // A picture clicked: it is the choice and the view closes.
  void ScrollClick(int index);
  // The picture's tooltip: its entry's name, then `text` (the share of clearable deals, or why
  // the file could not be read) on a line of its own.
  void SetCaption(int index, const QString& text);
  QString caption(int index) const;

 private:
  std::vector<QString> names_;
  std::vector<bool> playable_;
  int scrollRange_ = 0;
  std::vector<QWidget*> pictures_;  // in entry order, for the arrow keys
  QScrollArea* scroll_ = nullptr;
};

}  // namespace sorimo
