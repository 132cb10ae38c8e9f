#pragma once
// Chinese characters and digits as outlines, fitted to a box, so that each face can place
// its characters exactly (font metrics alone would leave every glyph a different size).

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace tileset {

// Loads the CJK font the tile art is drawn with; false when it cannot be found.
bool loadTileFont(QString* error);

// The outline of text in the tile font, scaled to fit box (aspect kept unless stretch),
// centred in it.
QPainterPath fittedGlyph(const QString& text, const QRectF& box, bool stretch = false);

// The outline of text whose em is emPixels tall, its bounding box centred on centre; glyphs
// of one size drawn this way keep their natural proportions to one another.
QPainterPath sizedGlyph(const QString& text, double emPixels, const QPointF& centre);

// Fills a glyph and thickens it by weight pixels (a stroke of that width around it).
void drawGlyph(QPainter& p, const QPainterPath& glyph, const QColor& colour, double weight);

// fittedGlyph + drawGlyph, with the box shrunk so that the thickened glyph still fits it.
void drawFittedGlyph(QPainter& p, const QString& text, const QRectF& box, const QColor& colour,
                     double weight, bool stretch = false);

}  // namespace tileset
