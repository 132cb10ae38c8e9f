// The hall of fame window `THallWindow`: the ten results of any list, the name new entries
// get (and, right after a qualifying game, the name of the new entry), and "Reset Scores".
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace sorimo {

class TSorimo;

class THallWindow : public QDialog {
  Q_OBJECT
 public:
  explicit THallWindow(TSorimo& main);

  void GenerateList(int column);
  void LayoutComboBoxChange();
  void PlayerNameChange();
  void DeleteHighscoresClick();

  // The hall column of a drop-down entry and back; -1 / nothing for none.
  int ColumnOfEntry(int index) const;
  int EntryOfColumn(int column) const;

  QComboBox* LayoutComboBox;
  QLineEdit* PlayerName;
  QLabel* Label23;                 // "Time" or "Score"
  std::array<QLabel*, 10> Names;   // Label11..Label20
  std::array<QLabel*, 10> Totals;  // Label25..Label34
  std::array<QLabel*, 10> Maluses; // Label35..Label44

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* fond_ = nullptr;
  TSorimo& main_;
  int layoutCount_;
};

// `TGameOverForm`: "Board finished !" with the final time, and the hall of fame line when the
// result enters it.
class TGameOverForm : public QDialog {
  Q_OBJECT
 public:
  TGameOverForm(QWidget* parent, const QImage& girl);
  QLabel* FinalTime;
  QLabel* EnterFame;
};

}  // namespace sorimo
