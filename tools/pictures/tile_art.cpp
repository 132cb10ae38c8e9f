#include "tile_art.h"

#include <QFont>
#include <QPainterPath>
#include <cmath>

#include "canvas.h"

namespace pictures {

namespace {

const QColor kInk(30, 30, 40);
const QColor kRed(196, 30, 36);
const QColor kGreen(22, 128, 64);
const QColor kBlue(28, 70, 160);

void glyph(QPainter& p, const QRectF& r, const QString& text, const QColor& colour, double scale) {
    QFont f("WenQuanYi Micro Hei");
    f.setPixelSize(std::max(1, static_cast<int>(r.height() * scale)));
    f.setBold(true);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    const double s = std::min(r.width() * 0.86 / b.width(), r.height() * 0.8 / b.height());
    p.save();
    p.translate(r.center());
    p.scale(s, s);
    p.translate(-b.center());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void circle(QPainter& p, QPointF c, double rad) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(c, rad, rad);
    p.setBrush(QColor(250, 246, 232));
    p.drawEllipse(c, rad * 0.78, rad * 0.78);
    p.setBrush(kRed);
    p.drawEllipse(c, rad * 0.58, rad * 0.58);
    p.setBrush(QColor(250, 246, 232));
    p.drawEllipse(c, rad * 0.3, rad * 0.3);
    p.setBrush(kGreen);
    p.drawEllipse(c, rad * 0.18, rad * 0.18);
    // Eight petals round the middle ring give the classic coin look.
    p.setBrush(QColor(250, 246, 232));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawEllipse(QPointF(c.x() + std::cos(a) * rad * 0.68, c.y() + std::sin(a) * rad * 0.68),
                      rad * 0.06, rad * 0.06);
    }
}

void bamboo(QPainter& p, QPointF c, double w, double h, const QColor& colour) {
    const QRectF stem(c.x() - w / 2, c.y() - h / 2, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(stem, w * 0.45, w * 0.45);
    p.setBrush(mix(colour, Qt::white, 0.45));
    p.drawRect(QRectF(stem.left() + w * 0.35, stem.top() + h * 0.1, w * 0.18, h * 0.8));
    p.setBrush(mix(colour, Qt::black, 0.35));
    for (double t : {0.33, 0.66}) p.drawRect(QRectF(stem.left() - w * 0.08, stem.top() + h * t - w * 0.12, w * 1.16, w * 0.24));
}

}  // namespace

void paintTileFace(QPainter& p, const QRectF& r, TileFace what) {
    switch (what) {
    case TileFace::RedDragon: glyph(p, r, QString::fromUtf8("中"), kRed, 0.8); break;
    case TileFace::GreenDragon: glyph(p, r, QString::fromUtf8("發"), kGreen, 0.8); break;
    case TileFace::EastWind: glyph(p, r, QString::fromUtf8("東"), kInk, 0.8); break;
    case TileFace::OneCircle: circle(p, r.center(), std::min(r.width(), r.height()) * 0.42); break;
    case TileFace::ThreeCircles: {
        const double rad = std::min(r.width(), r.height() * 0.72) * 0.2;
        circle(p, QPointF(r.left() + r.width() * 0.26, r.top() + r.height() * 0.2), rad);
        circle(p, r.center(), rad);
        circle(p, QPointF(r.right() - r.width() * 0.26, r.bottom() - r.height() * 0.2), rad);
        break;
    }
    case TileFace::TwoBamboo: {
        const double w = r.width() * 0.2, h = r.height() * 0.38;
        bamboo(p, QPointF(r.center().x(), r.top() + r.height() * 0.28), w, h, kGreen);
        bamboo(p, QPointF(r.center().x(), r.bottom() - r.height() * 0.28), w, h, kBlue);
        break;
    }
    case TileFace::Blank: break;
    }
}

void paintTile(QPainter& p, const QRectF& face, double depth, TileFace what, const QColor& body) {
    const double rad = face.width() * 0.12;
    p.save();
    // Soft shadow under the whole tile.
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 28));
        p.drawRoundedRect(face.translated(-depth + i * depth * 0.25, depth + i * depth * 0.25), rad, rad);
    }
    // The body: a stack of rounded rectangles stepping down-left makes a solid side.
    const int steps = std::max(2, static_cast<int>(depth * 4));
    for (int i = steps; i >= 1; --i) {
        const double t = depth * i / steps;
        const QColor c = i > steps / 2 ? mix(body, Qt::black, 0.25) : body;
        p.setBrush(c);
        p.drawRoundedRect(face.translated(-t, t), rad, rad);
    }
    // An ivory layer between body and face, as real tiles have.
    p.setBrush(QColor(236, 226, 200));
    p.drawRoundedRect(face.translated(-depth * 0.3, depth * 0.3), rad, rad);
    QLinearGradient g(face.topLeft(), face.bottomRight());
    g.setColorAt(0, QColor(255, 253, 244));
    g.setColorAt(1, QColor(238, 230, 208));
    p.setBrush(g);
    p.drawRoundedRect(face, rad, rad);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), std::max(0.5, face.width() * 0.025)));
    p.drawRoundedRect(face.adjusted(face.width() * 0.03, face.width() * 0.03, -face.width() * 0.03, -face.width() * 0.03), rad * 0.8, rad * 0.8);
    p.setPen(QPen(QColor(120, 100, 70, 160), std::max(0.4, face.width() * 0.02)));
    p.drawRoundedRect(face, rad, rad);
    paintTileFace(p, face.adjusted(face.width() * 0.12, face.height() * 0.1, -face.width() * 0.12, -face.height() * 0.1), what);
    p.restore();
}

}  // namespace pictures
