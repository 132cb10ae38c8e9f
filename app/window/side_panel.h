// The hall of fame panel `HofBox` at the right edge of the window. It draws into its working
// image `SaveHof` (starting from the clean backdrop `HofPic`) and then shows it: the ten best
// results of the current list, a girl picture, and the tile under the pointer.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

#include "app/window/side_panel_model.h"

namespace sorimo {

class PixelBuffer;

class SidePanel : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 92, kHeight = 472, kVisibleHeight = 468;
  explicit SidePanel(QWidget* parent);

  const QImage& HofPic() const { return hofPic_; }
  QImage& SaveHof() { return saveHof_; }
  // Girl image c (0..11): girl c / 3, plain (c % 3 == 0) or with one of her two moods drawn over.
  const QImage& Girl(int c) const { return girls_[size_t(c)]; }
  // Copies SaveHof to the screen (`RedrawHOF`).
  void RedrawHOF() { shown_ = saveHof_; update(); }
  const QImage& shown() const { return shown_; }

  // Draws the list and the girl or the title, and shows them at once (`ShowPanelHOF`);
  // nothing while "Show Hall of Fame" is off.
  void ShowPanelHOF(const PanelModel& model);

  // The preview of the tile under the pointer: drawTile composes a tile's sprite over the
  // panel's own pixels at (0, 0) of the buffer it is given.
  using TileDrawer = std::function<void(PixelBuffer& area, int tile)>;
  void DrawTilePreview(int tile, const TileDrawer& drawTile);
  void ClearTilePreview();

  // The bottom strip of a two-player game, redrawn by every tick: the two labels (either
  // may be left out, so the one to move blinks) and the two clocks (side_panel_players.cpp).
  static constexpr int kPlayersTop = 380;
  void DrawPlayerClocks(bool showPlayerOne, bool showPlayerTwo, const QString& timeOne, const QString& timeTwo);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage hofPic_, saveHof_, shown_;
  std::array<QImage, 12> girls_;
};

}  // namespace sorimo
