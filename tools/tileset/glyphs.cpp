#include "glyphs.h"

#include <QFontDatabase>
#include <QStringList>

namespace tileset {
namespace {

QString& familyOf(TileFont font) {
    static QString brush, latin;
    return font == TileFont::Brush ? brush : latin;
}

// Registers the font file at path and returns the family whose name contains want (the
// first family when want is empty), or an empty string.
QString addFont(const QString& path, const QString& want) {
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) return {};
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    for (const QString& f : families)
        if (want.isEmpty() || f.contains(want)) return f;
    return {};
}

}  // namespace

bool loadTileFonts(QString* error) {
    // The Taiwan cut of AR PL UKai: traditional forms of 萬, 發 and the winds.
    familyOf(TileFont::Brush) = addFont("/usr/share/fonts/truetype/arphic/ukai.ttc", "UKai TW");
    if (familyOf(TileFont::Brush).isEmpty()) {
        if (error) *error = "the font AR PL UKai is missing (Debian package fonts-arphic-ukai)";
        return false;
    }
    familyOf(TileFont::Latin) = addFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "");
    if (familyOf(TileFont::Latin).isEmpty()) {
        if (error) *error = "the font DejaVu Sans Bold is missing (Debian package fonts-dejavu-core)";
        return false;
    }
    return true;
}

QPainterPath fittedGlyph(const QString& text, const QRectF& box, bool stretch, TileFont font) {
    QFont f(familyOf(font));
    f.setPixelSize(200);
    f.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath raw;
    raw.addText(0, 0, f, text);
    const QRectF bounds = raw.boundingRect();
    if (bounds.isEmpty()) return raw;
    double sx = box.width() / bounds.width();
    double sy = box.height() / bounds.height();
    if (!stretch) sx = sy = qMin(sx, sy);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(raw);
}

void drawGlyph(QPainter& p, const QPainterPath& glyph, const QColor& colour, double weight) {
    p.save();
    p.setBrush(colour);
    if (weight > 0)
        p.setPen(QPen(colour, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(glyph);
    p.restore();
}

void drawFittedGlyph(QPainter& p, const QString& text, const QRectF& box, const QColor& colour,
                     double weight, bool stretch, TileFont font) {
    const double m = weight / 2;
    drawGlyph(p, fittedGlyph(text, box.adjusted(m, m, -m, -m), stretch, font), colour, weight);
}

}  // namespace tileset
