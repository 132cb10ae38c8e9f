// A jade dragon coiling round the edge of the board among clouds, chasing a pearl: dark,
// low contrast, so the tiles in the middle stay the thing to look at.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <vector>

#include "canvas.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int W = 704;
constexpr int H = 468;

const QColor kField(14, 40, 32);
const QColor kBody(28, 68, 52);
const QColor kBodyLight(40, 88, 68);
const QColor kDetail(150, 190, 140, 60);
const QColor kGold(190, 160, 90, 110);
const QColor kRed(104, 38, 32);

// Catmull-Rom spline through the spine points.
QPointF spline(const std::vector<QPointF>& pts, double t) {
    const int n = static_cast<int>(pts.size());
    const double f = std::clamp(t, 0.0, 1.0) * (n - 1);
    const int i = std::min(static_cast<int>(f), n - 2);
    const double u = f - i;
    const QPointF p0 = pts[std::max(i - 1, 0)], p1 = pts[i], p2 = pts[i + 1], p3 = pts[std::min(i + 2, n - 1)];
    const double u2 = u * u, u3 = u2 * u;
    return 0.5 * ((2 * p1) + (-p0 + p2) * u + (2 * p0 - 5 * p1 + 4 * p2 - p3) * u2 + (-p0 + 3 * p1 - 3 * p2 + p3) * u3);
}

struct Frame {
    QPointF at, along, normal;  // normal points to the dragon's back
    double width;
};

std::vector<Frame> spine(const std::vector<QPointF>& pts, int samples) {
    std::vector<Frame> out;
    for (int i = 0; i <= samples; ++i) {
        const double t = double(i) / samples;
        const QPointF a = spline(pts, t);
        const QPointF b = spline(pts, std::min(1.0, t + 0.002));
        const QPointF c = spline(pts, std::max(0.0, t - 0.002));
        QPointF d = b - c;
        const double len = std::hypot(d.x(), d.y());
        d /= len;
        // Thick behind the neck, thickest a third along, tapering to a fine tail.
        const double width = 40 + 20 * std::sin(std::min(1.0, t * 2.2) * M_PI / 2) - 54 * std::pow(t, 2.0);
        out.push_back({a, d, QPointF(-d.y(), d.x()), std::max(3.0, width)});
    }
    return out;
}

QPainterPath bodyPath(const std::vector<Frame>& f) {
    QPainterPath p;
    p.moveTo(f[0].at + f[0].normal * f[0].width / 2);
    for (size_t i = 1; i < f.size(); ++i) p.lineTo(f[i].at + f[i].normal * f[i].width / 2);
    for (size_t i = f.size(); i-- > 0;) p.lineTo(f[i].at - f[i].normal * f[i].width / 2);
    p.closeSubpath();
    return p;
}

void cloud(QPainter& p, QPointF c, double s, const QColor& fill, const QColor& line) {
    // A filled ruyi cloud: three round lobes on a flat base, each lobe with an inner curl.
    QPainterPath shape;
    shape.addEllipse(c + QPointF(-14 * s, 0), 10 * s, 9 * s);
    shape.addEllipse(c + QPointF(0, -6 * s), 13 * s, 12 * s);
    shape.addEllipse(c + QPointF(15 * s, 0), 10 * s, 9 * s);
    shape.addRoundedRect(QRectF(c.x() - 26 * s, c.y() - 2 * s, 52 * s, 11 * s), 5 * s, 5 * s);
    shape = shape.simplified();
    p.setPen(QPen(line, 1.2));
    p.setBrush(fill);
    p.drawPath(shape);
    p.setBrush(Qt::NoBrush);
    for (const auto& [dx, dy, r] : {std::tuple{-14.0, 0.0, 5.5}, {0.0, -6.0, 7.0}, {15.0, 0.0, 5.5}}) {
        QPainterPath curl;
        const int steps = 30;
        for (int i = 0; i <= steps; ++i) {
            const double t = double(i) / steps;
            const double a = t * 1.7 * M_PI + M_PI * 0.9;
            const double rr = r * s * (1 - 0.75 * t);
            const QPointF pt(c.x() + dx * s + std::cos(a) * rr, c.y() + dy * s + std::sin(a) * rr);
            if (i == 0) curl.moveTo(pt); else curl.lineTo(pt);
        }
        p.drawPath(curl);
    }
}

