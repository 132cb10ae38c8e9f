#pragma once
// Characters and small Latin signs as outlines, fitted to a box, so that each face can place
// its characters exactly (font metrics alone would leave every glyph a different size).

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace tileset {

// Brush: the Chinese characters, in a brush (kai) hand as painted tiles are written.
// Latin: the small indices (digits, E S W N), a plain bold sans that stays legible at 7 px.
enum class TileFont { Brush, Latin };

// Loads both fonts the tile art is drawn with; false (and why) when one cannot be found.
bool loadTileFonts(QString* error);

// The outline of text, scaled to fit box (aspect kept unless stretch), centred in it.
QPainterPath fittedGlyph(const QString& text, const QRectF& box, bool stretch = false,
                         TileFont font = TileFont::Brush);

// Fills a glyph and thickens it by weight pixels (a stroke of that width around it).
void drawGlyph(QPainter& p, const QPainterPath& glyph, const QColor& colour, double weight);

// fittedGlyph + drawGlyph, with the box shrunk so that the thickened glyph still fits it.
void drawFittedGlyph(QPainter& p, const QString& text, const QRectF& box, const QColor& colour,
                     double weight, bool stretch = false, TileFont font = TileFont::Brush);

}  // namespace tileset
