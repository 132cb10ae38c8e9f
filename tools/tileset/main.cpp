// sorimo_tileset: draws the four tilesets, the chooser's mini tile and the Clicks tiles.
//
//   sorimo_tileset [--out REPO] [--preview DIR]
//
// Writes REPO/data/Tilesets/{pai,darkpai,bluepai,pai256}.bmp, REPO/resources/minitile.png
// and REPO/resources/clicks1..6.png (REPO defaults to the source tree this was built from).
// With --preview it also writes pictures of the results composed as the board composes them.

#include "art_checks.h"
#include "bmp_file.h"
#include "glyphs.h"
#include "palette_quantizer.h"
#include "preview_sheet.h"
#include "small_tiles.h"
#include "tile_body.h"
#include "tileset_sheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

using namespace tileset;

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "sorimo_tileset: %s\n", qPrintable(message));
    return 1;
}

// Checks a written tileset against what the renderer relies on.
QString checkTileset(const QString& path, int expectedBits) {
    const int bits = bmpBitsPerPixel(path);
    if (bits != expectedBits) return QString("%1 has %2 bits per pixel, not %3").arg(path).arg(bits).arg(expectedBits);
    const QImage sheet = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (sheet.width() < kSheetWidth || sheet.height() < kSheetHeight) return path + " is too small";
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            if (sheet.pixel(kMaskCornerAt.x() + x, kMaskCornerAt.y() + y) !=
                sheet.pixel(kTileMaskAt.x() + kTileWidth - 6 + x, kTileMaskAt.y() + kTileHeight - 6 + y))
                return path + ": the mask corner differs from the tile mask";
    for (int y = 0; y < kTileHeight; ++y)
        for (int x = 0; x < kTileWidth; ++x) {
            const QRgb m = sheet.pixel(kTileMaskAt.x() + x, kTileMaskAt.y() + y) & 0xffffff;
            const QRgb b = sheet.pixel(kBodyAt.x() + x, kBodyAt.y() + y) & 0xffffff;
            if (m != 0 && m != 0xffffff) return path + ": the tile mask is not black and white";
            if (m == 0xffffff && b != 0) return path + ": the tile body is not black outside the mask";
        }
    for (int face = 1; face <= 42; ++face) {
        const QPoint pic = facePictureAt(face);
        const QPoint mask = faceMaskAt(face);
        for (int y = 0; y < kFaceHeight; ++y)
            for (int x = 0; x < kFaceWidth; ++x) {
                const QRgb m = sheet.pixel(mask.x() + x, mask.y() + y) & 0xffffff;
                if (m != 0 && m != 0xffffff) return path + QString(": the mask of face %1 is not black and white").arg(face);
                if (m == 0xffffff && (sheet.pixel(pic.x() + x, pic.y() + y) & 0xffffff) != 0)
                    return path + QString(": face %1 has picture outside its mask").arg(face);
            }
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString root = QStringLiteral(SORIMO_SOURCE_ROOT);
    QString previewDir;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            root = args[++i];
        else if (args[i] == "--preview" && i + 1 < args.size())
            previewDir = args[++i];
        else
            return fail("usage: sorimo_tileset [--out REPO] [--preview DIR]");
    }

    QString error;
    if (!loadTileFonts(&error)) return fail(error);

    const QDir tilesets(root + "/data/Tilesets");
    const QDir resources(root + "/resources");
    if (!QDir().mkpath(tilesets.path()) || !QDir().mkpath(resources.path()))
        return fail("cannot create the output folders under " + root);

    std::vector<QImage> written;
    for (const TileStyle& style : allTileStyles()) {
        ArtFigures figures;
        const QString wrongArt = checkFaceArt(style.inks, &figures);
        if (!wrongArt.isEmpty()) return fail(wrongArt);
        const QImage sheet = buildTilesetSheet(style, paintAllFaceArt(style.inks));
        const QString path = tilesets.filePath(style.fileName);
        const QImage out = style.fewColors ? quantizeTo256(sheet) : sheet;
        if (!writeBmp(path, out, &error)) return fail(error);
        const QString problem = checkTileset(path, style.fewColors ? 8 : 24);
        if (!problem.isEmpty()) return fail(problem);
        written.push_back(QImage(path));
        std::printf("wrote %s (numerals at least %d px tall, winds %d px from the edge)\n", qPrintable(path),
                    figures.shortestNumeral, figures.narrowestWindMargin);
    }

    const QImage mini = miniTile();
    if (!mini.save(resources.filePath("minitile.png"))) return fail("cannot write minitile.png");
    std::vector<QImage> clicks;
    for (int v = 1; v <= 6; ++v) {
        clicks.push_back(clicksTile(v));
        const QString name = QString("clicks%1.png").arg(v);
        if (!clicks.back().save(resources.filePath(name))) return fail("cannot write " + name);
    }
    std::printf("wrote %s and clicks1..6.png\n", qPrintable(resources.filePath("minitile.png")));

    if (!previewDir.isEmpty()) {
        QDir().mkpath(previewDir);
        const QDir dir(previewDir);
        previewOverview(written, clicks, mini).save(dir.filePath("tiles_preview.png"));
        std::vector<QImage> grounds;
        const QDir backgrounds(root + "/data/Backgrounds");
        for (const QString& name : backgrounds.entryList({"*.bmp", "*.jpg"}, QDir::Files, QDir::Name))
            grounds.push_back(QImage(backgrounds.filePath(name)));
        const char* names[4] = {"orange", "dark", "blue", "few"};
        for (size_t i = 0; i < written.size(); ++i) {
            previewOnGrounds(written[i], grounds).save(dir.filePath(QString("tiles_grounds_%1.png").arg(names[i])));
            enlarged(previewBoard(written[i]), 3).save(dir.filePath(QString("tiles_board3x_%1.png").arg(names[i])));
            const QImage gallery = previewGallery(written[i]);
            gallery.save(dir.filePath(QString("tiles_gallery_%1.png").arg(names[i])));
            enlarged(gallery, 3).save(dir.filePath(QString("tiles_gallery3x_%1.png").arg(names[i])));
            enlarged(written[i], 2).save(dir.filePath(QString("tiles_sheet2x_%1.png").arg(names[i])));
        }
        std::printf("previews in %s\n", qPrintable(dir.path()));
    }
    return 0;
}
