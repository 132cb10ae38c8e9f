// The toolbar glyphs: 24 x 24, one style for all: a bold shape in a bright colour, lighter at
// the top, with a dark rim of its own hue and a glossy highlight.
#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>

#include "canvas.h"
#include "pictures.h"
#include "tile_art.h"

namespace pictures {

namespace {

constexpr int S = 24;

void glossy(QPainter& p, const QPainterPath& shape, const QColor& colour) {
    const QRectF b = shape.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, mix(colour, Qt::white, 0.45));
    g.setColorAt(0.55, colour);
    g.setColorAt(1, mix(colour, Qt::black, 0.2));
    QPen rim(mix(colour, Qt::black, 0.55), 1.0);
    rim.setJoinStyle(Qt::RoundJoin);
    p.setPen(rim);
    p.setBrush(g);
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    QLinearGradient shine(b.topLeft(), QPointF(b.left(), b.center().y()));
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(b.left() - b.width() * 0.1, b.top() - b.height() * 0.35, b.width() * 1.2, b.height() * 0.8));
    p.restore();
}

QPainterPath stroked(const QPainterPath& line, double width, Qt::PenCapStyle cap = Qt::RoundCap) {
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(cap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line).simplified();
}

QPainterPath arrowHead(QPointF tip, double angleDeg, double size) {
    QPainterPath h;
    h.moveTo(0, 0);
    h.lineTo(-size, -size * 0.85);
    h.lineTo(-size, size * 0.85);
    h.closeSubpath();
    QTransform t;
    t.translate(tip.x(), tip.y());
    t.rotate(angleDeg);
    return t.map(h);
}

QPainterPath circle(double r) {
    QPainterPath c;
    c.addEllipse(QPointF(12, 12), r, r);
    return c;
}

QPainterPath glyphText(const QString& family, const QString& text, double height, QPointF centre) {
    QFont f(family);
    f.setPixelSize(200);
    f.setBold(true);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height / b.height(), height / b.height());
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

void paintNew(QPainter& p) {
    paintTile(p, QRectF(5, 2.5, 14, 18), 2.5, TileFace::RedDragon, QColor(40, 140, 90));
    // A bright star at the corner: something new.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? 5.6 : 2.4;
        const QPointF pt(18 + std::cos(a) * r, 6.5 + std::sin(a) * r);
        if (i == 0) star.moveTo(pt); else star.lineTo(pt);
    }
    star.closeSubpath();
    glossy(p, star, QColor(255, 200, 40));
}

void paintBack(QPainter& p) {
    QPainterPath arc;
    arc.moveTo(19.5, 19);
    arc.cubicTo(21, 10, 15, 6.5, 9, 8);
    QPainterPath shape = stroked(arc, 4.2).united(arrowHead(QPointF(3, 9), 170, 6.2));
    glossy(p, shape, QColor(50, 130, 230));
}

