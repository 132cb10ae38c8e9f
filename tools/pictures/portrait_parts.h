// Pieces shared by the four characters: the card they stand on, the shoulders, small
// decorations. Coordinates are those of the finished 92 x 166 picture.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include "portrait_characters.h"
#include "portrait_face.h"
#include "portrait_hair.h"

namespace pictures {

QPen roundPen(const QColor& c, double w);

// Everything inside the frame; the frame itself is drawn over the edge afterwards.
inline const QRectF kCardInside(2, 2, kPortraitW - 4, kPortraitH - 4);
void paintCardFrame(QPainter& p);
void paintCardBackground(QPainter& p, const QColor& top, const QColor& bottom);
void paintBokeh(QPainter& p, quint32 seed, int count, const QColor& colour, double rMin, double rMax);

// Shoulders and chest; outfits fill it and paint inside it.
QPainterPath bodyOutline();
void fillBody(QPainter& p, const QColor& top, const QColor& bottom, const QColor& line);
// The inner line of each upper arm, with the arm a shade darker outside it.
void paintArms(QPainter& p, const QColor& shade, const QColor& line);

// The soft shadow the head casts on the shoulders and chest.
void paintHeadShadow(QPainter& p);

void paintBlossom(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& heart);

void paintMei(QPainter& p, Mood mood);     // red qipao, black buns
void paintHina(QPainter& p, Mood mood);    // yellow ribbon, sailor collar
void paintRin(QPainter& p, Mood mood);     // glasses, cardigan
void paintSakura(QPainter& p, Mood mood);  // long hair, blue kimono

}  // namespace pictures
