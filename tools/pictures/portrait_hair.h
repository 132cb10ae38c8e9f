// Building blocks for anime hair: pointed locks, a fringe with a ragged lower edge, and the
// cel shading (shadow under the locks, a glossy ring on the crown, fine strand lines).
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <vector>

namespace pictures {

struct HairLook {
    QColor base;
    QColor shade;   // darker tone for the parts turned away from the light
    QColor light;   // the glossy ring
    QColor line;    // outline
};

// A lock from `root` to `tip`, `width` wide at the root, its middle pushed sideways by `bend`
// (positive bends to the right of the root-to-tip direction).
QPainterPath lockPath(QPointF root, QPointF tip, double width, double bend);

// One point of a ragged edge: the tip of a lock, and how far the edge rises into the notch
// before it (between the previous point and this one). `sweep` moves that notch sideways,
// which makes the locks look combed to one side.
struct Tip {
    QPointF at;
    double lift;
    double sweep = 0;
};

// The crown and fringe as one shape: over the skull from the left temple to the right one,
// then back along the tips given from right to left, and into the left temple through a
// notch `lastLift` deep.
QPainterPath fringePath(QPointF leftTemple, QPointF rightTemple, double crownY,
                        const std::vector<Tip>& tipsRightToLeft, double lastLift);

// Continues `path` (now at `from`) along a ragged edge through the tips to the point `to`,
// whose notch is `lastLift` deep.
void appendTips(QPainterPath& path, QPointF from, const std::vector<Tip>& tips, QPointF to, double lastLift);

// Fills `shape` as hair: base colour, shade toward `shadeFrom` (a y below which it darkens),
// the outline, and strand lines from `parting` toward the lower edge.
void paintHairShape(QPainter& p, const QPainterPath& shape, const HairLook& hair, double shadeFromY,
                    double shadeToY);

// The glossy ring across the crown, clipped to `clip`: an arc of the ellipse around `centre`
// with radii (rx, ry), between the angles a0 and a1 (degrees, 0 = right, 90 = up).
void paintHairGloss(QPainter& p, const QPainterPath& clip, const HairLook& hair, QPointF centre, double rx,
                    double ry, double a0, double a1);

// Fine strand lines from `from` toward each point of `to`, clipped to `clip`.
void paintStrands(QPainter& p, const QPainterPath& clip, const HairLook& hair, QPointF from,
                  const std::vector<QPointF>& to);

}  // namespace pictures
