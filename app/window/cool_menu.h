// A drop-down menu that can show a title strip with the program's name down its left side
// ("Cool Menu").
#pragma once

#include <QMenu>

namespace sorimo {

class CoolMenu : public QMenu {
  Q_OBJECT
 public:
  static constexpr int kStripWidth = 22;
  CoolMenu(const QString& title, QWidget* parent);
  void setStrip(bool on);
  bool strip() const { return strip_; }
  // With the strip, a menu is at least as tall as the program's name written down it, so a
  // menu of one item shows the whole name.
  QSize sizeHint() const override;
  // The font and the text of the strip.
  static QFont StripFont(const QFont& menuFont);
  static constexpr const char* kStripText = "Sorimo";
  static constexpr int kStripEnds = 8;  // room left above and below the name

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool strip_ = false;
};

}  // namespace sorimo
