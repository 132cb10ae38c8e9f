#include "tileset_sheet.h"

#include "face_art.h"
#include "supersample_canvas.h"
#include "tile_body.h"

namespace tileset {
namespace {

void paste(QImage& sheet, const QImage& part, QPoint at) {
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) sheet.setPixel(at.x() + x, at.y() + y, part.pixel(x, y));
}

}  // namespace

QPoint facePictureAt(int face) {
    const FaceCell cell = faceCell(face);
    return QPoint(41 * cell.column + 1, 51 * cell.row + 1);
}

QPoint faceMaskAt(int face) {
    return facePictureAt(face) + QPoint(0, kMaskRowOffset);
}

FaceArt paintAllFaceArt(const Inks& inks) {
    const ScopedInks use(inks);
    FaceArt art;
    for (int face = 1; face <= kFaceCount; ++face) {
        SupersampleCanvas canvas(kFaceWidth, kFaceHeight);
        paintFaceArt(canvas.painter(), face);
        art[face - 1] = canvas.finish();
    }
    return art;
}

QImage buildTilesetSheet(const TileStyle& style, const FaceArt& art) {
    QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    sheet.fill(Qt::black);

    // Cells no face uses hold a blank face: no picture, nothing masked.
    QImage emptyMask(kFaceWidth, kFaceHeight, QImage::Format_RGB32);
    emptyMask.fill(Qt::white);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 9; ++c) paste(sheet, emptyMask, QPoint(41 * c + 1, 51 * r + 1 + kMaskRowOffset));

    const TileColours colours = boardColours(style);
    const TileGeometry geometry = boardGeometry(style);
    const QImage body = tileBody(colours, geometry);
    paste(sheet, body, kBodyAt);

    TileColours selected = colours;
    selected.faceLight = style.selectedLight;
    selected.faceShade = style.selectedShade;
    paste(sheet, faceArea(tileBody(selected, geometry)), kSelectedAt);

    TileColours hint = colours;
    hint.faceLight = style.hintLight;
    hint.faceShade = style.hintShade;
    paste(sheet, faceArea(tileBody(hint, geometry)), kHintAt);

    paste(sheet, tileMask(geometry), kTileMaskAt);

    const QImage face = faceArea(body);
    for (int f = 1; f <= kFaceCount; ++f) {
        const FacePicture picture = composeEngraving(art[f - 1], face);
        paste(sheet, picture.picture, facePictureAt(f));
        paste(sheet, picture.mask, faceMaskAt(f));
    }
    return sheet;
}

}  // namespace tileset
