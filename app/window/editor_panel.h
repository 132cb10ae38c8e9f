// The layout editor's panel `EditorPanel`: where the toolbar stands while the editor is open,
// the tiles still to place and the name the layout is saved under.
#pragma once

#include <QFrame>
#include <QKeySequence>
#include <QList>
#include <string>

class QLabel;
class QLineEdit;

namespace sorimo {

class EditorPanel : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kHeight = 33;
  explicit EditorPanel(QWidget* parent);

  void setTilesLeft(int count);
  void setLayoutName(const std::string& name);
  std::string layoutName() const;
  // The name field gives up the keyboard, so keys after a message go to the window.
  void dropFocus();
  // Keys that move the board even while the name field has the keyboard: without this the
  // field would take the one of them that is also a text key (Ctrl+X, "cut") for itself.
  void setBoardKeys(QList<QKeySequence> keys) { boardKeys_ = std::move(keys); }
  QLineEdit* nameField() const { return Edit1; }
  QLabel* tilesLeftLabel() const { return Label40; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QList<QKeySequence> boardKeys_;
  QLabel* Label40 = nullptr;
  QLineEdit* Edit1 = nullptr;
};

}  // namespace sorimo
