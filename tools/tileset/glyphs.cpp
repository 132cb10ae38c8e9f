#include "glyphs.h"

#include <QFontDatabase>
#include <QStringList>

namespace tileset {
namespace {

QString& tileFontFamily() {
    static QString family;
    return family;
}

}  // namespace

bool loadTileFont(QString* error) {
    const QStringList candidates = {
        "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
        "/usr/share/fonts/wqy-microhei/wqy-microhei.ttc",
    };
    for (const QString& path : candidates) {
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) continue;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) {
            tileFontFamily() = families.first();
            return true;
        }
    }
    if (QFontDatabase::families().contains("WenQuanYi Micro Hei")) {
        tileFontFamily() = "WenQuanYi Micro Hei";
        return true;
    }
    if (error) *error = "the font WenQuanYi Micro Hei is missing (Debian package fonts-wqy-microhei)";
    return false;
}

QPainterPath fittedGlyph(const QString& text, const QRectF& box, bool stretch) {
    QFont font(tileFontFamily());
    font.setPixelSize(200);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
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

QPainterPath sizedGlyph(const QString& text, double emPixels, const QPointF& centre) {
    QFont font(tileFontFamily());
    font.setPixelSize(200);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF bounds = raw.boundingRect();
    const double s = emPixels / 200.0;
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(s, s);
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
                     double weight, bool stretch) {
    const double m = weight / 2;
    drawGlyph(p, fittedGlyph(text, box.adjusted(m, m, -m, -m), stretch), colour, weight);
}

}  // namespace tileset
