// The welcome panel shown over the board while no game runs: one button per game.
#pragma once

#include <QFrame>
#include <QPushButton>
#include <map>
#include <string>

namespace sorimo {

class WelcomePanel : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kWidth = 329, kHeight = 385;
  explicit WelcomePanel(QWidget* parent);
  // The buttons by their names: BitBtn1 "Classic" ... BitBtn12 "About".
  QPushButton* button(const std::string& name) const { return buttons_.at(name); }

 private:
  std::map<std::string, QPushButton*> buttons_;
};

}  // namespace sorimo
