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

std::vector<TileStyle> allTileStyles() {
    std::vector<TileStyle> styles;

    TileStyle orange;
    orange.fileName = "pai.bmp";
    orange.back = QColor(234, 128, 22);
    orange.outline = QColor(70, 36, 8);
    orange.faceLight = QColor(255, 251, 236);
    orange.faceShade = QColor(238, 228, 200);
    orange.selectedLight = QColor(255, 226, 150);
    orange.selectedShade = QColor(246, 190, 104);
    orange.hintLight = QColor(200, 246, 214);
    orange.hintShade = QColor(140, 220, 190);
    styles.push_back(orange);

    TileStyle dark;
    dark.fileName = "darkpai.bmp";
    dark.back = QColor(58, 60, 70);
    dark.outline = QColor(18, 18, 24);
    dark.faceLight = QColor(250, 250, 244);
    dark.faceShade = QColor(226, 224, 212);
    dark.selectedLight = QColor(255, 226, 150);
    dark.selectedShade = QColor(246, 190, 104);
    dark.hintLight = QColor(200, 246, 214);
    dark.hintShade = QColor(140, 220, 190);
    styles.push_back(dark);

    TileStyle blue;
    blue.fileName = "bluepai.bmp";
    blue.back = QColor(36, 96, 196);
    blue.outline = QColor(12, 28, 64);
    blue.faceLight = QColor(255, 253, 244);
    blue.faceShade = QColor(234, 228, 208);
    blue.selectedLight = QColor(255, 226, 150);
    blue.selectedShade = QColor(246, 190, 104);
    blue.hintLight = QColor(200, 246, 214);
    blue.hintShade = QColor(140, 220, 190);
    styles.push_back(blue);

    TileStyle few;
    few.fileName = "pai256.bmp";
    few.back = QColor(24, 132, 96);
    few.outline = QColor(8, 40, 28);
    few.faceLight = QColor(255, 251, 236);
    few.faceShade = QColor(238, 228, 200);
    few.selectedLight = QColor(255, 226, 150);
    few.selectedShade = QColor(246, 190, 104);
    few.hintLight = QColor(200, 246, 214);
    few.hintShade = QColor(140, 220, 190);
    few.fewColors = true;
    styles.push_back(few);

    return styles;
}

}  // namespace tileset
