#include "app/window/side_panel.h"

#include <QPaintEvent>
#include <QPainter>
#include <cstring>

#include "app/dialogs/transparent_image.h"
#include "view/board_geometry.h"
#include "view/pixel_buffer.h"

namespace sorimo {

namespace {

constexpr int kGirlTop = 302;

// Copies `from` of source to `at` of target, row by row; both pictures are RGB32.
void CopyRect(QImage& target, QPoint at, const QImage& source, QRect from) {
  from &= source.rect();
  QRect to(at, from.size());
  to &= target.rect();
  if (to.isEmpty()) return;
  from = QRect(from.topLeft() + (to.topLeft() - at), to.size());
  for (int y = 0; y < to.height(); ++y)
    std::memcpy(target.scanLine(to.top() + y) + 4 * to.left(), source.constScanLine(from.top() + y) + 4 * from.left(),
                size_t(4 * to.width()));
}

// Every pixel the texts may touch: drawn over black, each pixel they reach turns non-black;
// one pixel of margin on every side.
QRect TextsArea(const PanelTexts& texts, QSize size) {
  QImage probe(size, QImage::Format_RGB32);
  probe.fill(Qt::black);
  DrawPanelTexts(probe, texts);
  QRect area;
  for (int y = 0; y < probe.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(probe.constScanLine(y));
    for (int x = 0; x < probe.width(); ++x)
      if (row[x] & 0xFFFFFF) area |= QRect(x, y, 1, 1);
  }
  return area.isEmpty() ? area : area.adjusted(-1, -1, 1, 1);
}

}  // namespace

SidePanel::SidePanel(QWidget* parent) : QWidget(parent) {
  setObjectName("HofBox");
  // The board image sets the height of the row; the backdrop is 4 pixels taller, and those
  // last rows lie below the window's edge.
  setFixedSize(kWidth, kVisibleHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  hofPic_ = QImage(":/hofpic.png").convertToFormat(QImage::Format_RGB32);
  if (hofPic_.isNull()) {
    hofPic_ = QImage(kWidth, kHeight, QImage::Format_RGB32);
    hofPic_.fill(Qt::black);
  }
  saveHof_ = hofPic_.copy();
  shown_ = hofPic_.copy();
  previewTile_ = kPreviewCleared;
  // The image list: for each girl her plain picture, then each mood drawn over it.
  for (int k = 0; k < 4; ++k) {
    const QString base = QString(":/girl%1").arg(k + 1);
    const QImage plain = QImage(base + ".png").convertToFormat(QImage::Format_RGB32);
    girls_[size_t(3 * k)] = plain;
    for (int mood = 1; mood <= 2; ++mood) {
      QImage withMood = plain.copy();
      DrawTransparent(withMood, 0, 0, QImage(base + QString("_mood%1.png").arg(mood)), kGirlTransparent);
      girls_[size_t(3 * k + mood)] = withMood;
    }
  }
}

void SidePanel::setScale(const PixelScale& scale) {
  scale_ = scale;
  setFixedSize(scale_.LogicalSize(QSize(kWidth, kVisibleHeight)));
  update();
}

void SidePanel::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  DrawPicture(p, shown_, scale_, event->rect());
}

void SidePanel::RedrawHOF() {
  const QRect area = pending_;
  CopyRect(shown_, area.topLeft(), saveHof_, area);
  pending_ = QRect();
  if (!area.isEmpty()) update(scale_.LogicalRect(area));
}

QRect SidePanel::GirlArea(int girl) const {
  if (girl < 0) return {};
  return QRect(QPoint(0, kGirlTop), girls_[size_t(girl)].size()) & hofPic_.rect();
}

const QImage& SidePanel::GirlOnBackdrop(int girl) {
  QImage& part = girlOnBackdrop_[size_t(girl)];
  if (part.isNull()) {
    const QRect area = GirlArea(girl);
    part = hofPic_.copy(area);
    DrawTransparent(part, 0, 0, girls_[size_t(girl)], kGirlTransparent);
  }
  return part;
}

QRect SidePanel::Compose(const PanelTexts& texts, int girl) {
  QRect changed;
  if (!composedTexts_ || *composedTexts_ != texts) {
    if (!textsKey_ || *textsKey_ != texts) {
      texts_ = hofPic_.copy();
      DrawPanelTexts(texts_, texts);
      textsArea_ = TextsArea(texts, hofPic_.size());
      textsKey_ = texts;
    }
    composed_ = texts_.copy();
    composedTexts_ = texts;
    composedGirl_ = -1;
    changed = composed_.rect();
  }
  if (girl == composedGirl_) return changed;
  const QRect before = GirlArea(composedGirl_), now = GirlArea(girl);
  if (girl >= 0 && textsArea_.intersects(now)) {
    // The texts reach into the girl's part: they go over her, as drawing afresh puts them.
    composed_ = hofPic_.copy();
    DrawTransparent(composed_, 0, kGirlTop, girls_[size_t(girl)], kGirlTransparent);
    DrawPanelTexts(composed_, texts);
    composedGirl_ = girl;
    return composed_.rect();
  }
  // The texts stay clear of her part (the panel's layout keeps them so).
  CopyRect(composed_, before.topLeft(), texts_, before);
  if (girl >= 0) CopyRect(composed_, now.topLeft(), GirlOnBackdrop(girl), GirlOnBackdrop(girl).rect());
  composedGirl_ = girl;
  return changed | before | now;
}

void SidePanel::ShowPanelHOF(const PanelModel& model) {
  if (!model.options.ShowHallFame) return;
  const Game& game = model.game;
  const int PanelShift = PanelShiftFor(game.GameMode, model.options);
  int girl = -1;
  if (PanelShift == kGirlPanelShift)
    girl = GirlPicture(game.GameMode, game.ModeBeforePause, game.clock.ElapsedSeconds + game.clock.PenaltySeconds,
                       int(game.moves.MovesLeft));
  QRect changed = Compose(PanelTextsOf(model, PanelShift), girl);
  // A fresh panel has no preview.
  if (previewTile_ != kPreviewComposed)
    changed |= QRect(kPreviewX, kPreviewY, kSpriteWidth, kSpriteHeight) & composed_.rect();
  previewTile_ = kPreviewComposed;
  changed |= drawnOver_;
  drawnOver_ = QRect();
  CopyRect(saveHof_, changed.topLeft(), composed_, changed);
  MarkChanged(changed);
  // Shown at once; a panel that did not change needs no painting.
  const QRect area = pending_;
  CopyRect(shown_, area.topLeft(), saveHof_, area);
  pending_ = QRect();
  if (!area.isEmpty()) repaint(scale_.LogicalRect(area));
}

void SidePanel::ClearTilePreview() {
  if (previewTile_ == kPreviewCleared) return;  // the backdrop is there already
  const QRect area = QRect(kPreviewX, kPreviewY, kSpriteWidth, kSpriteHeight) & saveHof_.rect();
  CopyRect(saveHof_, area.topLeft(), hofPic_, area);
  previewTile_ = kPreviewCleared;
  MarkChanged(area);
  RedrawHOF();
}

void SidePanel::DrawTilePreview(int tile, int look, const TileDrawer& drawTile) {
  if (tile == previewTile_ && look == previewLook_) return;  // the same sprite is there
  // The sprite is composed over the panel's own pixels.
  PixelBuffer area(kSpriteWidth, kSpriteHeight);
  for (int y = 0; y < kSpriteHeight; ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(saveHof_.constScanLine(kPreviewY + y)) + kPreviewX;
    uint32_t* out = area.row(y);
    for (int x = 0; x < kSpriteWidth; ++x) out[x] = in[x] & 0xFFFFFF;
  }
  drawTile(area, tile);
  for (int y = 0; y < kSpriteHeight; ++y) {
    const uint32_t* in = area.row(y);
    QRgb* out = reinterpret_cast<QRgb*>(saveHof_.scanLine(kPreviewY + y)) + kPreviewX;
    for (int x = 0; x < kSpriteWidth; ++x) out[x] = 0xFF000000 | in[x];
  }
  previewTile_ = tile;
  previewLook_ = look;
  MarkChanged(QRect(kPreviewX, kPreviewY, kSpriteWidth, kSpriteHeight));
  RedrawHOF();
}

}  // namespace sorimo
