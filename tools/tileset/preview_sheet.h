#pragma once
// Pictures for looking at the work: tiles composed from a tileset file exactly as the board
// renderer composes them (copy the body, AND the face mask, OR the face picture; a sprite
// drawn as AND tile mask then OR sprite), at real size and enlarged.

#include <QImage>
#include <QString>
#include <vector>

namespace tileset {

// The 46 x 56 sprite of a face (1..42) cut from a loaded tileset picture. highlight 0 is the
// plain tile, 1 the selected face and 2 the hint face.
QImage composeSprite(const QImage& sheet, int face, int highlight = 0);

// A small layered board of all faces, with a selected and a hinted pair, on a ground: the
// game's plain teal, or a background picture placed as the game places it (a picture as
// large as the board from its upper left corner, a smaller one repeated).
QImage previewBoard(const QImage& sheet, const QImage& ground = QImage());

// The board on the teal ground and on each of the grounds, three to a row.
QImage previewOnGrounds(const QImage& sheet, const std::vector<QImage>& grounds);

// All 42 faces in suit order, rows of nine, each tile whole (plus a selected and a hinted
// tile at the end), with a little space between them.
QImage previewGallery(const QImage& sheet);

// Everything side by side: each set's board, then the Clicks tiles and a mini-tile board.
QImage previewOverview(const std::vector<QImage>& sheets, const std::vector<QImage>& clicks,
                       const QImage& mini);

// Nearest-neighbour enlargement, so single pixels can be judged.
QImage enlarged(const QImage& image, int factor);

}  // namespace tileset
