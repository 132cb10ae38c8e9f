#include "app/dialogs/backdrop_panel.h"

#include <QLinearGradient>
#include <QPainter>

namespace sorimo {

BackdropPanel::BackdropPanel(QWidget* parent, const QImage& backdrop) : QWidget(parent), backdrop_(backdrop) {}

void BackdropPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!backdrop_.isNull()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), backdrop_);
  } else {
    QLinearGradient g(0, 0, width() * 0.3, height());
    g.setColorAt(0, QColor(0x5a, 0x18, 0x12));
    g.setColorAt(1, QColor(0x1c, 0x06, 0x04));
    p.fillRect(rect(), g);
  }
  // A thin gold frame, as round the welcome panel.
  p.setPen(QPen(QColor(0xc9, 0xa2, 0x27), 2));
  p.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace sorimo
