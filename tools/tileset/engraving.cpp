#include "engraving.h"

namespace tileset {

FacePicture composeEngraving(const QImage& engraving, const QImage& face) {
    const int w = engraving.width();
    const int h = engraving.height();
    FacePicture out{QImage(w, h, QImage::Format_RGB32), QImage(w, h, QImage::Format_RGB32)};
    for (int y = 0; y < h; ++y) {
        const auto* art = reinterpret_cast<const QRgb*>(engraving.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb a = art[x];
            const int alpha = qAlpha(a);
            if (alpha < kCoverageThreshold) {
                out.picture.setPixel(x, y, qRgb(0, 0, 0));
                out.mask.setPixel(x, y, qRgb(255, 255, 255));
                continue;
            }
            // Premultiplied art over the face: art + (1 - alpha) * face.
            const QRgb f = face.pixel(x, y);
            auto over = [alpha](int artChannel, int faceChannel) {
                return qMin(255, artChannel + (faceChannel * (255 - alpha) + 127) / 255);
            };
            QRgb c = qRgb(over(qRed(a), qRed(f)), over(qGreen(a), qGreen(f)), over(qBlue(a), qBlue(f)));
            // A picture pixel of pure black would be fine, but keep ink off the exact
            // transparent value so that the picture alone still shows the engraving.
            if ((c & 0xffffff) == 0) c = qRgb(1, 1, 1);
            out.picture.setPixel(x, y, c);
            out.mask.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return out;
}

QImage composeOnto(const QImage& background, const FacePicture& face) {
    QImage out = background.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, (out.pixel(x, y) & face.mask.pixel(x, y)) | face.picture.pixel(x, y));
    return out;
}

}  // namespace tileset
