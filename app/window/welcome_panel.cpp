#include "app/window/welcome_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace sorimo {

namespace {
struct ButtonSpec {
  const char* name;
  const char* caption;
};
struct GroupSpec {
  const char* caption;
  ButtonSpec first, second;
};
constexpr GroupSpec kGroups[] = {
    {"Mah-Jongg Tile-Matching Solitaire", {"BitBtn1", "Classic"}, {"BitBtn2", "Two Players"}},
    {"Mah-Jongg Rivers", {"BitBtn3", "Easy (84 tiles)"}, {"BitBtn4", "Hard (144 tiles)"}},
    {"Mah-Jongg Memory", {"BitBtn5", "Easy (32 tiles)"}, {"BitBtn6", "Hard (84 tiles)"}},
    {"Mah-Jongg Clicks", {"BitBtn7", "Easy (4 colors)"}, {"BitBtn10", "Hard (6 colors)"}},
};
}  // namespace

WelcomePanel::WelcomePanel(QWidget* parent) : QFrame(parent) {
  setObjectName("Welcome");
  setFixedSize(kWidth, kHeight);
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

  auto addGroup = [&](const char* caption, std::initializer_list<ButtonSpec> specs, int columns) {
    auto* box = new QGroupBox(caption, this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    int i = 0;
    for (const ButtonSpec& s : specs) {
      auto* b = new QPushButton(s.caption, box);
      b->setObjectName(s.name);
      b->setCursor(Qt::PointingHandCursor);
      grid->addWidget(b, i / columns, i % columns);
      buttons_[s.name] = b;
      ++i;
    }
    layout->addWidget(box);
  };
  for (const GroupSpec& g : kGroups) addGroup(g.caption, {g.first, g.second}, 2);
  addGroup("Others", {{"BitBtn8", "Help"}, {"BitBtn11", "Hall"}, {"BitBtn12", "About"}, {"BitBtn9", "Exit"}}, 4);
  buttons_.at("BitBtn1")->setDefault(true);
}

}  // namespace sorimo
