#pragma once
// A painter surface drawn at several times the target size and averaged down, so that
// every shape gets a clean coverage value per output pixel (the tile masks are binary,
// so the art has to know exactly how much of each pixel it covers).

#include <QImage>
#include <QPainter>
#include <memory>

namespace tileset {

class SupersampleCanvas {
public:
    static constexpr int kScale = 8;

    // width and height in output pixels; the painter works in output-pixel units.
    SupersampleCanvas(int width, int height);
    ~SupersampleCanvas();

    QPainter& painter() { return *painter_; }

    // Ends painting and returns the averaged picture (premultiplied ARGB, output size).
    QImage finish();

private:
    int width_;
    int height_;
    QImage big_;
    std::unique_ptr<QPainter> painter_;
};

// Box-filter reduction of a premultiplied image by an integer factor.
QImage averageDown(const QImage& big, int factor);

}  // namespace tileset
