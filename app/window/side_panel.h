// The hall of fame panel `HofBox` at the right edge of the window. The window draws into its
// working image `SaveHof` (starting from the clean backdrop `HofPic`) and then shows it.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>

namespace sorimo {

class SidePanel : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 92, kHeight = 472, kVisibleHeight = 468;
  static constexpr QRgb kGirlTransparent = 0xFF84FF84;  // RGB(132, 255, 132)
  explicit SidePanel(QWidget* parent);

  const QImage& HofPic() const { return hofPic_; }
  QImage& SaveHof() { return saveHof_; }
  // Girl image c (0..11): girl c / 3, plain (c % 3 == 0) or with one of her two moods drawn over.
  const QImage& Girl(int c) const { return girls_[size_t(c)]; }
  // Copies SaveHof to the screen (`RedrawHOF`).
  void RedrawHOF() { shown_ = saveHof_; update(); }
  const QImage& shown() const { return shown_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage hofPic_, saveHof_, shown_;
  std::array<QImage, 12> girls_;
};

// Draws `picture` onto `target` at (x, y), leaving out the pixels of the transparent colour.
void DrawTransparent(QImage& target, int x, int y, const QImage& picture, QRgb transparent);

}  // namespace sorimo
