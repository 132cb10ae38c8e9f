#include "preview_sheet.h"

#include "tile_body.h"
#include "tileset_sheet.h"

#include <QPainter>
#include <algorithm>

namespace tileset {
namespace {

const QRgb kTeal = qRgb(0, 128, 128);

// dst := (dst AND src) or dst := (dst OR src) over a rectangle, as the block transfers do.
void transfer(QImage& dst, QPoint at, const QImage& src, QRect from, bool orMode) {
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            const int tx = at.x() + x;
            const int ty = at.y() + y;
            if (tx < 0 || ty < 0 || tx >= dst.width() || ty >= dst.height()) continue;
            const QRgb s = src.pixel(from.x() + x, from.y() + y);
            const QRgb d = dst.pixel(tx, ty);
            dst.setPixel(tx, ty, (orMode ? (d | s) : (d & s)) | 0xff000000u);
        }
}

void copyRect(QImage& dst, QPoint at, const QImage& src, QRect from) {
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            const int tx = at.x() + x;
            const int ty = at.y() + y;
            if (tx < 0 || ty < 0 || tx >= dst.width() || ty >= dst.height()) continue;
            dst.setPixel(tx, ty, src.pixel(from.x() + x, from.y() + y));
        }
}

// A sprite drawn masked: AND with the tile mask, OR with the sprite.
void drawSprite(QImage& board, QPoint at, const QImage& sheet, const QImage& sprite) {
    transfer(board, at, sheet, QRect(kTileMaskAt, QSize(kTileWidth, kTileHeight)), false);
    transfer(board, at, sprite, sprite.rect(), true);
}

struct Placed {
    int x, y, z, face, highlight;
};

}  // namespace

QImage composeSprite(const QImage& sheetIn, int face, int highlight) {
    const QImage sheet = sheetIn.convertToFormat(QImage::Format_RGB32);
    QImage sprite(kTileWidth, kTileHeight, QImage::Format_RGB32);
    copyRect(sprite, QPoint(0, 0), sheet, QRect(kBodyAt, QSize(kTileWidth, kTileHeight)));
    if (highlight > 0) {
        const QPoint from = highlight == 1 ? kSelectedAt : kHintAt;
        copyRect(sprite, QPoint(kEdge, 0), sheet, QRect(from, QSize(kFaceWidth, kFaceHeight)));
    }
    transfer(sprite, QPoint(kEdge, 0), sheet, QRect(faceMaskAt(face), QSize(kFaceWidth, kFaceHeight)), false);
    transfer(sprite, QPoint(kEdge, 0), sheet, QRect(facePictureAt(face), QSize(kFaceWidth, kFaceHeight)), true);
    return sprite;
}

QImage previewBoard(const QImage& sheetIn, const QImage& ground) {
    const QImage sheet = sheetIn.convertToFormat(QImage::Format_RGB32);
    // Layer 1: the 42 faces in rows of 11 (anchor columns 2 apart, rows 2 apart);
    // above them a second and third layer to show the edges and the stacking.
    std::vector<Placed> tiles;
    for (int i = 0; i < 42; ++i) tiles.push_back({1 + 2 * (i % 11), 1 + 2 * (i / 11), 1, i + 1, 0});
    const int upper[] = {4, 13, 22, 31};
    for (int i = 0; i < 4; ++i) tiles.push_back({6 + 2 * i, 3, 2, upper[i], 0});
    tiles.push_back({8, 3, 3, 36, 0});
    // A staggered row half a tile to the right: the tiles above it show a notched edge.
    for (int i = 0; i < 5; ++i) tiles.push_back({2 + 2 * i, 9, 1, 1 + i * 9, 0});
    tiles.push_back({10, 3, 3, 37, 0});
    // Selected pair and hinted pair.
    tiles[0].highlight = 1;
    tiles[12].highlight = 1;
    tiles[20].highlight = 2;
    tiles[33].highlight = 2;

    const int ox = 36;
    const int oy = 52;
    QImage board(11 * 40 + 60, 5 * 50 + 40, QImage::Format_RGB32);
    board.fill(kTeal);
    if (!ground.isNull()) {
        // The game's board is 704 x 468; a picture that large is copied, a smaller one tiled.
        const bool large = ground.width() >= 704 && ground.height() >= 468;
        const QImage g = ground.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < board.height(); y += large ? board.height() : g.height())
            for (int x = 0; x < board.width(); x += large ? board.width() : g.width())
                copyRect(board, QPoint(x, y), g, g.rect());
    }
    // Back to front: layer by layer, right column first, top row first.
    std::stable_sort(tiles.begin(), tiles.end(), [](const Placed& a, const Placed& b) {
        if (a.z != b.z) return a.z < b.z;
        if (a.x != b.x) return a.x > b.x;
        return a.y < b.y;
    });
    auto occupied = [&tiles](int x, int y, int z) {
        for (const Placed& t : tiles)
            if (t.x == x && t.y == y && t.z == z) return true;
        return false;
    };
    for (const Placed& t : tiles) {
        const QPoint at(20 * t.x + 6 * t.z - 52 + ox, 25 * t.y - 6 * t.z - 59 + oy);
        const QImage sprite = composeSprite(sheet, t.face, t.highlight);
        if (!occupied(t.x + 1, t.y + 2, t.z)) {
            drawSprite(board, at, sheet, sprite);
            continue;
        }
        // Notched: the bottom edge stops short of the lower-right neighbour's face.
        transfer(board, at, sheet, QRect(kTileMaskAt, QSize(kTileWidth, kFaceHeight)), false);
        transfer(board, at, sprite, QRect(0, 0, kTileWidth, kFaceHeight), true);
        copyRect(board, at + QPoint(0, kFaceHeight), sprite, QRect(0, kFaceHeight, 21, 6));
        transfer(board, at + QPoint(21, kFaceHeight), sheet, QRect(kMaskCornerAt, QSize(6, 6)), false);
        transfer(board, at + QPoint(21, kFaceHeight), sprite, QRect(40, kFaceHeight, 6, 6), true);
    }
    return board;
}

