// The hall of fame panel `HofBox` at the right edge of the window. It draws into its working
// image `SaveHof` and then shows it: the ten best results of the current list, a girl
// picture, and the tile under the pointer.
//
// The panel is redrawn after every move, but what it shows changes seldom: the texts only
// with the list, and the girl only when the game crosses one of her thresholds. So the texts
// are drawn once over the clean backdrop `HofPic` and kept, each girl is set into her part of
// the backdrop once, and a redraw copies and shows only the parts that changed. The picture
// is always the one drawing everything afresh would give (backdrop, girl, texts, in that
// order); where the texts reach into the girl's part it is drawn that way.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "app/window/panel_texts.h"
#include "app/window/pixel_scale.h"
#include "app/window/side_panel_model.h"

namespace sorimo {

class PixelBuffer;

class SidePanel : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 92, kHeight = 472, kVisibleHeight = 468;
  // The preview area, where the tile under the pointer is shown.
  static constexpr int kPreviewX = 24, kPreviewY = 390;
  explicit SidePanel(QWidget* parent);
  // Picture pixels to the screen's (app/window/pixel_scale.h), as the board's.
  void setScale(const PixelScale& scale);

  const QImage& HofPic() const { return hofPic_; }
  const QImage& SaveHof() const { return saveHof_; }
  // Girl image c (0..11): girl c / 3, plain (c % 3 == 0) or with one of her two moods drawn over.
  const QImage& Girl(int c) const { return girls_[size_t(c)]; }
  // Shows what changed in SaveHof since it was last shown (`RedrawHOF`).
  void RedrawHOF();
  const QImage& shown() const { return shown_; }

  // Draws the list and the girl or the title, and shows them at once (`ShowPanelHOF`);
  // nothing while "Show Hall of Fame" is off.
  void ShowPanelHOF(const PanelModel& model);

  // The preview of the tile under the pointer: drawTile composes a tile's sprite over the
  // panel's own pixels at (0, 0) of the buffer it is given. `look` names the pictures the
  // sprite is drawn from (the tileset's generation): the same tile in the same look is
  // already there and is not drawn again.
  using TileDrawer = std::function<void(PixelBuffer& area, int tile)>;
  void DrawTilePreview(int tile, int look, const TileDrawer& drawTile);
  void ClearTilePreview();

  // The bottom strip of a two-player game, redrawn by every tick: the two labels (either
  // may be left out, so the one to move blinks) and the two clocks (side_panel_players.cpp).
  static constexpr int kPlayersTop = 380;
  void DrawPlayerClocks(bool showPlayerOne, bool showPlayerTwo, const QString& timeOne, const QString& timeTwo);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The panel without the preview for these texts and girl (-1 for none) in composed_,
  // returning the part that differs from the composition before.
  QRect Compose(const PanelTexts& texts, int girl);
  QRect GirlArea(int girl) const;
  const QImage& GirlOnBackdrop(int girl);
  void CopyArea(QImage& target, const QImage& source, const QRect& area);
  void MarkChanged(const QRect& area) { pending_ |= area; }

  QImage hofPic_, saveHof_, shown_;
  std::array<QImage, 12> girls_;

  // The texts drawn over the backdrop, and the part of the panel they may touch.
  std::optional<PanelTexts> textsKey_;
  QImage texts_;
  QRect textsArea_;
  // Each girl's part of the backdrop with her picture set in, made on first use.
  std::array<QImage, 12> girlOnBackdrop_;
  // The whole panel without the preview, as drawn for composedTexts_ and composedGirl_.
  QImage composed_;
  std::optional<PanelTexts> composedTexts_;
  int composedGirl_ = -1;

  // What the preview area of SaveHof holds.
  enum : int { kPreviewComposed = -1, kPreviewCleared = 0 };
  int previewTile_ = kPreviewComposed;
  int previewLook_ = 0;
  PixelScale scale_;
  QRect pending_;     // the part of SaveHof not shown yet
  QRect drawnOver_;   // parts of SaveHof drawn over outside the kept panel (the players' strip)
};

}  // namespace sorimo