void paintHint(QPainter& p) {
    // Rays, then the bulb and its screw base.
    p.setPen(QPen(QColor(250, 190, 30), 1.3, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i) {
        const double a = -M_PI / 2 + i * 0.62;
        p.drawLine(QPointF(12 + std::cos(a) * 8.6, 9.5 + std::sin(a) * 8.6), QPointF(12 + std::cos(a) * 11, 9.5 + std::sin(a) * 11));
    }
    QPainterPath bulb;
    bulb.addEllipse(QPointF(12, 9.5), 6.2, 6.2);
    QPainterPath neck;
    neck.moveTo(8.4, 13.5);
    neck.lineTo(15.6, 13.5);
    neck.lineTo(14.6, 17.5);
    neck.lineTo(9.4, 17.5);
    neck.closeSubpath();
    glossy(p, bulb.united(neck), QColor(255, 214, 50));
    QPainterPath base;
    base.addRoundedRect(QRectF(9, 17.4, 6, 4.6), 1.2, 1.2);
    glossy(p, base, QColor(140, 150, 170));
    p.setPen(QPen(QColor(70, 76, 90), 0.6));
    p.drawLine(QPointF(9.3, 19.5), QPointF(14.7, 19.5));
}

void paintShuffle(QPainter& p) {
    QPainterPath a;
    a.moveTo(2.5, 17);
    a.cubicTo(9, 17, 12, 7, 18, 7);
    QPainterPath b;
    b.moveTo(2.5, 7);
    b.cubicTo(9, 7, 12, 17, 18, 17);
    const QColor purple(160, 80, 220);
    glossy(p, stroked(b, 3.2, Qt::FlatCap).united(arrowHead(QPointF(22.5, 17), 0, 5)), mix(purple, Qt::white, 0.15));
    glossy(p, stroked(a, 3.2, Qt::FlatCap).united(arrowHead(QPointF(22.5, 7), 0, 5)), purple);
}

void paintPause(QPainter& p) {
    QPainterPath bars;
    bars.addRoundedRect(QRectF(5.5, 3.5, 5, 17), 1.6, 1.6);
    bars.addRoundedRect(QRectF(13.5, 3.5, 5, 17), 1.6, 1.6);
    glossy(p, bars, QColor(255, 140, 30));
}

void paintPlay(QPainter& p) {
    QPainterPath tri;
    tri.moveTo(6, 3.5);
    tri.lineTo(20.5, 12);
    tri.lineTo(6, 20.5);
    tri.closeSubpath();
    glossy(p, stroked(tri, 1.6).united(tri), QColor(60, 190, 80));
}

void paintMusic(QPainter& p) {
    QPainterPath notes;
    notes.addEllipse(QPointF(6.8, 18), 3.6, 2.8);
    notes.addEllipse(QPointF(17.2, 16), 3.6, 2.8);
    notes.addRect(QRectF(8.8, 5.5, 1.9, 12.5));
    notes.addRect(QRectF(19.2, 3.5, 1.9, 12.5));
    QPainterPath beam;
    beam.moveTo(8.8, 5.5);
    beam.lineTo(21.1, 3.0);
    beam.lineTo(21.1, 7.2);
    beam.lineTo(8.8, 9.7);
    beam.closeSubpath();
    notes.addPath(beam);
    notes.setFillRule(Qt::WindingFill);
    glossy(p, notes.simplified(), QColor(230, 60, 150));
}

void paintLayout(QPainter& p) {
    // A little pyramid: two tiles below, one on top, each with a coloured pip.
    const QColor teal(30, 150, 170);
    const struct { QRectF face; QColor pip; } tiles[] = {
        {QRectF(4, 11, 8.5, 11), QColor(220, 40, 40)},
        {QRectF(13, 11, 8.5, 11), QColor(30, 140, 70)},
        {QRectF(9.5, 3, 8.5, 11), QColor(40, 90, 200)},
    };
    for (const auto& t : tiles) {
        paintTile(p, t.face, 2.2, TileFace::Blank, teal);
        p.setPen(Qt::NoPen);
        p.setBrush(t.pip);
        p.drawEllipse(t.face.center(), 2.2, 2.2);
    }
}

void paintHelp(QPainter& p) {
    glossy(p, circle(10), QColor(40, 120, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(glyphText("DejaVu Sans", "?", 13, QPointF(12, 12.3)));
}

void paintAbout(QPainter& p) {
    glossy(p, circle(10), QColor(20, 170, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(glyphText("DejaVu Serif", "i", 13, QPointF(12, 12.3)));
}

void paintHall(QPainter& p) {
    QPainterPath cup;
    cup.moveTo(6.5, 3);
    cup.lineTo(17.5, 3);
    cup.cubicTo(17.5, 10, 15.5, 13.5, 12, 14);
    cup.cubicTo(8.5, 13.5, 6.5, 10, 6.5, 3);
    cup.closeSubpath();
    QPainterPath handles;
    handles.addEllipse(QPointF(5.5, 6.8), 3.4, 3.4);
    handles.addEllipse(QPointF(18.5, 6.8), 3.4, 3.4);
    QPainterPath holes;
    holes.addEllipse(QPointF(5.5, 6.8), 1.9, 1.9);
    holes.addEllipse(QPointF(18.5, 6.8), 1.9, 1.9);
    QPainterPath stem;
    stem.addRect(QRectF(10.8, 13.5, 2.4, 4));
    stem.addRoundedRect(QRectF(6.5, 17.5, 11, 4), 1, 1);
    QPainterPath trophy = cup.united(handles.subtracted(holes).subtracted(cup)).united(stem);
    glossy(p, trophy, QColor(240, 180, 30));
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? 3.0 : 1.3;
        const QPointF pt(12 + std::cos(a) * r, 7.5 + std::sin(a) * r);
        if (i == 0) star.moveTo(pt); else star.lineTo(pt);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 210));
    p.drawPath(star);
}

void paintExit(QPainter& p) {
    // A door ajar with an arrow leaving through it.
    QPainterPath frame;
    frame.addRoundedRect(QRectF(3, 2.5, 12, 19), 1.2, 1.2);
    glossy(p, frame, QColor(150, 100, 60));
    QPainterPath opening;
    opening.addRect(QRectF(5, 4.5, 8, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 30));
    p.drawPath(opening);
    QPainterPath door;
    door.moveTo(5, 4.5);
    door.lineTo(10.5, 6.5);
    door.lineTo(10.5, 21.5);
    door.lineTo(5, 19.5);
    door.closeSubpath();
    glossy(p, door, QColor(200, 140, 80));
    QPainterPath shaft;
    shaft.moveTo(11, 12);
    shaft.lineTo(17, 12);
    glossy(p, stroked(shaft, 3.6, Qt::FlatCap).united(arrowHead(QPointF(22.5, 12), 0, 5.5)), QColor(230, 50, 50));
}

// The same drawing at `scale` times the size, for screens of that many device pixels a pixel.
Glyph make(const QString& name, void (*paint)(QPainter&), int scale) {
    return {scale == 1 ? name : QString("%1@%2x").arg(name).arg(scale),
            supersample(S * scale, S * scale, 4, [paint, scale](QPainter& p) {
                p.scale(scale, scale);
                paint(p);
            })};
}

}  // namespace

std::vector<Glyph> paintToolbarGlyphs(int scale) {
    return {make("new", paintNew, scale),         make("back", paintBack, scale),
            make("hint", paintHint, scale),       make("shuffle", paintShuffle, scale),
            make("pause", paintPause, scale),     make("play", paintPlay, scale),
            make("music", paintMusic, scale),     make("layout", paintLayout, scale),
            make("help", paintHelp, scale),       make("about", paintAbout, scale),
            make("hall", paintHall, scale),       make("exit", paintExit, scale)};
}

}  // namespace pictures
