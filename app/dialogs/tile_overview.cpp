#include "app/dialogs/tile_overview.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "view/tileset_layout.h"

namespace sorimo {

QPoint OverviewFacePosition(int face) {
  for (const OverviewRow& row : kOverviewRows)
    if (face >= row.first && face <= row.last) return {row.left + (face - row.first) * kOverviewStep, row.top};
  return {-1, -1};
}

QImage TileOverview(const QImage& texture) {
  QImage overview(kOverviewWidth, kOverviewHeight, QImage::Format_ARGB32_Premultiplied);
  overview.fill(Qt::transparent);
  // Copied pixel by pixel, made opaque: a texture made from our pixel buffers leaves the byte
  // above the colour 0, which a painter would take for "transparent".
  const QImage rgb = texture.convertToFormat(QImage::Format_RGB32);
  const QRect inside = rgb.rect();
  for (int face = 1; face <= 42; ++face) {
    const TilesetPoint sprite = TextureSprite(FaceCellOf(face));
    const QPoint at = OverviewFacePosition(face);
    for (int dy = 0; dy < kOverviewFaceHeight; ++dy) {
      QRgb* out = reinterpret_cast<QRgb*>(overview.scanLine(at.y() + dy)) + at.x();
      const int sy = sprite.y + 1 + dy;
      for (int dx = 0; dx < kOverviewFaceWidth; ++dx) {
        const int sx = sprite.x + kEdge + dx;
        const QRgb in = inside.contains(sx, sy) ? reinterpret_cast<const QRgb*>(rgb.constScanLine(sy))[sx] : 0;
        out[dx] = in | 0xFF000000u;
      }
    }
  }
  QPainter p(&overview);
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  p.setFont(font);
  const QFontMetrics metrics(font);
  for (const OverviewCaption& c : kOverviewCaptions) {
    const QString text = QString::fromLatin1(c.text);
    const QRect box(c.x, c.y, metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
    p.fillRect(box, Qt::white);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, text);
  }
  return overview;
}

}  // namespace sorimo
