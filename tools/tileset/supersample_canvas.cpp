#include "supersample_canvas.h"

namespace tileset {

SupersampleCanvas::SupersampleCanvas(int width, int height)
    : width_(width), height_(height),
      big_(width * kScale, height * kScale, QImage::Format_ARGB32_Premultiplied) {
    big_.fill(Qt::transparent);
    painter_ = std::make_unique<QPainter>(&big_);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_->scale(kScale, kScale);
}

SupersampleCanvas::~SupersampleCanvas() = default;

QImage SupersampleCanvas::finish() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    return averageDown(big_, kScale);
}

QImage averageDown(const QImage& big, int factor) {
    const QImage src = big.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = src.width() / factor;
    const int h = src.height() / factor;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    const int n = factor * factor;
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb p = line[x * factor + sx];
                    a += qAlpha(p);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

}  // namespace tileset
