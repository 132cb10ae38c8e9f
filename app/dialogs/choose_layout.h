// The layout chooser "Choose a new layout..." and its expanded view "Choose a Layout": every
// layout of the Layout menu, listed and pictured, to play, edit, or begin a new one.
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

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
  std::function<void(const std::string&)> showError;
  // The layout editor, opened on entry index or on an empty layout; empty while the program
  // has no editor (the buttons are then disabled).
  std::function<void(int index)> edit;
  std::function<void()> create;
};

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
  // The expanded view is built and run by this; tests may replace how it runs (it returns the
  // view's result: QDialog::Accepted with the picture's index, kReduce, or Rejected).
  static constexpr int kReduce = 3;
  std::function<int(class TExtendedChoose& view)> runExpanded;

  void LayoutListClick(bool report = true);
  void BitBtn1Click();
  void BitBtn5Click();

 private:
  ChooseLayoutModel model_;
  LayoutCells PreviewGrid{};
  bool playable_ = false;  // the selected entry's file was read as a layout
  int chosen_ = -1;
  QListWidget* LayoutList;
  QLabel* Preview;
  QLabel* LayoutN;
  QPushButton* BitBtn1;
  QPushButton* BitBtn5;
};

class TExtendedChoose : public QDialog {
  Q_OBJECT
 public:
  // pictures[i] is entry i's mini-board; playable[i] whether clicking it can play it.
  TExtendedChoose(QWidget* parent, const std::vector<QImage>& pictures, const std::vector<bool>& playable);
  int ChosenLayoutIndex = -1;
  int scrollRange() const { return scrollRange_; }
  // A picture clicked: it is the choice and the view closes.
  void ScrollClick(int index);

 private:
  std::vector<bool> playable_;
  int scrollRange_ = 0;
  std::vector<QWidget*> pictures_;  // in entry order, for the arrow keys
  QScrollArea* scroll_ = nullptr;
};

}  // namespace sorimo
