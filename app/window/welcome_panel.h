// The welcome panel shown over the board while no game runs: one button per game, in four
// game groups and the group "Others".
#pragma once

#include <QFrame>
#include <QPushButton>
#include <array>
#include <map>
#include <string>

class QGridLayout;

namespace sorimo {

class WelcomePanel : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kWidth = 329, kHeight = 385;
  explicit WelcomePanel(QWidget* parent);
  // Adds a button in its place: slots 1 to 8 fill the four game groups two by two (classic,
  // Rivers, Memory, Clicks), slots 9 and up the group "Others", one row of four.
  QPushButton* addButton(int slot, const char* name, const char* caption);
  // The buttons by their names: BitBtn1 "Classic" ... BitBtn12 "About".
  QPushButton* button(const std::string& name) const { return buttons_.at(name); }

 private:
  static constexpr int kGroups = 5;
  std::array<QGridLayout*, kGroups> grids_{};
  std::map<std::string, QPushButton*> buttons_;
};

}  // namespace sorimo
