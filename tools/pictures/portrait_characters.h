// The four side-panel characters, each drawn whole for one mood in the coordinates of the
// finished 92 x 166 picture.
#pragma once

#include <QPainter>

#include "portrait_face.h"

namespace pictures {

inline constexpr int kPortraitW = 92;
inline constexpr int kPortraitH = 166;
inline constexpr int kCharacterCount = 4;

// k = 0: red qipao and black buns; 1: yellow ribbon and sailor collar; 2: glasses and
// cardigan; 3: long hair and blue kimono.
void paintCharacter(QPainter& p, int k, Mood mood);

}  // namespace pictures
