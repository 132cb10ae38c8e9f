// The welcome panel shown over the board while no game runs: one group a game (two buttons
// each) and the group "Others".
#pragma once

#include <QFrame>
#include <QPushButton>
#include <array>
#include <map>
#include <string>
#include <vector>

class QGridLayout;

namespace sorimo {

class WelcomePanel : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kWidth = 329, kHeight = 385;
  // One group a game after the classic ones: the captions of the arcade games' groups.
  WelcomePanel(QWidget* parent, const std::vector<const char*>& arcadeGroups);
  // Adds a button in its place: slots 1 and 2 the classic group, then two a game group in
  // order, slots from kOthersSlot (command_table.h) on the group "Others", in one row.
  QPushButton* addButton(int slot, const char* name, const char* caption);
  // The buttons by their names: BitBtn1 "Classic" ... BitBtn12 "About".
  QPushButton* button(const std::string& name) const { return buttons_.at(name); }

 private:
  std::vector<QGridLayout*> grids_;  // the game groups, then "Others"
  std::map<std::string, QPushButton*> buttons_;
};

}  // namespace sorimo
