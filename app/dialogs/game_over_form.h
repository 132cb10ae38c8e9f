// `TGameOverForm`: "Board finished !" with the final time, and the hall of fame line when the
// result enters it, or why it enters none (the solver played, or the layout is no listed file).
#pragma once

#include <QDialog>
#include <QImage>
#include <string>

class QLabel;

namespace sorimo {

struct GameOverModel {
  std::string finalTime;  // the whole line, "Your final time is MM:SS"
  bool entersHall = false;
  std::string whyNoHall;  // why the result enters no hall of fame whatever it is; "" for none
  QImage girl;            // 92 x 166, RGB(132, 255, 132) where the dialog shows through
};

class TGameOverForm : public QDialog {
  Q_OBJECT
 public:
  TGameOverForm(QWidget* parent, const GameOverModel& model);
  QLabel* FinalTime;
  QLabel* EnterFame;
  QLabel* NoHall;
};

}  // namespace sorimo
