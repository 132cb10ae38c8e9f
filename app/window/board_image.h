// The visible board image `Game`: shows the finished 704 x 468 picture the renderer made and
// passes pointer movement and button releases to the window, in picture pixels whatever the
// screen's pixel ratio (app/window/pixel_scale.h). It knows nothing of the game.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "app/window/pixel_scale.h"

namespace sorimo {

class BoardImage : public QWidget {
  Q_OBJECT
 public:
  explicit BoardImage(QWidget* parent = nullptr);

  // The picture shown; its pixels are 0x00RRGGBB words owned by the caller, which keeps them
  // alive and calls updatePixels() (or repaint() for an immediate repaint) after drawing.
  void setPixels(const uint32_t* pixels, int width, int height);
  void setScale(const PixelScale& scale);
  const PixelScale& scale() const { return scale_; }
  // Schedules a repaint of these picture pixels.
  void updatePixels(const QRect& pixels);
  // The widget point over the middle of a picture pixel.
  QPoint pointAt(QPoint pixel) const;

  std::function<void(int x, int y)> onMove;
  std::function<void(Qt::MouseButton button, int x, int y)> onRelease;
  std::function<void()> onLeave;  // the pointer went off the picture

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QImage image_;
  PixelScale scale_;
};

}  // namespace sorimo
