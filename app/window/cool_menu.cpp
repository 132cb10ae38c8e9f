#include "app/window/cool_menu.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
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

QFont CoolMenu::StripFont(const QFont& menuFont) {
  QFont f = menuFont;
  f.setBold(true);
  f.setPointSize(11);
  return f;
}

QSize CoolMenu::sizeHint() const {
  QSize size = QMenu::sizeHint();
  if (strip_) {
    const int name = QFontMetrics(StripFont(font())).horizontalAdvance(kStripText);
    size.setHeight(std::max(size.height(), name + 2 * kStripEnds));
  }
  return size;
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
  p.setFont(StripFont(font()));
  // The name reads upwards from the bottom of the strip.
  p.translate(kStripWidth / 2 + 5, height() - kStripEnds);
  p.rotate(-90);
  p.drawText(0, 0, kStripText);
}

}  // namespace sorimo
