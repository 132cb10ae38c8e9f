// Renders each character in its three moods and turns the two moods into overlays: an
// overlay keeps only the pixels that differ from the plain picture and holds the
// transparent colour everywhere else, so drawing it over the plain picture gives the mood.
#include <cstdio>

#include "canvas.h"
#include "pictures.h"
#include "portrait_characters.h"

namespace pictures {

namespace {

constexpr int kSupersample = 6;

QImage render(int k, Mood mood) {
    QImage img = supersample(kPortraitW, kPortraitH, kSupersample,
                             [&](QPainter& p) { paintCharacter(p, k, mood); }, Qt::black)
                     .convertToFormat(QImage::Format_RGB32);
    // The plain picture must never hold the transparent colour itself.
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & 0xffffff) == (kKeyColour & 0xffffff)) line[x] = qRgb(132, 254, 132);
    }
    return img;
}

QImage overlay(const QImage& plain, const QImage& mood) {
    QImage out(plain.size(), QImage::Format_RGB32);
    for (int y = 0; y < plain.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(mood.constScanLine(y));
        QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < plain.width(); ++x) o[x] = (a[x] & 0xffffff) == (b[x] & 0xffffff) ? kKeyColour : b[x];
    }
    return out;
}

}  // namespace

std::vector<Portrait> paintPortraits() {
    std::vector<Portrait> out;
    for (int k = 0; k < kCharacterCount; ++k) {
        Portrait portrait;
        portrait.plain = render(k, Mood::Calm);
        portrait.happyOverlay = overlay(portrait.plain, render(k, Mood::Happy));
        portrait.worriedOverlay = overlay(portrait.plain, render(k, Mood::Worried));
        out.push_back(portrait);
    }
    return out;
}

}  // namespace pictures