void pearl(QPainter& p, QPointF c, double r) {
    // Flames licking round the pearl, then the pearl with its spiral.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const double a = i * 2 * M_PI / 9;
        QPainterPath flame;
        const QPointF base = c + QPointF(std::cos(a), std::sin(a)) * r * 0.8;
        const QPointF tip = c + QPointF(std::cos(a + 0.5), std::sin(a + 0.5)) * r * 2.0;
        flame.moveTo(base + QPointF(std::cos(a + 1.6), std::sin(a + 1.6)) * r * 0.4);
        flame.quadTo(c + QPointF(std::cos(a + 0.2), std::sin(a + 0.2)) * r * 1.6, tip);
        flame.quadTo(c + QPointF(std::cos(a + 0.6), std::sin(a + 0.6)) * r * 1.1, base);
        p.setBrush(QColor(130, 56, 34, 130));
        p.drawPath(flame);
    }
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    g.setColorAt(0, QColor(190, 130, 80));
    g.setColorAt(1, QColor(110, 44, 30));
    p.setBrush(g);
    p.setPen(QPen(QColor(80, 24, 16), 1.2));
    p.drawEllipse(c, r, r);
    QPainterPath spiral;
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        const double a = t * 3 * M_PI;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r * 0.8 * (1 - t);
        if (i == 0) spiral.moveTo(pt); else spiral.lineTo(pt);
    }
    p.setPen(QPen(QColor(90, 30, 20, 160), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spiral);
}

void scales(QPainter& p, const std::vector<Frame>& f, const QPainterPath& body) {
    p.save();
    p.setClipPath(body);
    p.setBrush(Qt::NoBrush);
    // Scallops in rows across the back, each opening toward the tail.
    double acc = 0;
    for (size_t i = 1; i < f.size(); ++i) {
        acc += std::hypot(f[i].at.x() - f[i - 1].at.x(), f[i].at.y() - f[i - 1].at.y());
        const double step = std::max(3.0, f[i].width * 0.2);
        if (acc < step) continue;
        acc = 0;
        const int rows = 5;
        const double angle = std::atan2(f[i].along.y(), f[i].along.x()) * 180 / M_PI;
        for (int r = 0; r < rows; ++r) {
            const double off = (r - (rows - 1) / 2.0 + ((i / 3) % 2 ? 0.5 : 0)) * f[i].width * 0.2;
            if (off < -f[i].width * 0.2) continue;  // the belly keeps its plates instead
            const QPointF c = f[i].at + f[i].normal * off;
            const double sr = f[i].width * 0.12;
            p.save();
            p.translate(c);
            p.rotate(angle);
            p.setPen(QPen(kDetail, 0.9));
            p.drawArc(QRectF(-sr, -sr, 2 * sr, 2 * sr), 270 * 16, 180 * 16);
            p.restore();
        }
    }
    // Belly plates: a lighter band on the inner side crossed by lines.
    QPainterPath belly;
    belly.moveTo(f[0].at - f[0].normal * f[0].width * 0.5);
    for (size_t i = 1; i < f.size(); ++i) belly.lineTo(f[i].at - f[i].normal * f[i].width * 0.5);
    for (size_t i = f.size(); i-- > 0;) belly.lineTo(f[i].at - f[i].normal * f[i].width * 0.22);
    belly.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 120, 80, 90));
    p.drawPath(belly);
    p.setPen(QPen(QColor(20, 50, 36, 160), 0.9));
    acc = 0;
    for (size_t i = 1; i < f.size(); ++i) {
        acc += std::hypot(f[i].at.x() - f[i - 1].at.x(), f[i].at.y() - f[i - 1].at.y());
        if (acc < std::max(3.0, f[i].width * 0.16)) continue;
        acc = 0;
        p.drawLine(f[i].at - f[i].normal * f[i].width * 0.5, f[i].at - f[i].normal * f[i].width * 0.22);
    }
    p.restore();
}

