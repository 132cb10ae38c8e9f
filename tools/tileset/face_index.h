#pragma once
// The small index in the upper left corner of a face: the Arabic number of a suit tile,
// flower or season, the Latin initial of a wind. A beginner reads the tile by it; the
// drawing stays the main thing, so the index is small and in a quiet ink.

#include <QPainter>
#include <QRectF>
#include <QString>

namespace tileset {

// Where the index is written, in face pixels.
constexpr QRectF kIndexBox(1.5, 1.5, 6.5, 8.5);
// The corner the drawing of an indexed face keeps clear: the index box and a pixel around it.
constexpr QRectF kIndexKeepOut(1.0, 1.0, 7.5, 10.0);

// "1".."9" on the suits, "1".."4" on flowers and seasons, "E" "S" "W" "N" on the winds,
// empty on the dragons.
QString faceIndexText(int face);

// Writes the index of face (nothing on the dragons).
void paintFaceIndex(QPainter& p, int face);

}  // namespace tileset
