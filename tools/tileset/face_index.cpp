#include "face_index.h"

#include "face_art.h"
#include "glyphs.h"

namespace tileset {

QString faceIndexText(int face) {
    if (face <= 27) return QString::number((face - 1) % 9 + 1);
    if (face <= 35) return QString::number((face - 28) % 4 + 1);
    if (face <= 38) return {};
    const char* const winds[4] = {"E", "S", "W", "N"};
    return QString::fromLatin1(winds[face - 39]);
}

void paintFaceIndex(QPainter& p, int face) {
    const QString text = faceIndexText(face);
    if (text.isEmpty()) return;
    // Flowers red and seasons blue, as their families are told apart; the rest one quiet ink.
    QColor colour = ink::index();
    if (face >= 28 && face <= 31) colour = ink::red();
    if (face >= 32 && face <= 35) colour = ink::blue();
    // Every digit and letter stands the full height of the box; one wider than the box
    // (W, N) is narrowed to it rather than shrunk, so that it is as tall as the others.
    const double weight = 0.45;
    const QRectF box = kIndexBox.adjusted(weight / 2, weight / 2, -weight / 2, -weight / 2);
    const QRectF natural = fittedGlyph(text, QRectF(0, 0, 1000, box.height()), false, TileFont::Latin).boundingRect();
    QRectF fit = box;
    if (natural.width() < box.width()) fit.setWidth(natural.width());
    fit.moveLeft(box.left());
    drawGlyph(p, fittedGlyph(text, fit, true, TileFont::Latin), colour, weight);
}

}  // namespace tileset
