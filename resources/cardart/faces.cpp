// Card faces: the blank card, the corner indexes, the pip layouts and aces.
#include "artcommon.h"
#include "cardart.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>
#include <array>
#include <cmath>
#include <vector>

namespace cardart {

namespace {

// Where the corner index sits, per size.
struct IndexSpec {
    double centreX, top, capHeight, maxWidth, suitCentreY, suitHeight;
};

IndexSpec IndexFor(const CardSpec& spec) {
    if (spec.small)
        return {5.7, 2.7, 8.0, 9.0, 15.7, 6.4};
    return {7.8, 4.0, 10.5, 11.5, 21.2, 8.0};
}

QString IndexText(int value) {
    static const std::array<const char*, 13> texts = {"A", "2", "3",  "4", "5", "6", "7",
                                                      "8", "9", "10", "J", "Q", "K"};
    return QLatin1String(texts[static_cast<std::size_t>(value)]);
}

// The pip field: three columns and a top and bottom row of pip centres.
struct PipField {
    double columns[3];
    double top, bottom, pipHeight;
};

PipField PipsFor(const CardSpec& spec) {
    if (spec.small)
        return {{15.9, 22.5, 29.1}, 11.8, 51.2, 7.8};
    return {{23.0, 36.0, 49.0}, 18.0, 82.0, 13.0};
}

struct Pip {
    int column;
    double row; // 0 top row, 1 bottom row
};

// The classic arrangements, two to ten.
const std::vector<Pip>& PipLayout(int count) {
    static const std::array<std::vector<Pip>, 11> layouts = {{
        {},
        {},
        {{1, 0}, {1, 1}},
        {{1, 0}, {1, 0.5}, {1, 1}},
        {{0, 0}, {2, 0}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}},
        {{0, 0},
         {2, 0},
         {0, 1.0 / 3},
         {2, 1.0 / 3},
         {1, 0.5},
         {0, 2.0 / 3},
         {2, 2.0 / 3},
         {0, 1},
         {2, 1}},
        {{0, 0},
         {2, 0},
         {1, 1.0 / 6},
         {0, 1.0 / 3},
         {2, 1.0 / 3},
         {0, 2.0 / 3},
         {2, 2.0 / 3},
         {1, 5.0 / 6},
         {0, 1},
         {2, 1}},
    }};
    return layouts[static_cast<std::size_t>(count)];
}

void DrawPips(QPainter& p, const CardSpec& spec, int suit, int count) {
    const PipField field = PipsFor(spec);
    for (const Pip& pip : PipLayout(count)) {
        const double y = field.top + pip.row * (field.bottom - field.top);
        DrawSuit(p, suit, QPointF(field.columns[pip.column], y), field.pipHeight, pip.row > 0.5);
    }
}

// The ace of spades: a large spade engraved with a white inner line and a
// small white spade, inside a ring and an oval of dots.
void DrawAceOfSpades(QPainter& p, const CardSpec& spec) {
    const QPointF centre(spec.size.width() / 2, spec.size.height() / 2 - (spec.small ? 1 : 2));
    const double height = spec.small ? 29.0 : 48.0;
    const double unit = height / 48.0;

    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    const int dots = spec.small ? 26 : 34;
    for (int i = 0; i < dots; ++i) {
        const double angle = i * 2 * 3.14159265358979 / dots;
        p.drawEllipse(centre + QPointF(std::cos(angle) * 28 * unit, std::sin(angle) * 36 * unit),
                      0.85 * unit, 0.85 * unit);
    }
    p.setPen(QPen(Ink, 0.7 * unit));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 25 * unit, 32.5 * unit);

    // The inner line follows the outline 2.5 units inside it; the shapes are
    // worked at a large scale so that their curves stay smooth.
    const QPainterPath spade = QTransform::fromScale(1000, 1000).map(SuitPath(Spades));
    QPainterPathStroker band;
    band.setWidth(5.0 / 48 * 1000);
    QPainterPath body;
    body.addRect(QRectF(-1000, -1000, 2000, 1340)); // above the stem
    const QPainterPath inner = spade.subtracted(band.createStroke(spade)).intersected(body);
    p.save();
    p.translate(centre);
    p.scale(height / 1000, height / 1000);
    p.fillPath(spade, Ink);
    p.strokePath(inner, QPen(Paper, 1.0 / 48 * 1000));
    p.restore();

    QTransform motif;
    motif.translate(centre.x(), centre.y() - 3 * unit);
    motif.scale(12 * unit, 12 * unit);
    p.fillPath(motif.map(SuitPath(Spades)), Paper);
}

} // namespace

void DrawCardBlank(QPainter& p, const CardSpec& spec) {
    p.fillPath(CardOutline(spec.size, spec.radius), CardEdge);
    const QRectF inner(spec.border, spec.border, spec.size.width() - 2 * spec.border,
                       spec.size.height() - 2 * spec.border);
    QPainterPath face;
    const double radius = spec.radius - spec.border * 0.7;
    face.addRoundedRect(inner, radius, radius);
    p.fillPath(face, Paper);
}

void DrawCornerIndex(QPainter& p, const CardSpec& spec, int suit, int value) {
    const IndexSpec index = IndexFor(spec);
    const QPainterPath text = FittedText(IndexText(value), IndexFont(), index.centreX, index.top,
                                         index.capHeight, index.maxWidth);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(spec.size.width(), spec.size.height());
            p.rotate(180);
        }
        p.fillPath(text, SuitColour(suit));
        DrawSuit(p, suit, QPointF(index.centreX, index.suitCentreY), index.suitHeight);
        p.restore();
    }
}

void DrawFace(QPainter& p, const CardSpec& spec, int suit, int value) {
    DrawCornerIndex(p, spec, suit, value);
    const QPointF centre(spec.size.width() / 2, spec.size.height() / 2);
    if (value >= 10)
        DrawCourt(p, spec, suit, value);
    else if (value == 0 && suit == Spades)
        DrawAceOfSpades(p, spec);
    else if (value == 0)
        DrawSuit(p, suit, centre, spec.small ? 18.0 : 28.0);
    else
        DrawPips(p, spec, suit, value + 1);
}

} // namespace cardart
