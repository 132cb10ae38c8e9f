#include "tile_style.h"

#include <algorithm>

namespace tileset {

QColor mix(const QColor& a, const QColor& b, double t) {
    auto ch = [t](int x, int y) { return std::clamp(int(x + (y - x) * t + 0.5), 0, 255); };
    return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

QColor scaled(const QColor& c, double factor) {
    auto ch = [factor](int x) { return std::clamp(int(x * factor + 0.5), 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

namespace {

// Yellow for the selected pair, mint for the hint, on every set: the player learns them once.
void highlights(TileStyle& s) {
    s.selectedLight = QColor(255, 226, 150);
    s.selectedShade = QColor(246, 190, 104);
    s.hintLight = QColor(200, 246, 214);
    s.hintShade = QColor(140, 220, 190);
}

// Warm bone with rounder corners and a deeper bone layer, in the inks of old painted
// tiles: cinnabar, jade, indigo, and brown-black writing.
TileStyle orangeStyle() {
    TileStyle s;
    s.fileName = "pai.bmp";
    s.back = QColor(234, 128, 22);
    s.outline = QColor(70, 36, 8);
    s.faceLight = QColor(255, 247, 224);
    s.faceShade = QColor(234, 216, 176);
    s.cornerRadius = 3.5;
    s.ivoryDepth = 3.0;
    s.inks.red = QColor(184, 36, 22);
    s.inks.darkRed = QColor(118, 18, 8);
    s.inks.green = QColor(20, 114, 76);
    s.inks.darkGreen = QColor(6, 70, 44);
    s.inks.lightGreen = QColor(108, 178, 112);
    s.inks.blue = QColor(36, 62, 140);
    s.inks.darkBlue = QColor(18, 32, 86);
    s.inks.navy = QColor(40, 26, 18);
    s.inks.gold = QColor(222, 158, 34);
    s.inks.index = QColor(112, 80, 56);
    s.inks.pale = QColor(255, 246, 222);
    highlights(s);
    return s;
}

// Cool porcelain white on a charcoal back, crisp corners and a thin face layer, in strong
// modern inks. The back carries a light rim, so the tile stays outlined on a dark ground.
TileStyle darkStyle() {
    TileStyle s;
    s.fileName = "darkpai.bmp";
    s.back = QColor(52, 54, 64);
    s.outline = QColor(10, 10, 14);
    s.rim = QColor(196, 200, 212);
    s.faceLight = QColor(253, 253, 252);
    s.faceShade = QColor(218, 222, 230);
    s.cornerRadius = 1.8;
    s.ivoryDepth = 2.0;
    s.inks.red = QColor(216, 18, 40);
    s.inks.darkRed = QColor(136, 4, 20);
    s.inks.green = QColor(0, 134, 74);
    s.inks.darkGreen = QColor(0, 78, 40);
    s.inks.lightGreen = QColor(90, 190, 110);
    s.inks.blue = QColor(18, 74, 200);
    s.inks.darkBlue = QColor(6, 34, 112);
    s.inks.navy = QColor(14, 14, 20);
    s.inks.index = QColor(64, 66, 76);
    s.inks.pale = QColor(253, 253, 252);
    highlights(s);
    return s;
}

// The default: a neutral ivory-white face and the clear standard inks.
TileStyle blueStyle() {
    TileStyle s;
    s.fileName = "bluepai.bmp";
    s.back = QColor(36, 96, 196);
    s.outline = QColor(12, 28, 64);
    s.faceLight = QColor(255, 254, 248);
    s.faceShade = QColor(232, 229, 216);
    highlights(s);
    return s;
}

// Plain colours on face and edge, so that the 256 colours of the palette go to the art.
TileStyle fewStyle() {
    TileStyle s;
    s.fileName = "pai256.bmp";
    s.back = QColor(24, 132, 96);
    s.outline = QColor(8, 40, 28);
    s.faceLight = QColor(250, 246, 230);
    s.faceShade = QColor(226, 218, 194);
    s.flat = true;
    s.inks.pale = s.faceLight;
    highlights(s);
    s.fewColors = true;
    return s;
}

}  // namespace

std::vector<TileStyle> allTileStyles() {
    return {orangeStyle(), darkStyle(), blueStyle(), fewStyle()};
}

}  // namespace tileset