void dorsalFins(QPainter& p, const std::vector<Frame>& f) {
    p.setPen(QPen(QColor(20, 50, 36), 0.8));
    p.setBrush(kRed);
    double acc = 0;
    for (size_t i = 1; i + 1 < f.size(); ++i) {
        acc += std::hypot(f[i].at.x() - f[i - 1].at.x(), f[i].at.y() - f[i - 1].at.y());
        if (acc < 11) continue;
        acc = 0;
        const QPointF base = f[i].at + f[i].normal * f[i].width * 0.46;
        const double h = std::max(3.0, f[i].width * 0.32);
        QPainterPath fin;
        fin.moveTo(base + f[i].along * h * 0.45);
        fin.quadTo(base + f[i].normal * h * 0.8, base + f[i].normal * h - f[i].along * h * 0.55);
        fin.quadTo(base + f[i].normal * h * 0.3 - f[i].along * h * 0.2, base - f[i].along * h * 0.45);
        fin.closeSubpath();
        p.drawPath(fin);
    }
}

void leg(QPainter& p, const Frame& f, double side, double reach) {
    // Upper leg out from the belly, a bent lower leg, four curved claws, a flame tuft at the elbow.
    const QPointF hip = f.at - f.normal * f.width * 0.3 * side;
    const QPointF elbow = hip - f.normal * reach * side + f.along * reach * 0.5;
    const QPointF paw = elbow + f.along * reach * 0.9 - f.normal * reach * 0.2 * side;
    QPainterPath limb;
    const double w = f.width * 0.42;
    QPainterPathStroker stroker;
    stroker.setWidth(w);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath bone;
    bone.moveTo(hip);
    bone.quadTo(elbow, paw);
    limb = stroker.createStroke(bone);
    p.setPen(QPen(QColor(20, 50, 36), 1.0));
    p.setBrush(kBody);
    p.drawPath(limb);
    // The elbow tuft, flame-like, in the fin red.
    QPainterPath tuft;
    const QPointF back = -f.along;
    tuft.moveTo(elbow);
    tuft.quadTo(elbow + back * reach * 0.5 - f.normal * side * reach * 0.1, elbow + back * reach * 0.75 - f.normal * side * reach * 0.3);
    tuft.quadTo(elbow + back * reach * 0.3, elbow + back * reach * 0.55 - f.normal * side * reach * 0.45);
    tuft.quadTo(elbow + back * reach * 0.1, elbow - f.normal * side * w * 0.5);
    tuft.closeSubpath();
    p.setBrush(kRed);
    p.drawPath(tuft);
    // Claws fanning out of the paw.
    p.setPen(QPen(QColor(200, 180, 120, 150), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int c = -1; c <= 2; ++c) {
        const double a = std::atan2(f.along.y(), f.along.x()) + c * 0.45 - 0.2;
        const QPointF dir(std::cos(a), std::sin(a));
        QPainterPath claw;
        claw.moveTo(paw);
        claw.quadTo(paw + dir * reach * 0.45, paw + dir * reach * 0.5 - f.normal * side * reach * 0.22);
        p.drawPath(claw);
    }
}

// A horn, lock or flame: wide at `root`, pointed at `tip`, bowed sideways by `bend`.
QPainterPath tapered(QPointF root, QPointF tip, double width, double bend) {
    const QPointF d = tip - root;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len, d.x() / len);
    const QPointF mid = root + d * 0.5 + n * bend;
    QPainterPath s;
    s.moveTo(root + n * width / 2);
    s.quadTo(mid + n * width * 0.3, tip);
    s.quadTo(mid - n * width * 0.3, root - n * width / 2);
    s.closeSubpath();
    return s;
}

