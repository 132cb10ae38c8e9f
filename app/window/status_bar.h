// The status bar `LigneStatus`: "Tiles", "Moves left" and "Time" with their values, and the
// message field "Status" that takes the remaining width.
#pragma once

#include <QFrame>
#include <QLabel>
#include <functional>

namespace sorimo {

class StatusBar : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kHeight = 25;
  explicit StatusBar(QWidget* parent);

  void setFields(const QString& tiles, const QString& moves, const QString& time);
  void setMessage(const QString& text);
  QString tiles() const { return TilesLeftLine->text(); }
  QString moves() const { return MovesLeftLine->text(); }
  QString time() const { return TimeLine->text(); }
  QString message() const { return StatusText->text(); }
  void clearMoves() { MovesLeftLine->clear(); }
  void clearTime() { TimeLine->clear(); }

  std::function<void()> onMovesClicked;  // `NStatus`
  std::function<void()> onTimeClicked;   // `ShowTimeClick`

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* TilesLeftLine;
  QLabel* MovesLeftPanel;
  QLabel* MovesLeftLine;
  QLabel* TimePanel;
  QLabel* TimeLine;
  QLabel* StatusText;
};

}  // namespace sorimo
