// Small drawing helpers shared by every picture: deterministic noise, colour arithmetic,
// supersampled rendering and the writers for the three file kinds we ship.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>

namespace pictures {

// The colour the program treats as "not drawn" in the side-panel portraits.
inline constexpr QRgb kKeyColour = qRgb(132, 255, 132);

// A hash of integer coordinates and a seed, spread over [0, 1).
double hash01(int x, int y, int seed);

// Smooth value noise on a lattice of cells one unit wide. When period > 0 the lattice wraps
// every `period` cells in both directions, so a picture built on it tiles without a seam.
double valueNoise(double x, double y, int seed, int period = 0);

// Fractal sum of value noise, in [0, 1]. With period > 0 the first octave wraps every
// `period` cells and each further octave every period * 2^k cells, so the sum wraps too.
double fbm(double x, double y, int octaves, int seed, int period = 0);

// Tiny deterministic generator for placing stars, petals and paw prints.
class Rng {
public:
    explicit Rng(quint32 seed) : state_(seed ? seed : 1u) {}
    quint32 next();
    double uniform();                       // [0, 1)
    double range(double lo, double hi);     // [lo, hi)
    int below(int n);                       // 0 .. n-1

private:
    quint32 state_;
};

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(const QColor& c, int alpha);

// Renders `paint` on a canvas `factor` times larger (painter already scaled, antialiased) and
// returns it reduced to width x height by area averaging. The picture is ARGB32 premultiplied.
QImage supersample(int width, int height, int factor, const std::function<void(QPainter&)>& paint,
                   const QColor& fill = Qt::transparent);

// Draws `paint` nine times, shifted by whole tile sizes, so shapes crossing an edge come back
// on the opposite edge: the tile repeats without a seam.
void paintWrapped(QPainter& p, double tileW, double tileH, const std::function<void(QPainter&)>& paint);

// Encoders: the exact bytes of the file we ship. Empty when encoding failed.
QByteArray encodeBmp24(const QImage& image);  // plain 24-bit bottom-up bitmap
QByteArray encodePng(const QImage& image);    // with alpha channel
QByteArray encodeRgbPng(const QImage& image); // no alpha channel
QByteArray encodeJpeg(const QImage& image, int quality);

}  // namespace pictures
