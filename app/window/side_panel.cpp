#include "app/window/side_panel.h"

#include <QPainter>

#include "app/dialogs/transparent_image.h"
#include "view/board_geometry.h"
#include "view/pixel_buffer.h"

namespace sorimo {

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
  shown_ = saveHof_;
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

void SidePanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, shown_);
}

void SidePanel::ShowPanelHOF(const PanelModel& model) {
  if (!model.options.ShowHallFame) return;
  const Game& game = model.game;
  const int PanelShift = PanelShiftFor(game.GameMode, model.options);
  const int movesLeft = PanelShift == kGirlPanelShift ? model.countMoves() : game.MovesLeft;

  saveHof_ = hofPic_.copy();
  QPainter p(&saveHof_);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (PanelShift == kGirlPanelShift) {
    const QImage& girl =
        Girl(GirlPicture(game.GameMode, game.ModeBeforePause, game.ElapsedSeconds + game.PenaltySeconds, movesLeft));
    p.end();
    DrawTransparent(saveHof_, 0, 302, girl, kGirlTransparent);
    p.begin(&saveHof_);
  } else {
    QFont title;
    title.setFamilies({"Comic Sans MS", "Comic Neue"});
    title.setPointSize(10);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 0));
    const QFontMetrics fm(title);
    p.drawText(21, 50 - PanelShift + fm.ascent(), "HALL OF");
    p.drawText(31, 70 - PanelShift + fm.ascent(), "FAME");
  }

  const int column = model.column;
  if (column >= 0 && column < kHallColumns) {
    QFont f;
    f.setFamilies({"Verdana", "DejaVu Sans"});
    f.setPointSize(9);
    for (int i = 1; i <= 10; ++i) {
      const std::string& entry = model.hall.At(i, column);
      f.setBold(true);
      f.setItalic(i == model.newEntryRank);
      p.setFont(f);
      const int ascent = QFontMetrics(f).ascent();
      p.setPen(Qt::white);
      p.drawText(15, 27 * i + 81 - PanelShift + ascent, QString::fromStdString(entry.substr(0, 8)));
      const int total = HallEntryTotal(entry);
      const QString value = IsClicksColumn(column) ? QString("    %1").arg(total)
                                                   : QString::fromStdString(TimeText(total));
      p.setPen(QColor(0, 255, 255));
      p.drawText(39, 27 * i + 94 - PanelShift + ascent, value);
    }
  }
  p.end();
  RedrawHOF();
  repaint();
}

// The preview area of the panel, where the tile under the pointer is shown.
constexpr int kPreviewX = 24, kPreviewY = 390;

void SidePanel::ClearTilePreview() {
  for (int y = kPreviewY; y < kPreviewY + kSpriteHeight && y < saveHof_.height(); ++y)
    for (int x = kPreviewX; x < kPreviewX + kSpriteWidth && x < saveHof_.width(); ++x)
      saveHof_.setPixel(x, y, hofPic_.pixel(x, y));
  RedrawHOF();
}

void SidePanel::DrawTilePreview(int tile, const TileDrawer& drawTile) {
  // The sprite is composed over the panel's own pixels.
  PixelBuffer area(kSpriteWidth, kSpriteHeight);
  for (int y = 0; y < kSpriteHeight; ++y)
    for (int x = 0; x < kSpriteWidth; ++x) area.setPixel(x, y, saveHof_.pixel(kPreviewX + x, kPreviewY + y) & 0xFFFFFF);
  drawTile(area, tile);
  for (int y = 0; y < kSpriteHeight; ++y)
    for (int x = 0; x < kSpriteWidth; ++x) saveHof_.setPixel(kPreviewX + x, kPreviewY + y, 0xFF000000 | area.pixel(x, y));
  RedrawHOF();
}

}  // namespace sorimo
