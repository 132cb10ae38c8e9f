// Characters (craks), dragons and winds: the faces that are written rather than drawn, in
// the brush hand of painted tiles.
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

// The numeral fills the upper part, right of the index; 萬 sits smaller beneath it.
constexpr QRectF kNumeralBox(9.5, 2.5, 25.5, 20.0);
constexpr QRectF kTenThousandBox(9.5, 26.5, 22.0, 21.0);
constexpr double kNumeralWeight = 1.7;

// Inside the face with six pixels to spare on every side; the top leaves the index room.
constexpr QRectF kWindBox(6.5, 11.0, 27.0, 32.5);

}  // namespace

void paintCharacterNumeral(QPainter& p, int n) {
    const double m = kNumeralWeight / 2;
    QRectF box = kNumeralBox.adjusted(m, m, -m, -m);
    // 一 and 二 are flat signs: fitted whole they would spread over the full width as bars
    // thicker than the strokes of the others, so they keep to the middle of the box.
    if (n == 1) box = box.adjusted(2.5, 0, -2.5, 0);
    if (n == 2) box = box.adjusted(2.0, 0, -2.0, 0);
    drawGlyph(p, fittedGlyph(kNumerals[n - 1], box), ink::navy(), kNumeralWeight);
}

void paintCharacter(QPainter& p, int n) {
    paintCharacterNumeral(p, n);
    drawFittedGlyph(p, QString::fromUtf8("萬"), kTenThousandBox, ink::red(), 0.6);
}

void paintDragon(QPainter& p, int n) {
    if (n == 1) {
        drawFittedGlyph(p, QString::fromUtf8("中"), QRectF(5, 4, 30, 42), ink::red(), 1.6, true);
        return;
    }
    if (n == 2) {
        drawFittedGlyph(p, QString::fromUtf8("發"), QRectF(4, 5, 32, 40), ink::green(), 0.9, true);
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
    const double weight = 1.4;
    const double m = weight / 2;
    const QRectF box = kWindBox.adjusted(m, m, -m, -m);
    // Fitted by width, then drawn up to a fifth taller, as tile writing is.
    QPainterPath glyph = fittedGlyph(QString::fromUtf8(names[n - 1]), box);
    const QRectF b = glyph.boundingRect();
    const double stretch = qMin(1.2, box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(1.0, stretch);
    t.translate(-b.center().x(), -b.center().y());
    drawGlyph(p, t.map(glyph), ink::navy(), weight);
}

}  // namespace tileset
