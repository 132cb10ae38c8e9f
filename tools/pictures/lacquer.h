// Deep red lacquer with gold trim: the look shared by the side panel and the splash.
#pragma once

#include <QPainter>
#include <QRectF>

namespace pictures {

// Fills `r` with dark lacquer: a gradient, a faint grain, and a soft darkening at the edges.
void paintLacquer(QPainter& p, const QRectF& r, quint32 seed);
// A scroll of auspicious cloud centred at `c`, `size` wide, in `colour`.
void paintCloudScroll(QPainter& p, QPointF c, double size, const QColor& colour, double lineWidth);
// The gold frame: a dark outer edge, a gold line inside it, a finer gold line further in with
// little corner brackets.
void paintGoldFrame(QPainter& p, const QRectF& r);

}  // namespace pictures
