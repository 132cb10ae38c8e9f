#include "canvas.h"

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>
#include <cmath>

namespace pictures {

double hash01(int x, int y, int seed) {
    quint32 h = static_cast<quint32>(x) * 0x8da6b343u ^ static_cast<quint32>(y) * 0xd8163841u ^
                static_cast<quint32>(seed) * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    h *= 0x27d4eb2du;
    h ^= h >> 16;
    return (h & 0xffffffu) / 16777216.0;
}

static int wrapCell(int v, int period) {
    if (period <= 0) return v;
    const int m = v % period;
    return m < 0 ? m + period : m;
}

double valueNoise(double x, double y, int seed, int period) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const double tx = x - fx;
    const double ty = y - fy;
    const double sx = tx * tx * (3 - 2 * tx);
    const double sy = ty * ty * (3 - 2 * ty);
    const int xa = wrapCell(x0, period), xb = wrapCell(x0 + 1, period);
    const int ya = wrapCell(y0, period), yb = wrapCell(y0 + 1, period);
    const double a = hash01(xa, ya, seed), b = hash01(xb, ya, seed);
    const double c = hash01(xa, yb, seed), d = hash01(xb, yb, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double fbm(double x, double y, int octaves, int seed, int period) {
    double sum = 0, amp = 0.5, norm = 0, freq = 1;
    int per = period;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise(x * freq, y * freq, seed + o * 101, per);
        norm += amp;
        amp *= 0.5;
        freq *= 2;
        if (per > 0) per *= 2;
    }
    return sum / norm;
}

quint32 Rng::next() {
    // xorshift32: plenty for scattering decorations, and the same on every machine.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::uniform() { return (next() >> 8) / 16777216.0; }
double Rng::range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
int Rng::below(int n) { return n <= 0 ? 0 : static_cast<int>(uniform() * n); }

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(const QColor& c, int alpha) {
    QColor r = c;
    r.setAlpha(alpha);
    return r;
}

QImage supersample(int width, int height, int factor, const std::function<void(QPainter&)>& paint,
                   const QColor& fill) {
    QImage big(width * factor, height * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(fill);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(factor, factor);
        paint(p);
    }
    // Area averaging by hand: Qt's smooth scaling is not a plain box filter, and a plain box
    // filter keeps hard edges exactly where the big picture had them.
    QImage out(width, height, QImage::Format_ARGB32_Premultiplied);
    const int n = factor * factor;
    for (int y = 0; y < height; ++y) {
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const QRgb* src = reinterpret_cast<const QRgb*>(big.constScanLine(y * factor + sy)) + x * factor;
                for (int sx = 0; sx < factor; ++sx) {
                    r += qRed(src[sx]);
                    g += qGreen(src[sx]);
                    b += qBlue(src[sx]);
                    a += qAlpha(src[sx]);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

void paintWrapped(QPainter& p, double tileW, double tileH, const std::function<void(QPainter&)>& paint) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * tileW, dy * tileH);
            paint(p);
            p.restore();
        }
    }
}

QByteArray encodeBmp24(const QImage& image) {
    // Written by hand so the file is a plain 24-bit bottom-up bitmap whatever Qt prefers.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width(), h = rgb.height();
    const int stride = (w * 3 + 3) & ~3;
    const quint32 dataSize = static_cast<quint32>(stride) * h;
    QByteArray bytes;
    bytes.reserve(static_cast<int>(54 + dataSize));
    auto put16 = [&](quint16 v) { bytes.append(char(v & 0xff)); bytes.append(char(v >> 8)); };
    auto put32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) bytes.append(char((v >> (8 * i)) & 0xff)); };
    bytes.append("BM");
    put32(54 + dataSize);
    put32(0);
    put32(54);
    put32(40);
    put32(static_cast<quint32>(w));
    put32(static_cast<quint32>(h));
    put16(1);
    put16(24);
    put32(0);
    put32(dataSize);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (int y = h - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            bytes.append(char(line[x * 3 + 2]));
            bytes.append(char(line[x * 3 + 1]));
            bytes.append(char(line[x * 3 + 0]));
        }
        for (int pad = w * 3; pad < stride; ++pad) bytes.append('\0');
    }
    return bytes;
}

static QByteArray encodeWith(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter w(&buffer, format);
    if (quality >= 0) w.setQuality(quality);
    if (!w.write(image)) return {};
    return bytes;
}

QByteArray encodePng(const QImage& image) { return encodeWith(image.convertToFormat(QImage::Format_ARGB32), "png", -1); }
QByteArray encodeRgbPng(const QImage& image) { return encodeWith(image.convertToFormat(QImage::Format_RGB888), "png", -1); }
QByteArray encodeJpeg(const QImage& image, int quality) {
    return encodeWith(image.convertToFormat(QImage::Format_RGB888), "jpeg", quality);
}

}  // namespace pictures
