#include "app/window/cool_menu.h"

#include <QPainter>
#include <QPaintEvent>

namespace sorimo {

CoolMenu::CoolMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

void CoolMenu::setStrip(bool on) {
  if (strip_ == on) return;
  strip_ = on;
  // The strip takes its room from the left margin, so the items move right to make space.
  setContentsMargins(on ? kStripWidth : 0, 0, 0, 0);
  adjustSize();
  update();
}

void CoolMenu::paintEvent(QPaintEvent* event) {
  QMenu::paintEvent(event);
  if (!strip_) return;
  QPainter p(this);
  const QRect strip(0, 0, kStripWidth, height());
  QLinearGradient g(0, height(), 0, 0);
  g.setColorAt(0, QColor(120, 16, 10));
  g.setColorAt(1, QColor(230, 170, 40));
  p.fillRect(strip, g);
  p.setPen(QColor(255, 244, 214));
  QFont f = font();
  f.setBold(true);
  f.setPointSize(11);
  p.setFont(f);
  // The name reads upwards from the bottom of the strip.
  p.translate(kStripWidth / 2 + 5, height() - 8);
  p.rotate(-90);
  p.drawText(0, 0, "Sorimo");
}

}  // namespace sorimo