void head(QPainter& p, const Frame& neck) {
    // The head in its own frame: +x forward (away from the body), -y toward the back.
    p.save();
    p.translate(neck.at);
    const QPointF fwd = -neck.along;
    p.rotate(std::atan2(fwd.y(), fwd.x()) * 180 / M_PI);
    p.scale(1.5, 1.5);
    const QColor line(16, 44, 32);
    const QPen outline(line, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Mane streaming back from the cheeks and crown.
    p.setPen(outline);
    p.setBrush(kRed);
    for (int i = 0; i < 7; ++i) {
        const double y = -16 + i * 5.0;
        const double len = 34 + (i % 3) * 10;
        p.drawPath(tapered(QPointF(6, y), QPointF(6 - len, y - 10 + i * 3.5), 9, (i % 2 ? 5 : -5)));
    }
    // Two antlers sweeping back, each with one tine.
    p.setBrush(QColor(150, 130, 84));
    for (const double k : {0.0, 5.0}) {
        p.drawPath(tapered(QPointF(14 - k, -20 + k * 0.3), QPointF(-28 - k, -40 - k), 5.5, -5));
        p.drawPath(tapered(QPointF(-6 - k, -30 - k * 0.8), QPointF(-10 - k, -46 - k), 3.5, 2));
    }

    QPainterPath upper;
    upper.moveTo(-4, -14);
    upper.cubicTo(8, -24, 22, -25, 32, -17);   // brow
    upper.cubicTo(40, -13, 50, -14, 56, -18);  // bridge of the snout
    upper.cubicTo(62, -23, 70, -17, 65, -9);   // the curled nose
    upper.cubicTo(63, -5, 58, -3.5, 54, -4);   // upper lip
    upper.lineTo(24, -1.5);                    // corner of the mouth
    upper.cubicTo(16, 4, 6, 11, -2, 14);       // cheek
    upper.cubicTo(-8, 6, -8, -8, -4, -14);
    QPainterPath jaw;
    jaw.moveTo(22, 1);
    jaw.cubicTo(32, 5, 44, 9, 53, 14);
    jaw.cubicTo(56, 16, 52, 19, 47, 18);
    jaw.cubicTo(38, 17, 28, 15, 16, 13);
    jaw.closeSubpath();
    // The open mouth, its tongue, then the jaws over it.
    QPainterPath mouth;
    mouth.moveTo(22, -2);
    mouth.lineTo(55, -4);
    mouth.lineTo(52, 14);
    mouth.lineTo(22, 4);
    mouth.closeSubpath();
    p.setBrush(QColor(70, 24, 24));
    p.drawPath(mouth);
    p.setBrush(QColor(150, 60, 60));
    QPainterPath tongue;
    tongue.moveTo(26, 3);
    tongue.cubicTo(40, 4, 52, 4, 60, 0);
    tongue.cubicTo(64, -2, 66, 2, 62, 4);
    tongue.cubicTo(52, 8, 40, 8, 26, 5);
    tongue.closeSubpath();
    p.drawPath(tongue);
    QLinearGradient g(0, -26, 0, 18);
    g.setColorAt(0, kBodyLight);
    g.setColorAt(1, kBody);
    p.setBrush(g);
    p.drawPath(jaw);
    p.drawPath(upper);
    // Teeth and a fang.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 186, 150, 170));
    for (int i = 0; i < 4; ++i) {
        QPainterPath tooth;
        const double x = 30 + i * 6;
        tooth.moveTo(x, -2.2 - i * 0.25);
        tooth.lineTo(x + 2.4, -2.4 - i * 0.25);
        tooth.lineTo(x + 1.2, 1.2 - i * 0.25);
        tooth.closeSubpath();
        p.drawPath(tooth);
    }
    p.drawPath(tapered(QPointF(46, 10), QPointF(47, 3), 2.6, 0));
    // Brow ridge with flame tips, the eye, the nostril, a line of the cheek.
    p.setPen(outline);
    p.setBrush(kRed);
    QPainterPath brow;
    brow.moveTo(14, -16);
    brow.cubicTo(20, -26, 30, -26, 36, -18);
    brow.lineTo(30, -19);
    brow.lineTo(28, -15);
    brow.cubicTo(24, -19, 18, -18, 14, -16);
    brow.closeSubpath();
    p.drawPath(brow);
    p.drawPath(tapered(QPointF(18, -21), QPointF(2, -30), 5, -2));
    p.setBrush(QColor(206, 176, 88, 200));
    QPainterPath eye;
    eye.moveTo(18, -13);
    eye.quadTo(25, -19, 31, -13);
    eye.quadTo(25, -9, 18, -13);
    p.drawPath(eye);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 14));
    p.drawEllipse(QPointF(25.5, -13.3), 1.4, 2.6);
    p.setPen(QPen(kDetail, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(58, -17, 6, 6), 30 * 16, 270 * 16);
    p.drawArc(QRectF(4, -6, 18, 16), 200 * 16, 100 * 16);
    // Whiskers: long waving lines from the nose, trailing back past the head.
    p.setPen(QPen(QColor(176, 164, 118, 150), 1.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath whisker;
    whisker.moveTo(60, -6);
    whisker.cubicTo(72, 6, 56, 26, 34, 28);
    whisker.cubicTo(14, 30, 0, 40, -10, 56);
    whisker.moveTo(56, -17);
    whisker.cubicTo(62, -34, 44, -44, 26, -40);
    whisker.cubicTo(10, -36, 0, -48, -4, -62);
    p.drawPath(whisker);
    // A beard under the jaw.
    p.setPen(outline);
    p.setBrush(kRed);
    p.drawPath(tapered(QPointF(24, 14), QPointF(8, 34), 7, 3));
    p.drawPath(tapered(QPointF(34, 16), QPointF(22, 32), 5, 2));
    p.restore();
}

}  // namespace

QImage paintDragons() {
    return supersample(W, H, 2, [](QPainter& p) {
        // The field: dark jade with a soft light in the middle, and a faint silk texture.
        QRadialGradient field(QPointF(W / 2.0, H / 2.0), W * 0.65);
        field.setColorAt(0, mix(kField, QColor(40, 80, 64), 0.45));
        field.setColorAt(1, mix(kField, Qt::black, 0.35));
        p.fillRect(QRectF(0, 0, W, H), field);
        QImage silk(W, H, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < H; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(silk.scanLine(y));
            for (int x = 0; x < W; ++x) {
                const double n = fbm(x / 60.0, y / 60.0, 5, 41);
                const int a = static_cast<int>(std::clamp((n - 0.35) * 60, 0.0, 30.0));
                line[x] = qPremultiply(qRgba(120, 170, 130, a));
            }
        }
        p.drawImage(0, 0, silk);

        const QColor cloudFill(26, 62, 48), cloudLine(64, 112, 84);
        for (const auto& [x, y, s] : {std::tuple{420.0, 36.0, 1.1}, {470.0, 130.0, 0.9}, {330.0, 250.0, 1.3},
                                      {180.0, 300.0, 0.8}, {520.0, 300.0, 1.0}, {640.0, 200.0, 0.7},
                                      {60.0, 420.0, 0.9}, {420.0, 450.0, 0.8}})
            cloud(p, QPointF(x, y), s, cloudFill, cloudLine);

        const std::vector<QPointF> pts = {{170, 130}, {110, 190}, {80, 270}, {110, 350}, {200, 405}, {320, 392},
                                          {430, 420}, {550, 405}, {630, 330}, {640, 240}, {590, 170},
                                          {610, 95},  {665, 55},  {700, 30}};
        const std::vector<Frame> f = spine(pts, 900);
        const QPainterPath body = bodyPath(f);
        // Legs behind the body first.
        leg(p, f[170], 1, 34);
        leg(p, f[600], 1, 30);
        dorsalFins(p, f);
        QLinearGradient bg(0, 0, W, H);
        bg.setColorAt(0, kBodyLight);
        bg.setColorAt(1, kBody);
        p.setPen(QPen(QColor(16, 44, 32), 1.4));
        p.setBrush(bg);
        p.drawPath(body);
        scales(p, f, body);
        leg(p, f[260], -1, 30);
        leg(p, f[700], -1, 26);
        head(p, f[0]);
        pearl(p, QPointF(330, 110), 15);
        cloud(p, QPointF(640, 110), 0.8, cloudFill, cloudLine);
        cloud(p, QPointF(60, 120), 0.7, cloudFill, cloudLine);
    }).convertToFormat(QImage::Format_RGB32);
}

}  // namespace pictures
