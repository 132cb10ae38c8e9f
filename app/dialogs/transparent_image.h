// Pictures drawn with a key colour that lets what lies beneath show through.
#pragma once

#include <QImage>

namespace sorimo {

// The key colour of the girl pictures of the side panel and the game-over dialog.
constexpr QRgb kGirlTransparent = 0xFF84FF84;  // RGB(132, 255, 132)

// Draws `picture` onto `target` at (x, y), leaving out the pixels of the transparent colour.
void DrawTransparent(QImage& target, int x, int y, const QImage& picture, QRgb transparent);

}  // namespace sorimo
