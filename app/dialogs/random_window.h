// "New Specific (Seed) Game": the player types a game number, or draws a new one.
#pragma once

#include <QDialog>
#include <optional>

#include "engine/random.h"

class QLineEdit;

namespace sorimo {

struct RandomWindowModel {
  int32_t& randomSeed;  // the game number the window edits
  Random& generator;    // draws "New random game seed"
};

class TRandomWindow : public QDialog {
  Q_OBJECT
 public:
  TRandomWindow(QWidget* parent, RandomWindowModel model);

  QLineEdit* edit() const { return RandomSeed_; }
  void NewRandomSeed();  // the "New random game seed" button
  void Confirm();        // the "OK" button

 private:
  void TextChanged(const QString& text);

  int32_t& seed_;
  Random& generator_;
  QLineEdit* RandomSeed_;
};

// The game number a text stands for, or nothing when it is not a whole number.
std::optional<int32_t> GameNumberOf(const QString& text);

}  // namespace sorimo
