#include "app/window/welcome_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "app/window/command_table.h"

namespace sorimo {

namespace {
// A group's height on the panel; the panel is made for the classic group and three more.
constexpr int kGroupHeight = 57;
constexpr int kGroupsFitted = 4;
}  // namespace

WelcomePanel::WelcomePanel(QWidget* parent, const std::vector<const char*>& arcadeGroups) : QFrame(parent) {
  setObjectName("Welcome");
  const int extra = std::max(0, 1 + int(arcadeGroups.size()) - kGroupsFitted);
  setFixedSize(kWidth, kHeight + extra * kGroupHeight);
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setStyleSheet(
      "#Welcome { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a0d0d, stop:1 #140404);"
      " border: 2px solid #c9a227; border-radius: 10px; }"
      "QGroupBox { color: #f3d27a; font-weight: bold; border: 1px solid #7a5a1a; border-radius: 6px;"
      " margin-top: 9px; padding-top: 4px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
      "QPushButton { color: #2a1200; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4d6,"
      " stop:1 #e8c987); border: 1px solid #8a6420; border-radius: 4px; padding: 3px 6px; }"
      "QPushButton:hover { background: #fff8e4; }"
      "QPushButton:disabled { color: #9a8868; background: #5a4030; border-color: #6a5030; }"
      "QPushButton:default { border: 2px solid #f3d27a; }"
      "QLabel { color: #ffe9a8; }");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 10, 14, 12);
  layout->setSpacing(5);
  auto* welcome = new QLabel("Welcome to", this);
  welcome->setAlignment(Qt::AlignCenter);
  QFont f = welcome->font();
  f.setPointSize(11);
  welcome->setFont(f);
  auto* title = new QLabel("Sorimo !", this);
  title->setAlignment(Qt::AlignCenter);
  QFont tf = title->font();
  tf.setPointSize(20);
  tf.setBold(true);
  title->setFont(tf);
  title->setStyleSheet("color: #ffd24a;");
  layout->addWidget(welcome);
  layout->addWidget(title);

  std::vector<const char*> captions{"Mah-Jongg Tile-Matching Solitaire"};
  captions.insert(captions.end(), arcadeGroups.begin(), arcadeGroups.end());
  captions.push_back("Others");
  for (const char* caption : captions) {
    auto* box = new QGroupBox(caption, this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grids_.push_back(grid);
    layout->addWidget(box);
  }
}

QPushButton* WelcomePanel::addButton(int slot, const char* name, const char* caption) {
  const bool game = slot < kOthersSlot;
  QGridLayout* grid = grids_[game ? std::min(size_t(slot - 1) / 2, grids_.size() - 2) : grids_.size() - 1];
  const int column = game ? (slot - 1) % 2 : slot - kOthersSlot;
  auto* b = new QPushButton(caption, grid->parentWidget());
  b->setObjectName(name);
  b->setCursor(Qt::PointingHandCursor);
  grid->addWidget(b, 0, column);
  if (slot == 1) b->setDefault(true);
  buttons_[name] = b;
  return b;
}

}  // namespace sorimo
