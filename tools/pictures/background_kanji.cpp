// A calm indigo pattern of kanji and seal stamps. The picture is one small tile: every motif
// that crosses an edge comes back on the opposite edge, so the board can repeat it seamlessly.
#include <QFont>
#include <QPainterPath>
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int T = 192;  // tile size

const QColor kField(30, 44, 76);
const QColor kInk(50, 68, 108);
const QColor kSeal(96, 48, 58);

QPainterPath glyphPath(const QString& text, double size) {
    QFont f("WenQuanYi Micro Hei");
    f.setPixelSize(200);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    const double s = size / std::max(b.width(), b.height());
    QTransform t;
    t.scale(s, s);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

void seal(QPainter& p, QPointF c, double size, const QString& text, double angle) {
    // A square stamp with a border, its character cut out of the ink.
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath stamp;
    stamp.addRoundedRect(QRectF(-size / 2, -size / 2, size, size), size * 0.12, size * 0.12);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(-size * 0.43, -size * 0.43, size * 0.86, size * 0.86), size * 0.07, size * 0.07);
    QPainterPath block;
    block.addRoundedRect(QRectF(-size * 0.37, -size * 0.37, size * 0.74, size * 0.74), size * 0.05, size * 0.05);
    const QPainterPath glyph = glyphPath(text, size * 0.56);
    p.setPen(Qt::NoPen);
    p.setBrush(kSeal);
    p.drawPath(stamp.subtracted(inner));
    p.drawPath(block.subtracted(glyph));
    // Worn stamps never print evenly: speckle a little of the field colour over the ink.
    Rng rng(static_cast<quint32>(c.x() * 31 + c.y() * 7 + 1));
    p.setBrush(withAlpha(kField, 150));
    for (int i = 0; i < 26; ++i)
        p.drawEllipse(QPointF(rng.range(-size / 2, size / 2), rng.range(-size / 2, size / 2)), rng.range(0.4, 1.3),
                      rng.range(0.4, 1.3));
    p.restore();
}

void brushGlyph(QPainter& p, QPointF c, double size, const QString& text) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(glyphPath(text, size).translated(c));
}

void blossomDot(QPainter& p, QPointF c, double r) {
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kInk, 200));
    for (int i = 0; i < 5; ++i) {
        const double a = (i * 72 - 90) * M_PI / 180;
        p.drawEllipse(QPointF(c.x() + std::cos(a) * r * 0.6, c.y() + std::sin(a) * r * 0.6), r * 0.45, r * 0.45);
    }
    p.setBrush(kField);
    p.drawEllipse(c, r * 0.25, r * 0.25);
}

}  // namespace

QImage paintKanji() {
    QImage img = supersample(T, T, 3, [](QPainter& p) {
        p.fillRect(QRectF(0, 0, T, T), kField);
        // Paper fibre: soft periodic noise, so it wraps with the tile.
        QImage paper(T, T, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < T; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(paper.scanLine(y));
            for (int x = 0; x < T; ++x) {
                const double n = fbm(x * 4.0 / T, y * 4.0 / T, 5, 17, 4);
                const int v = static_cast<int>(std::clamp((n - 0.5) * 80, -40.0, 40.0));
                line[x] = v >= 0 ? qPremultiply(qRgba(140, 160, 210, v)) : qPremultiply(qRgba(0, 0, 20, -v));
            }
        }
        p.drawImage(QRectF(0, 0, T, T), paper);
        paintWrapped(p, T, T, [](QPainter& q) {
            seal(q, QPointF(48, 50), 40, QString::fromUtf8("福"), -4);
            brushGlyph(q, QPointF(144, 48), 38, QString::fromUtf8("龍"));
            brushGlyph(q, QPointF(0, 144), 38, QString::fromUtf8("風"));
            seal(q, QPointF(96, 146), 38, QString::fromUtf8("雅"), 3);
            for (const QPointF& c : {QPointF(96, 0), QPointF(0, 48), QPointF(48, 98), QPointF(144, 100)})
                blossomDot(q, c, 5.5);
        });
    });
    return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace pictures
