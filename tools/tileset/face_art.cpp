#include "face_art.h"

#include "face_index.h"

namespace tileset {
namespace {

const Inks& defaultInks() {
    static const Inks inks;
    return inks;
}

const Inks*& activeInks() {
    static const Inks* inks = &defaultInks();
    return inks;
}

}  // namespace

const Inks& currentInks() {
    return *activeInks();
}

ScopedInks::ScopedInks(const Inks& inks) : previous_(activeInks()) {
    activeInks() = &inks;
}

ScopedInks::~ScopedInks() {
    activeInks() = previous_;
}

FaceCell faceCell(int face) {
    if (face <= 9) return {face - 1, 2};
    if (face <= 18) return {face - 10, 1};
    if (face <= 27) return {face - 19, 0};
    if (face <= 31) return {face - 28, 4};
    if (face <= 35) return {face - 32, 3};
    if (face <= 38) return {face - 36 + 4, 4};
    return {face - 39 + 4, 3};
}

void paintFaceDrawing(QPainter& p, int face) {
    p.save();
    if (face <= 9)
        paintCharacter(p, face);
    else if (face <= 18)
        paintBamboo(p, face - 9);
    else if (face <= 27)
        paintDots(p, face - 18);
    else if (face <= 31)
        paintFlower(p, face - 27);
    else if (face <= 35)
        paintSeason(p, face - 31);
    else if (face <= 38)
        paintDragon(p, face - 35);
    else
        paintWind(p, face - 38);
    p.restore();
}

void paintFaceArt(QPainter& p, int face) {
    paintFaceDrawing(p, face);
    p.save();
    paintFaceIndex(p, face);
    p.restore();
}

}  // namespace tileset
