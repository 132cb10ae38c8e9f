// How the pictures of the board and the side panel meet the screen's device pixels.
//
// Both are pictures of fixed size in their own pixels (the board 704 x 468). Below a device
// pixel ratio of 1.5 they are shown one picture pixel to one logical pixel, as Qt lays out
// every widget. From 1.5 on, each picture pixel becomes a block of k x k device pixels, k a
// whole number, so no pixel is smeared or drawn one device pixel wider than its neighbour:
// k is the ratio rounded, or less where the window would not fit on the screen. Where no k
// of 2 or more fits, one picture pixel to one logical pixel again, as below 1.5, when that
// fits (a board of its usual size beats a smaller one drawn crisp); only then k = 1. Widgets are
// then sized, and mouse events arrive, in logical pixels that no longer equal picture pixels;
// this class turns one into the other.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <functional>

class QImage;
class QPainter;

namespace sorimo {

class PixelScale {
 public:
  PixelScale() = default;
  // devicePerPixel: device pixels per picture pixel, each way; ratio: the screen's.
  PixelScale(double devicePerPixel, double ratio) : devicePerPixel_(devicePerPixel), ratio_(ratio) {}

  double devicePerPixel() const { return devicePerPixel_; }
  double ratio() const { return ratio_; }
  double logicalPerPixel() const { return devicePerPixel_ / ratio_; }

  // The logical size that holds a picture of this many pixels.
  QSize LogicalSize(QSize pixels) const;
  // The logical rectangle that covers these picture pixels (rounded outward).
  QRect LogicalRect(const QRect& pixels) const;
  // The picture pixels a logical rectangle touches (rounded outward): what a paint must draw.
  QRect PixelRect(const QRect& logical) const;
  // The picture pixel under a logical point.
  QPoint PixelAt(QPointF logical) const;
  // The logical point at the middle of a picture pixel.
  QPointF LogicalCentre(QPoint pixel) const;

  bool operator==(const PixelScale&) const = default;

 private:
  double devicePerPixel_ = 1.0;
  double ratio_ = 1.0;
};

// The scale for a screen of this ratio: below 1.5 one picture pixel a logical pixel; from 1.5
// the largest whole k of 2 or more, no more than the ratio rounded, for which
// fits(devicePerPixel) holds; else the ratio itself (a picture pixel a logical pixel) when it
// fits; else 1.
PixelScale ChoosePixelScale(double ratio, const std::function<bool(double devicePerPixel)>& fits);

// Paints the part of `picture` under the logical rectangle `dirty` of a widget whose top left
// shows the picture's top left, every pixel a block of the scale's device pixels, nearest
// pixel only.
void DrawPicture(QPainter& painter, const QImage& picture, const PixelScale& scale, const QRect& dirty);

}  // namespace sorimo
