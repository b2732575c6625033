// The empty-pile marks: a green ring, a red cross and a lattice.  Only the
// shape is drawn; the rest of the picture stays transparent.
#include "artcommon.h"
#include "cardart.h"

#include <QPainter>

namespace cardart {

namespace {

void Ring(QPainter& p, const CardSpec& spec) {
    const QPointF centre(spec.size.width() / 2, spec.size.height() / 2);
    const double radius = spec.size.width() * 0.34;
    const double thickness = spec.small ? 5.0 : 7.5;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 84, 34), thickness));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(96, 214, 118), thickness - (spec.small ? 2.4 : 3.2)));
    p.drawEllipse(centre, radius, radius);
}

void Cross(QPainter& p, const CardSpec& spec) {
    const QPointF centre(spec.size.width() / 2, spec.size.height() / 2);
    const double arm = spec.size.width() * 0.36;
    const double thickness = spec.small ? 5.5 : 8.0;
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-arm, -thickness / 2, 2 * arm, thickness), 1.5, 1.5);
    QPainterPath cross;
    for (double angle : {45.0, -45.0}) {
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotate(angle);
        cross = cross.united(t.map(bar));
    }
    p.setPen(QPen(QColor(110, 0, 12), spec.small ? 1.1 : 1.4));
    p.setBrush(Crimson);
    p.drawPath(cross);
}

void Lattice(QPainter& p, const CardSpec& spec) {
    const double inset = spec.small ? 2.0 : 3.0;
    const QRectF box(inset, inset, spec.size.width() - 2 * inset, spec.size.height() - 2 * inset);
    const double radius = spec.small ? 3.0 : 4.0;
    QPainterPath outline;
    outline.addRoundedRect(box, radius, radius);
    const double step = spec.small ? 7.5 : 12.0;
    const double span = box.width() + box.height();
    QPainterPath lines;
    for (double d = -span + step / 2; d < span; d += step) {
        lines.moveTo(box.left() + d, box.top());
        lines.lineTo(box.left() + d + span, box.top() + span);
        lines.moveTo(box.left() + d, box.bottom());
        lines.lineTo(box.left() + d + span, box.bottom() - span);
    }
    // Dark under light, so the lattice shows on any table.
    const double dark = spec.small ? 2.2 : 2.8;
    const double light = spec.small ? 1.0 : 1.2;
    for (int pass = 0; pass < 2; ++pass) {
        const QPen pen(pass == 0 ? QColor(36, 40, 44) : QColor(236, 236, 222),
                       pass == 0 ? dark : light);
        p.save();
        p.setClipPath(outline);
        p.strokePath(lines, pen);
        p.restore();
        p.strokePath(outline, pen);
    }
}

} // namespace

void DrawMark(QPainter& p, const CardSpec& spec, int index) {
    if (index == 0)
        Ring(p, spec);
    else if (index == 1)
        Cross(p, spec);
    else
        Lattice(p, spec);
}

} // namespace cardart
