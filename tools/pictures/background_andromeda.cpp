// A deep-space scene: a tilted spiral galaxy with its two small companions, faint nebulae and
// a star field. Kept dark: the brightest part is the galaxy's core, away from the middle of
// the board, so ivory tiles stay the brightest thing on screen.
#include <cmath>
#include <vector>

#include "canvas.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int W = 704;
constexpr int H = 468;

struct Field {
    std::vector<float> r, g, b;
    Field() : r(W * H), g(W * H), b(W * H) {}
    void add(int x, int y, double vr, double vg, double vb) {
        if (x < 0 || y < 0 || x >= W || y >= H) return;
        const int i = y * W + x;
        r[i] += static_cast<float>(vr);
        g[i] += static_cast<float>(vg);
        b[i] += static_cast<float>(vb);
    }
};

void addSky(Field& f) {
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const double nx = x / 150.0, ny = y / 150.0;
            // Two veils of gas, each switched on and off by a slower noise so they form wisps.
            const double veil1 = std::pow(fbm(nx, ny, 6, 11), 2.0) * std::pow(fbm(nx * 0.5 + 7, ny * 0.5, 3, 12), 1.2);
            const double veil2 = std::pow(fbm(nx * 1.3 + 3, ny * 1.3, 5, 21), 2.5) * fbm(nx * 0.4, ny * 0.4 + 5, 3, 22);
            const double grad = 0.5 + 0.5 * (static_cast<double>(x) / W);
            f.add(x, y, 0.018 + veil1 * 0.42 + veil2 * 0.05, 0.020 + veil1 * 0.08 + veil2 * 0.22,
                  0.055 * grad + veil1 * 0.40 + veil2 * 0.34);
        }
    }
}

// One elliptical galaxy brightness at a point, in the galaxy's own frame.
void addGalaxy(Field& f, double cx, double cy, double angle, double tilt, double scale, double bright) {
    const double ca = std::cos(angle), sa = std::sin(angle);
    const double pitch = std::tan(10.0 * M_PI / 180.0);
    const double extent = scale * 4.2;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const double dx = x - cx, dy = y - cy;
            const double u = dx * ca + dy * sa;
            const double v = (-dx * sa + dy * ca) / tilt;
            const double r = std::sqrt(u * u + v * v);
            if (r > extent * 1.25) continue;
            const double theta = std::atan2(v, u);
            const double rn = r / scale;
            const double disk = std::exp(-rn * 1.05);
            // Two logarithmic arms, broken up by noise into clumps.
            const double phase = 2 * theta - 2 * std::log(rn + 0.15) / pitch;
            const double arm = std::pow(0.5 + 0.5 * std::cos(phase), 1.8);
            const double clumps = 0.5 * fbm(x / 9.0, y / 9.0, 3, 31) + 0.5 * fbm(x / 28.0, y / 28.0, 3, 32);
            const double dustPhase = 0.5 + 0.5 * std::cos(phase + 0.9);
            const double dust = 1 - 0.75 * std::pow(dustPhase, 5) * std::min(1.0, rn * 1.5) * (0.6 + 0.6 * clumps);
            const double fade = std::clamp((extent * 1.25 - r) / (extent * 0.5), 0.0, 1.0);
            const double patchy = std::pow(clumps * 1.6, 2.0);
            const double arms = disk * (0.5 + 1.1 * arm * patchy) * dust * fade;
            const double bulge = std::exp(-std::pow(rn / 0.32, 1.1)) * 1.6;
            const double core = std::exp(-std::pow(rn / 0.07, 2)) * 1.2;
            const double k = bright;
            // Old yellow stars in the bulge, young blue ones in the arms, pink star-forming knots.
            const double knots = std::pow(std::max(0.0, clumps - 0.62) * 2.6, 2) * arm * disk * fade;
            f.add(x, y, k * (arms * 0.50 + bulge * 0.95 + core + knots * 0.9),
                  k * (arms * 0.55 + bulge * 0.80 + core + knots * 0.3),
                  k * (arms * 0.85 + bulge * 0.55 + core * 0.9 + knots * 0.6));
        }
    }
}

