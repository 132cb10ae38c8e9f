#include <QPainter>

#include "app/window/side_panel.h"

namespace sorimo {

namespace {

// Writes text with its top-left corner at (x, y).
void TextAt(QPainter& p, int x, int y, const QString& text) { p.drawText(x, y + QFontMetrics(p.font()).ascent(), text); }

}  // namespace

void SidePanel::DrawPlayerClocks(bool showPlayerOne, bool showPlayerTwo, const QString& timeOne, const QString& timeTwo) {
  const QRect strip(0, kPlayersTop, kWidth, kVisibleHeight - kPlayersTop);
  QPainter p(&saveHof_);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.drawImage(strip.topLeft(), hofPic_, strip);
  QFont f;
  f.setFamilies({"Arial", "Liberation Sans", "DejaVu Sans"});
  f.setBold(true);
  f.setPointSize(12);
  p.setFont(f);
  if (showPlayerOne) {
    p.setPen(QColor(255, 255, 0));
    TextAt(p, 8, 382, "PLAYER 1");
  }
  if (showPlayerTwo) {
    p.setPen(QColor(0, 255, 255));
    TextAt(p, 8, 424, "PLAYER 2");
  }
  f.setPointSize(10);
  p.setFont(f);
  p.setPen(Qt::white);
  TextAt(p, 30, 402, timeOne);
  TextAt(p, 30, 444, timeTwo);
  p.end();
  // The strip is no part of the kept panel: the next whole redraw puts the panel back there.
  drawnOver_ |= strip;
  previewTile_ = kPreviewComposed;
  MarkChanged(strip);
  RedrawHOF();  // twenty times a second: only the strip
}

}  // namespace sorimo
