// The hall of fame window `THallWindow`: the ten results of any list, the name new entries
// get (and, right after a qualifying game, the name of the new entry), and "Reset Scores".
#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/store/hall_table.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace sorimo {

// What the window shows and changes. The table and the player name belong to the caller and
// are edited in place: placeholders fill empty cells, a new name renames the new entry, a
// reset empties a list.
struct HallWindowModel {
  HallTable& table;
  std::string& playerName;                      // `CurrentPlayer1`
  const std::vector<std::string>& layoutNames;  // one list per layout, before the arcade lists
  int column = 0;                               // `BoardNumber`: the list shown first
  bool afterWin = false;                        // opened right after a qualifying game
  int newEntryRank = 0;                         // the entry that game added, 0 for none
  QImage backdrop;                              // `BackdropPicture` behind the list; may be null
  std::function<bool(const std::string& caption, const std::string& text)> askOkCancel;
  std::function<void()> panelChanged;  // the side panel shows the table again
  std::function<void()> listReset;     // a list was offered for reset (whatever the answer)
  std::function<void()> newEntryGone;  // the list holding the new entry was reset; may be empty
};

class THallWindow : public QDialog {
  Q_OBJECT
 public:
  THallWindow(QWidget* parent, HallWindowModel model);

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
  HallWindowModel model_;
  int layoutCount_;
};

}  // namespace sorimo
