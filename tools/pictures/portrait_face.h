// The face shared by the side-panel characters, drawn in the coordinates of the finished
// 92 x 166 picture (the caller scales the painter for supersampling). Each character brings
// its own colours; the expression comes from the mood.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

enum class Mood { Calm, Happy, Worried };

struct FaceLook {
    QColor skin{253, 231, 214};
    QColor skinShade{241, 196, 176};
    QColor skinLine{170, 96, 84};
    QColor lash{48, 28, 32};
    QColor iris{70, 120, 200};
    QColor irisDeep{24, 40, 96};
    QColor blush{255, 120, 130};
    QColor brow{90, 60, 50};
    double eyeY = 68.0;        // centre line of the eyes
    double eyeGap = 9.5;       // half the distance between the eye centres
};

// Face geometry, also used by the hair to cast its shadow and by the neck.
QPainterPath faceOutline();
inline constexpr double kFaceCentreX = 46.0;
inline constexpr double kChinY = 91.5;

// Skin of the face, ears and neck, under the hair that hangs in front of it.
void paintNeck(QPainter& p, const FaceLook& look);
void paintFaceSkin(QPainter& p, const FaceLook& look);
// Eyes, brows, nose, mouth and blush for the mood.
void paintFeatures(QPainter& p, const FaceLook& look, Mood mood);
// What a mood adds on top of everything (a sweat drop, a sparkle).
void paintMoodExtras(QPainter& p, const FaceLook& look, Mood mood, QPointF sweatAt);

// The shadow a fringe casts on the forehead: the fringe outline moved down, kept on the face.
void paintFringeShadow(QPainter& p, const FaceLook& look, const QPainterPath& fringe);

}  // namespace pictures
