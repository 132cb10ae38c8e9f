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

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool strip_ = false;
};

}  // namespace sorimo