QImage previewOnGrounds(const QImage& sheet, const std::vector<QImage>& grounds) {
    std::vector<QImage> boards{previewBoard(sheet)};
    for (const QImage& g : grounds) boards.push_back(previewBoard(sheet, g));
    const int bw = boards.front().width() + 8;
    const int bh = boards.front().height() + 8;
    const int rows = (int(boards.size()) + 2) / 3;
    QImage out(3 * bw, rows * bh, QImage::Format_RGB32);
    out.fill(qRgb(40, 40, 40));
    QPainter p(&out);
    for (size_t i = 0; i < boards.size(); ++i) p.drawImage(int(i % 3) * bw, int(i / 3) * bh, boards[i]);
    return out;
}

QImage previewGallery(const QImage& sheetIn) {
    const QImage sheet = sheetIn.convertToFormat(QImage::Format_RGB32);
    const int gap = 4;
    QImage out(9 * (kTileWidth + gap) + gap, 5 * (kTileHeight + gap) + gap, QImage::Format_RGB32);
    out.fill(kTeal);
    // Rows: characters, bamboos, dots, flowers and seasons, dragons and winds.
    std::vector<std::pair<int, int>> faces;  // face, highlight
    for (int f = 1; f <= 42; ++f) faces.push_back({f, 0});
    faces.push_back({5, 1});
    faces.push_back({23, 2});
    for (size_t i = 0; i < faces.size(); ++i) {
        const int slot = int(i) < 35 ? int(i) : int(i) + 1;  // flowers and seasons end their row
        const QPoint at(gap + (slot % 9) * (kTileWidth + gap), gap + (slot / 9) * (kTileHeight + gap));
        drawSprite(out, at, sheet, composeSprite(sheet, faces[i].first, faces[i].second));
    }
    return out;
}

QImage previewOverview(const std::vector<QImage>& sheets, const std::vector<QImage>& clicks,
                       const QImage& mini) {
    std::vector<QImage> boards;
    for (const QImage& s : sheets) boards.push_back(previewBoard(s));
    const int bw = boards.front().width();
    const int bh = boards.front().height();
    QImage out(bw * 2 + 10, bh * 2 + 10 + 220, QImage::Format_RGB32);
    out.fill(qRgb(40, 40, 40));
    QPainter p(&out);
    for (size_t i = 0; i < boards.size(); ++i)
        p.drawImage(int(i % 2) * (bw + 10), int(i / 2) * (bh + 10), boards[i]);

    // Clicks: a small wall drawn as the game draws it (right columns first, top rows first).
    const int cy = bh * 2 + 20;
    QImage wall(8 * 32 + 30, 5 * 32 + 30, QImage::Format_RGB32);
    wall.fill(kTeal);
    for (int c = 7; c >= 0; --c)
        for (int r = 0; r < 5; ++r) {
            const QImage& t = clicks[size_t((c * 7 + r * 3) % 6)];
            for (int y = 0; y < t.height(); ++y)
                for (int x = 0; x < t.width(); ++x)
                    if ((t.pixel(x, y) & 0xffffff) != 0) wall.setPixel(10 + 32 * c + x, 8 + 32 * r + y, t.pixel(x, y));
        }
    p.drawImage(0, cy, wall);

    // Mini tiles as the chooser places them: three layers.
    QImage miniBoard(206, 138, QImage::Format_RGB32);
    miniBoard.fill(kTeal);
    for (int l = 0; l < 3; ++l)
        for (int c = 20; c >= 0; c -= 2)
            for (int r = 0; r < 18; r += 2) {
                if (l > 0 && (c < 2 * l + 2 || c > 20 - 2 * l - 2 || r < 2 * l || r > 16 - 2 * l)) continue;
                const int x = 14 + 5 * c + 3 * l;
                const int y = 8 + 6 * r - 3 * l;
                for (int yy = 0; yy < mini.height(); ++yy)
                    for (int xx = 0; xx < mini.width(); ++xx)
                        if ((mini.pixel(xx, yy) & 0xffffff) != 0 && x + xx < 206 && y + yy < 138)
                            miniBoard.setPixel(x + xx, y + yy, mini.pixel(xx, yy));
            }
    p.drawImage(wall.width() + 20, cy, miniBoard);
    p.drawImage(wall.width() + 240, cy, enlarged(miniBoard.copy(0, 0, 120, 100), 2));
    p.end();
    return out;
}

QImage enlarged(const QImage& image, int factor) {
    return image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation);
}

}  // namespace tileset
