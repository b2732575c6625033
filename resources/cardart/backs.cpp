// The three card backs: a blue lattice, a red pattern with a medallion, and
// green and gold diamonds.  Each sits in a white margin inside the card edge.
#include "artcommon.h"
#include "cardart.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace cardart {

namespace {

constexpr double Pi = 3.14159265358979;

void BlueLattice(QPainter& p, const QRectF& panel, bool small) {
    p.fillRect(panel, Royal);
    const double step = small ? 3.6 : 4.6;
    const double span = panel.width() + panel.height();
    p.setPen(QPen(QColor(172, 198, 246), small ? 0.55 : 0.7));
    for (double d = -span; d < span; d += step) {
        p.drawLine(QPointF(panel.left() + d, panel.top()),
                   QPointF(panel.left() + d + span, panel.top() + span));
        p.drawLine(QPointF(panel.left() + d, panel.bottom()),
                   QPointF(panel.left() + d + span, panel.bottom() - span));
    }
    // A light frame inside the panel edge.
    const double inset = small ? 1.6 : 2.2;
    p.setPen(QPen(QColor(232, 240, 255), small ? 0.7 : 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(inset, inset, -inset, -inset), 1.5, 1.5);
}

QPainterPath Star(QPointF centre, int points, double outer, double inner) {
    QPolygonF polygon;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = i * Pi / points - Pi / 2;
        const double r = i % 2 == 0 ? outer : inner;
        polygon << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

void RedPattern(QPainter& p, const QRectF& panel, bool small) {
    const QColor base(170, 22, 36);
    p.fillRect(panel, base);
    const double step = small ? 4.6 : 6.0;
    const double span = panel.width() + panel.height();
    // A diagonal grid in darker red, a small quatrefoil in every cell.
    p.setPen(QPen(QColor(120, 8, 20), small ? 0.5 : 0.6));
    for (double d = -span; d < span; d += step) {
        p.drawLine(QPointF(panel.left() + d, panel.top()),
                   QPointF(panel.left() + d + span, panel.top() + span));
        p.drawLine(QPointF(panel.left() + d, panel.bottom()),
                   QPointF(panel.left() + d + span, panel.bottom() - span));
    }
    const QPointF centre = panel.center();
    const double petal = step * 0.15;
    p.setPen(Qt::NoPen);
    for (double y = centre.y() - 20 * step; y < panel.bottom() + step; y += step) {
        for (double x = centre.x() - 20 * step; x < panel.right() + step; x += step) {
            // Cells of the diagonal grid centre on every other lattice point.
            for (QPointF cell : {QPointF(x, y), QPointF(x + step / 2, y + step / 2)}) {
                if (!panel.adjusted(-step, -step, step, step).contains(cell))
                    continue;
                p.setBrush(QColor(232, 104, 100));
                for (int k = 0; k < 4; ++k) {
                    const double a = k * Pi / 2;
                    p.drawEllipse(cell + QPointF(std::cos(a), std::sin(a)) * petal * 1.2, petal,
                                  petal);
                }
                p.setBrush(Gold);
                p.drawEllipse(cell, petal * 0.6, petal * 0.6);
            }
        }
    }
    // The medallion: a cream oval ringed in gold with a red star.
    const double rx = small ? 8.5 : 13.5;
    const double ry = small ? 11.5 : 18.5;
    p.setPen(QPen(GoldDark, small ? 0.6 : 0.8));
    p.setBrush(Gold);
    p.drawEllipse(centre, rx + (small ? 1.6 : 2.2), ry + (small ? 1.6 : 2.2));
    p.setBrush(QColor(252, 240, 218));
    p.drawEllipse(centre, rx, ry);
    p.setPen(QPen(QColor(120, 8, 20), small ? 0.5 : 0.6));
    p.setBrush(base);
    p.drawPath(Star(centre, 8, rx * 0.85, rx * 0.38));
    p.setBrush(Gold);
    p.drawEllipse(centre, rx * 0.22, rx * 0.22);
    // A gold frame inside the panel edge.
    const double inset = small ? 1.6 : 2.2;
    p.setPen(QPen(Gold, small ? 0.7 : 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(inset, inset, -inset, -inset), 1.5, 1.5);
}

QPainterPath Rhombus(QPointF centre, double halfWidth, double halfHeight) {
    QPainterPath path;
    path.moveTo(centre + QPointF(0, -halfHeight));
    path.lineTo(centre + QPointF(halfWidth, 0));
    path.lineTo(centre + QPointF(0, halfHeight));
    path.lineTo(centre + QPointF(-halfWidth, 0));
    path.closeSubpath();
    return path;
}

void GreenGold(QPainter& p, const QRectF& panel, bool small) {
    const QColor green(16, 92, 56);
    const QColor deep(10, 66, 40);
    const QColor gold(226, 184, 70);
    p.fillRect(panel, green);
    const QPointF centre = panel.center();
    const double step = small ? 3.4 : 5.0;
    const double aspect = panel.width() / panel.height();
    // Concentric diamonds, bands of deep green between gold lines.
    for (int k = 40; k >= 1; --k) {
        const double h = k * step;
        p.setPen(QPen(gold, small ? 0.5 : 0.65));
        p.setBrush(k % 2 == 0 ? deep : green);
        p.drawPath(Rhombus(centre, h * aspect * 1.1, h));
    }
    // A gold rosette in the middle.
    p.setPen(QPen(GoldDark, 0.5));
    p.setBrush(gold);
    const double r = small ? 2.6 : 4.0;
    for (int k = 0; k < 8; ++k) {
        const double a = k * Pi / 4;
        p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * r, r * 0.45, r * 0.45);
    }
    p.drawEllipse(centre, r * 0.6, r * 0.6);
    // Double gold frame with small diamonds in its corners.
    const double inset = small ? 1.5 : 2.0;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, small ? 0.7 : 0.9));
    const QRectF outer = panel.adjusted(inset, inset, -inset, -inset);
    p.drawRoundedRect(outer, 1.5, 1.5);
    const double gap = small ? 1.4 : 2.0;
    p.setPen(QPen(gold, small ? 0.4 : 0.5));
    p.drawRect(outer.adjusted(gap, gap, -gap, -gap));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    const double d = small ? 1.8 : 2.6;
    for (QPointF corner :
         {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()}) {
        const QPointF inward((corner.x() < centre.x() ? 1 : -1) * gap,
                             (corner.y() < centre.y() ? 1 : -1) * gap);
        p.drawPath(Rhombus(corner + inward, d, d));
    }
}

} // namespace

void DrawBack(QPainter& p, const CardSpec& spec, int index) {
    DrawCardBlank(p, spec);
    const double margin = spec.small ? 2.5 : 3.5;
    const QRectF panel(margin, margin, spec.size.width() - 2 * margin,
                       spec.size.height() - 2 * margin);
    const double radius = spec.small ? 2.0 : 3.0;
    QPainterPath panelPath;
    panelPath.addRoundedRect(panel, radius, radius);
    p.save();
    p.setClipPath(panelPath);
    if (index == 0)
        BlueLattice(p, panel, spec.small);
    else if (index == 1)
        RedPattern(p, panel, spec.small);
    else
        GreenGold(p, panel, spec.small);
    p.restore();
    p.setPen(QPen(CardEdge, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(panelPath);
}

} // namespace cardart
