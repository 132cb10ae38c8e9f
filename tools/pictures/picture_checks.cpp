// Reads the shipped pictures back and checks what the program and the player rely on: the
// sizes, the file kinds, the portraits' transparent colour, the seams of repeating pictures,
// the resource list, and that every file is exactly what the generators draw today.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "asset_list.h"
#include "canvas.h"
#include "pictures.h"

namespace pictures {

namespace {

struct Checker {
    QString root;
    int faults = 0;

    void fault(const QString& what) {
        std::printf("FAULT: %s\n", qPrintable(what));
        ++faults;
    }

    QImage load(const QString& rel) {
        QImage img(root + "/" + rel);
        if (img.isNull()) fault(rel + " cannot be read as a picture");
        return img;
    }

    void size(const QString& rel, const QImage& img, int w, int h) {
        if (!img.isNull() && (img.width() != w || img.height() != h))
            fault(QString("%1 is %2 x %3, not %4 x %5").arg(rel).arg(img.width()).arg(img.height()).arg(w).arg(h));
    }

    void alpha(const QString& rel, const QImage& img, bool wanted) {
        if (!img.isNull() && img.hasAlphaChannel() != wanted)
            fault(rel + (wanted ? " has no alpha channel" : " has an alpha channel"));
    }
};

int channelDiff(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Mean difference between column x and column x+1 (wrapping at the right edge).
double columnStep(const QImage& img, int x) {
    const int x2 = (x + 1) % img.width();
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) sum += channelDiff(img.pixel(x, y), img.pixel(x2, y));
    return sum / img.height();
}

// A repeating picture must not change more across its wrap than across nearly any of its own
// columns.
void seam(Checker& c, const QString& rel, const QImage& img, bool vertical) {
    if (img.isNull()) return;
    QImage pic = vertical ? img.transformed(QTransform().rotate(90)) : img;
    std::vector<double> inner;
    for (int x = 0; x + 1 < pic.width(); ++x) inner.push_back(columnStep(pic, x));
    std::sort(inner.begin(), inner.end());
    const double p95 = inner[inner.size() * 95 / 100];
    const double wrap = columnStep(pic, pic.width() - 1);
    if (wrap > p95 + 3)
        c.fault(QString("%1 shows a %2 seam (%3 against %4 inside)")
                    .arg(rel, vertical ? "horizontal" : "vertical")
                    .arg(wrap, 0, 'f', 1)
                    .arg(p95, 0, 'f', 1));
}

void checkPortraits(Checker& c) {
    for (int k = 1; k <= 4; ++k) {
        const QString plainName = QString("resources/girl%1.png").arg(k);
        const QImage plain = c.load(plainName);
        c.size(plainName, plain, 92, 166);
        c.alpha(plainName, plain, false);
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if ((plain.pixel(x, y) & 0xffffff) == (kKeyColour & 0xffffff)) {
                    c.fault(QString("%1 holds the transparent colour at (%2, %3)").arg(plainName).arg(x).arg(y));
                    y = plain.height();
                    break;
                }
        for (int m = 1; m <= 2; ++m) {
            const QString name = QString("resources/girl%1_mood%2.png").arg(k).arg(m);
            const QImage over = c.load(name);
            c.size(name, over, 92, 166);
            c.alpha(name, over, false);
            if (over.isNull()) continue;
            int keyed = 0, drawn = 0, nearKey = 0;
            for (int y = 0; y < over.height(); ++y) {
                for (int x = 0; x < over.width(); ++x) {
                    const QRgb px = over.pixel(x, y);
                    if ((px & 0xffffff) == (kKeyColour & 0xffffff)) { ++keyed; continue; }
                    ++drawn;
                    // A colour close to the key is what anti-aliasing against it leaves behind.
                    if (channelDiff(px, kKeyColour) < 60) ++nearKey;
                }
            }
            if (drawn == 0) c.fault(name + " changes nothing");
            if (keyed < over.width() * over.height() / 2) c.fault(name + " covers most of the picture");
            if (nearKey > 0) c.fault(QString("%1 has %2 pixels blended with the transparent colour").arg(name).arg(nearKey));
        }
    }
}

void checkResourceList(Checker& c) {
    QFile f(c.root + "/resources/resources.qrc");
    if (!f.open(QIODevice::ReadOnly)) {
        c.fault("resources/resources.qrc is missing");
        return;
    }
    const QString text = QString::fromUtf8(f.readAll());
    std::map<QString, QString> listed;
    const QRegularExpression entry("<file alias=\"([^\"]+)\">([^<]+)</file>");
    for (auto it = entry.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        listed[m.captured(2)] = m.captured(1);
    }
    for (const auto& [file, alias] : listed) {
        if (alias != file) c.fault("resources.qrc gives " + file + " the alias " + alias);
        if (!QFile::exists(c.root + "/resources/" + file)) c.fault("resources.qrc lists the missing file " + file);
    }
    QDirIterator it(c.root + "/resources", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = QDir(c.root + "/resources").relativeFilePath(it.next());
        if (rel != "resources.qrc" && !listed.count(rel)) c.fault("resources.qrc does not list " + rel);
    }
}

}  // namespace

int checkPictures(const QString& repoRoot) {
    Checker c{repoRoot};

    for (const AssetFile& a : drawAllAssets()) {
        QFile f(repoRoot + "/" + a.path);
        if (!f.open(QIODevice::ReadOnly)) {
            c.fault(a.path + " is missing");
            continue;
        }
        if (f.readAll() != a.bytes) c.fault(a.path + " differs from what the generator draws now");
    }

    for (const char* bmp : {"data/Backgrounds/dragons.bmp", "data/Backgrounds/kanji.bmp"}) {
        QFile f(repoRoot + "/" + bmp);
        const QByteArray head = f.open(QIODevice::ReadOnly) ? f.read(30) : QByteArray();
        if (head.size() < 30 || !head.startsWith("BM") || head[28] != 24 || head[29] != 0)
            c.fault(QString(bmp) + " is not a 24-bit bitmap");
    }
    for (const char* big : {"data/Backgrounds/dragons.bmp", "data/Backgrounds/andromeda.jpg"}) {
        const QImage img = c.load(big);
        if (!img.isNull() && (img.width() < 704 || img.height() < 468)) c.fault(QString(big) + " is smaller than the board");
    }
    for (const char* tile : {"data/Backgrounds/kanji.bmp", "data/Backgrounds/catpats.jpg"}) {
        const QImage img = c.load(tile);
        if (!img.isNull() && img.width() >= 704 && img.height() >= 468) c.fault(QString(tile) + " would not be tiled");
        seam(c, tile, img, false);
        seam(c, tile, img, true);
    }

    const QImage splash = c.load("resources/splash.png");
    c.size("resources/splash.png", splash, 261, 136);
    c.alpha("resources/splash.png", splash, false);
    const QImage hof = c.load("resources/hofpic.png");
    c.size("resources/hofpic.png", hof, 92, 472);
    c.alpha("resources/hofpic.png", hof, false);
    const QImage wall = c.load("resources/toolbar_wallpaper.png");
    if (!wall.isNull() && wall.height() != 33) c.fault("resources/toolbar_wallpaper.png is not 33 pixels high");
    seam(c, "resources/toolbar_wallpaper.png", wall, false);

    const QImage cursor = c.load("resources/techno_cursor.png");
    c.size("resources/techno_cursor.png", cursor, 32, 32);
    c.alpha("resources/techno_cursor.png", cursor, true);
    if (!cursor.isNull() && qAlpha(cursor.pixel(0, 0)) < 100) c.fault("the cursor's hotspot (0, 0) is not on the pointer");
    const QImage icon = c.load("resources/sorimo_icon.png");
    c.size("resources/sorimo_icon.png", icon, 64, 64);
    c.alpha("resources/sorimo_icon.png", icon, true);

    for (const char* name : {"new", "back", "hint", "shuffle", "pause", "play", "music", "layout", "help", "about",
                             "hall", "exit"}) {
        const QString rel = QString("resources/toolbar/%1.png").arg(name);
        const QImage g = c.load(rel);
        c.size(rel, g, 24, 24);
        c.alpha(rel, g, true);
        if (g.isNull()) continue;
        int opaque = 0;
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x) opaque += qAlpha(g.pixel(x, y)) > 128;
        if (opaque < 60) c.fault(rel + " is nearly empty");
        if (qAlpha(g.pixel(0, 0)) > 0 && qAlpha(g.pixel(23, 0)) > 0) c.fault(rel + " fills its corners");
    }

    checkPortraits(c);
    checkResourceList(c);
    return c.faults;
}

}  // namespace pictures
