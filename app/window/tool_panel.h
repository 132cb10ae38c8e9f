// The toolbar `Tools`: a 33-pixel panel under the menu bar holding the eleven buttons, with
// the picture `ToolBitmap` behind them when "Cool Toolbar" is on.
#pragma once

#include <QPixmap>
#include <QToolButton>
#include <QWidget>
#include <map>
#include <string>

namespace sorimo {

class ToolPanel : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 33;
  explicit ToolPanel(QWidget* parent);

  QToolButton* addButton(const char* name, const QString& caption, const QString& hint, const QString& glyph);
  void addStretch();
  void setWallpaper(bool on);
  // "Cool Buttons": flat buttons, or raised borders for all but the Layout button.
  void setFlatButtons(bool flat);
  QToolButton* button(const std::string& name) const { return buttons_.at(name); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QPixmap wallpaper_;
  bool wallpaperOn_ = false;
  std::map<std::string, QToolButton*> buttons_;

  // Without the hall of fame panel the window is as wide as the board, narrower than the
  // buttons with their captions: smaller pictures, then pictures alone (the hints still name
  // them), rather than captions cut to "S…e".
  void FitButtons();
  QString fittedFor_;  // the width and captions the buttons were last fitted to
};

}  // namespace sorimo