void addBlob(Field& f, double cx, double cy, double rx, double ry, double angle, double bright) {
    const double ca = std::cos(angle), sa = std::sin(angle);
    for (int y = std::max(0, int(cy - 4 * rx)); y < std::min(H, int(cy + 4 * rx)); ++y) {
        for (int x = std::max(0, int(cx - 4 * rx)); x < std::min(W, int(cx + 4 * rx)); ++x) {
            const double dx = x - cx, dy = y - cy;
            const double u = (dx * ca + dy * sa) / rx, v = (-dx * sa + dy * ca) / ry;
            const double e = std::exp(-(u * u + v * v)) * bright;
            f.add(x, y, e * 0.95, e * 0.85, e * 0.7);
        }
    }
}

void addStar(Field& f, double x, double y, double bright, double temp, bool spikes) {
    // temp 0 = red dwarf, 1 = hot blue star.
    const double cr = 1.0 - 0.25 * temp, cg = 0.88 + 0.08 * temp, cb = 0.72 + 0.35 * temp;
    const double sigma = 0.55 + bright * 0.5;
    const int reach = static_cast<int>(std::ceil(sigma * 3 + (spikes ? bright * 14 : 0)));
    for (int py = int(y) - reach; py <= int(y) + reach; ++py) {
        for (int px = int(x) - reach; px <= int(x) + reach; ++px) {
            const double dx = px + 0.5 - x, dy = py + 0.5 - y;
            const double d2 = dx * dx + dy * dy;
            double e = bright * std::exp(-d2 / (2 * sigma * sigma));
            e += bright * 0.12 * std::exp(-d2 / (2 * 9 * sigma * sigma));  // halo
            if (spikes) {
                const double len = bright * 12;
                e += bright * 0.35 * std::exp(-dy * dy / 0.35) * std::max(0.0, 1 - std::abs(dx) / len);
                e += bright * 0.35 * std::exp(-dx * dx / 0.35) * std::max(0.0, 1 - std::abs(dy) / len);
            }
            f.add(px, py, e * cr, e * cg, e * cb);
        }
    }
}

}  // namespace

QImage paintAndromeda() {
    Field f;
    addSky(f);
    // The galaxy sits upper right, tilted like its namesake; its companions nearby.
    addGalaxy(f, 455, 190, -0.52, 0.30, 92, 0.34);
    addBlob(f, 405, 262, 4, 3.5, 0, 0.30);
    addBlob(f, 575, 92, 13, 6, 0.9, 0.10);
    // A far smaller spiral in the lower left for balance.
    addGalaxy(f, 120, 380, 0.5, 0.5, 9, 0.22);

    Rng rng(20240607);
    for (int i = 0; i < 2600; ++i) {
        const double m = std::pow(rng.uniform(), 7.0);
        addStar(f, rng.range(0, W), rng.range(0, H), 0.05 + m * 0.55, rng.uniform(), false);
    }
    for (int i = 0; i < 7; ++i) {
        addStar(f, rng.range(10, W - 10), rng.range(10, H - 10), rng.range(0.5, 0.9), rng.uniform(), true);
    }

    QImage img(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < W; ++x) {
            const int i = y * W + x;
            // Soft shoulder keeps the core from burning out; a touch of grain hides banding.
            auto tone = [&](float v, int ch) {
                const double t = 1 - std::exp(-v * 1.35);
                const double grain = (hash01(x, y, 77 + ch) - 0.5) * 0.012;
                return std::clamp(static_cast<int>(std::lround((t + grain) * 255)), 0, 255);
            };
            line[x] = qRgb(tone(f.r[i], 0), tone(f.g[i], 1), tone(f.b[i], 2));
        }
    }
    return img;
}

}  // namespace pictures
