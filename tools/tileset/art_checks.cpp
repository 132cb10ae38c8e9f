#include "art_checks.h"

#include "engraving.h"
#include "face_art.h"
#include "face_index.h"
#include "supersample_canvas.h"
#include "tile_body.h"

#include <functional>

namespace tileset {
namespace {

QImage painted(const std::function<void(QPainter&)>& paint) {
    SupersampleCanvas canvas(kFaceWidth, kFaceHeight);
    paint(canvas.painter());
    return canvas.finish();
}

bool inked(const QImage& art, int x, int y) {
    return qAlpha(art.pixel(x, y)) >= kCoverageThreshold;
}

// The pixels a rectangle in face coordinates touches.
QRect pixelsOf(const QRectF& r) {
    return r.toAlignedRect();
}

}  // namespace

QRect inkedBounds(const QImage& art) {
    QRect bounds;
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            if (inked(art, x, y)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QString checkFaceArt(const Inks& inks, ArtFigures* figures) {
    const ScopedInks use(inks);
    ArtFigures measured{1000, 1000};
    const QRect keepOut = pixelsOf(kIndexKeepOut);
    for (int face = 1; face <= kFaceCount; ++face) {
        const QImage drawing = painted([face](QPainter& p) { paintFaceDrawing(p, face); });
        if (inkedBounds(drawing).isEmpty()) return QString("face %1 has no drawing").arg(face);

        if (!faceIndexText(face).isEmpty()) {
            const QImage index = painted([face](QPainter& p) { paintFaceIndex(p, face); });
            const QRect written = inkedBounds(index);
            if (written.isEmpty()) return QString("face %1 has no index").arg(face);
            if (!keepOut.contains(written)) return QString("the index of face %1 leaves its corner").arg(face);
            for (int y = keepOut.top(); y <= keepOut.bottom(); ++y)
                for (int x = keepOut.left(); x <= keepOut.right(); ++x)
                    if (inked(drawing, x, y))
                        return QString("face %1 draws into the corner of its index at %2,%3").arg(face).arg(x).arg(y);
        }

        if (face >= 39) {
            const QRect glyph = inkedBounds(drawing);
            const int left = glyph.left(), top = glyph.top();
            const int right = kFaceWidth - 1 - glyph.right(), bottom = kFaceHeight - 1 - glyph.bottom();
            const int margin = qMin(qMin(left, top), qMin(right, bottom));
            measured.narrowestWindMargin = qMin(measured.narrowestWindMargin, margin);
            if (margin < kMinWindMargin)
                return QString("the wind of face %1 comes within %2, %3, %4, %5 pixels (left, top, right, "
                               "bottom) of the face edge; it keeps %6")
                    .arg(face).arg(left).arg(top).arg(right).arg(bottom).arg(kMinWindMargin);
        }
    }
    // 一 and 二 are flat signs; every other numeral stands at least kMinNumeralHeight tall.
    for (int n = 3; n <= 9; ++n) {
        const QRect numeral = inkedBounds(painted([n](QPainter& p) { paintCharacterNumeral(p, n); }));
        measured.shortestNumeral = qMin(measured.shortestNumeral, numeral.height());
        if (numeral.height() < kMinNumeralHeight)
            return QString("the numeral of character %1 is %2 pixels tall, less than %3")
                .arg(n).arg(numeral.height()).arg(kMinNumeralHeight);
    }
    if (figures) *figures = measured;
    return {};
}

}  // namespace tileset
