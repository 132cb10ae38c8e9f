// The "techno" pointer: a glassy cyan arrow with a dark rim and a circuit trace. Its tip, the
// hotspot, is the top-left pixel.
#include <QLinearGradient>
#include <QPainterPath>

#include "canvas.h"
#include "pictures.h"

namespace pictures {

QImage paintCursor() {
    return supersample(32, 32, 4, [](QPainter& p) {
        QPainterPath arrow;
        arrow.moveTo(0.5, 0.5);
        arrow.lineTo(0.5, 21.5);
        arrow.lineTo(5.6, 16.8);
        arrow.lineTo(9.4, 25.6);
        arrow.lineTo(13.2, 24.0);
        arrow.lineTo(9.4, 15.4);
        arrow.lineTo(16.4, 15.4);
        arrow.closeSubpath();
        // A soft shadow so the pointer reads on light and dark boards alike.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(arrow.translated(1.6, 1.6));
        QLinearGradient g(0, 0, 14, 24);
        g.setColorAt(0, QColor(190, 250, 255));
        g.setColorAt(0.5, QColor(40, 190, 230));
        g.setColorAt(1, QColor(20, 90, 170));
        QPen rim(QColor(8, 24, 60), 1.0);
        rim.setJoinStyle(Qt::MiterJoin);
        p.setPen(rim);
        p.setBrush(g);
        p.drawPath(arrow);
        // Circuit trace with two pads, and a glint along the left edge.
        p.save();
        p.setClipPath(arrow);
        p.setPen(QPen(QColor(230, 255, 255, 200), 0.7));
        p.setBrush(Qt::NoBrush);
        QPainterPath trace;
        trace.moveTo(3.2, 8);
        trace.lineTo(3.2, 13);
        trace.lineTo(6.5, 13);
        p.drawPath(trace);
        p.setBrush(QColor(230, 255, 255));
        p.drawEllipse(QPointF(3.2, 7.6), 0.9, 0.9);
        p.drawEllipse(QPointF(7.0, 13), 0.9, 0.9);
        p.setPen(QPen(QColor(255, 255, 255, 180), 0.9));
        p.drawLine(QPointF(1.6, 3.2), QPointF(1.6, 17.5));
        p.restore();
    });
}

}  // namespace pictures
