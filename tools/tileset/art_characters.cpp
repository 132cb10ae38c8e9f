// Characters (craks), dragons and winds: the faces that are written rather than drawn.
#include "face_art.h"
#include "glyphs.h"

#include <QPainterPath>

namespace tileset {
namespace {

const QString kNumerals[9] = {
    QString::fromUtf8("一"), QString::fromUtf8("二"), QString::fromUtf8("三"),
    QString::fromUtf8("四"), QString::fromUtf8("五"), QString::fromUtf8("六"),
    QString::fromUtf8("七"), QString::fromUtf8("八"), QString::fromUtf8("九"),
};

}  // namespace

void paintCharacter(QPainter& p, int n) {
    // The numeral on top, the sign for ten thousand below it in red.
    const QPainterPath numeral = sizedGlyph(kNumerals[n - 1], 18.5, QPointF(20, 12));
    drawGlyph(p, numeral, ink::navy(), 0.8);
    drawFittedGlyph(p, QString::fromUtf8("萬"), QRectF(5, 22.5, 30, 25), ink::red(), 0.7);
}

void paintDragon(QPainter& p, int n) {
    if (n == 1) {
        drawFittedGlyph(p, QString::fromUtf8("中"), QRectF(5, 4, 30, 42), ink::red(), 1.4, true);
        return;
    }
    if (n == 2) {
        drawFittedGlyph(p, QString::fromUtf8("發"), QRectF(4, 6, 32, 38), ink::green(), 0.9);
        return;
    }
    // White dragon: an empty blue frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::blue(), 2.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(7.2, 6.2, 25.6, 37.6));
    p.setPen(QPen(ink::blue(), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(11, 10, 18, 30));
    // Small corner blocks tie the two frames together.
    p.setPen(Qt::NoPen);
    p.setBrush(ink::blue());
    for (QPointF c : {QPointF(11, 10), QPointF(29, 10), QPointF(11, 40), QPointF(29, 40)})
        p.drawRect(QRectF(c.x() - 1.5, c.y() - 1.5, 3, 3));
}

void paintWind(QPainter& p, int n) {
    const char* const names[4] = {"東", "南", "西", "北"};
    drawFittedGlyph(p, QString::fromUtf8(names[n - 1]), QRectF(4, 5, 32, 40), ink::navy(), 1.0);
}

}  // namespace tileset
