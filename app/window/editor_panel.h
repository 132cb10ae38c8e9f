// The layout editor's panel `EditorPanel`: where the toolbar stands while the editor is open,
// the tiles still to place and the name the layout is saved under.
#pragma once

#include <QFrame>
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
  QLineEdit* nameField() const { return Edit1; }
  QLabel* tilesLeftLabel() const { return Label40; }

 private:
  QLabel* Label40 = nullptr;
  QLineEdit* Edit1 = nullptr;
};

}  // namespace sorimo
