// Every picture the generator draws. Each function returns the finished picture at its
// shipped size; asset_list.cpp decides the file names and formats.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace pictures {

// Backgrounds behind the board (704 x 468 area; smaller pictures are tiled from (0, 0)).
QImage paintAndromeda();   // deep-space galaxy, 704 x 468
QImage paintDragons();     // lacquer-red dragon among clouds, 704 x 468
QImage paintKanji();       // seal and kanji pattern, a small seamless tile
QImage paintCatpats();     // cats and paw prints, a small seamless tile

QImage paintSplash();          // 261 x 136
QImage paintPanelBackdrop();   // 92 x 472, the hall of fame strip
QImage paintCursor();          // 32 x 32 with alpha, hotspot (0, 0)
QImage paintAppIcon(int size = 64);  // size x size with alpha
QImage paintToolbarWallpaper();  // 33 px high, repeats horizontally

// The toolbar glyphs, 24 x 24 with alpha, by file stem (new, back, hint, ...); at scale 2 the
// same drawings 48 x 48 ("new@2x", ...), which Qt picks on screens of two device pixels a pixel.
struct Glyph {
    QString name;
    QImage image;
};
std::vector<Glyph> paintToolbarGlyphs(int scale = 1);

// One side-panel character: the plain picture and two overlays holding only what changes
// (the key colour everywhere else). All three are opaque RGB, 92 x 166.
struct Portrait {
    QImage plain;
    QImage happyOverlay;    // "mood 1": shown when the player is doing well
    QImage worriedOverlay;  // "mood 2": shown when the game is going badly
};
std::vector<Portrait> paintPortraits();

// Writes resources/resources.qrc listing `files` (paths relative to resources/).
bool writeResourceList(const QString& resourcesDir, const QStringList& files);

// Reads the shipped pictures back and reports every rule they break; returns the count.
int checkPictures(const QString& repoRoot);

}  // namespace pictures
