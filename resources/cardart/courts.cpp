// The court cards and the joker: stylised double-ended figures drawn from
// simple shapes inside a framed picture, king with crown, beard and sword,
// queen with coronet, long hair and a flower, jack with feathered cap and
// halberd.
#include "artcommon.h"
#include "cardart.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace cardart {

namespace {

// The framed picture in the middle of a court card, in card pixels.
QRectF FrameFor(const CardSpec& spec) {
    if (spec.small)
        return QRectF(QPointF(10.5, 5.5), QPointF(35.0, 57.5));
    return QRectF(QPointF(14.5, 8.5), QPointF(57.5, 91.5));
}

// The figure is drawn in panel units: the frame is 44 units wide.
constexpr double PanelWidth = 44.0;

struct Palette {
    QColor main, trim;
};

Palette PaletteFor(int suit) {
    switch (suit) {
    case Clubs: return {QColor(28, 118, 70), Gold};
    case Spades: return {Royal, Crimson};
    case Diamonds: return {QColor(236, 190, 60), Royal};
    default: return {Crimson, Gold};
    }
}

const QColor Outline(40, 30, 30);
const QColor FrameFill(252, 247, 230);
const QColor Silver(206, 212, 222);
const QColor Pearl(255, 255, 255);

QPen Line(double width = 0.6) {
    return QPen(Outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, double width = 0.6) {
    p.setPen(Line(width));
    p.setBrush(fill);
    p.drawPath(path);
}

void Ellipse(QPainter& p, QPointF centre, double rx, double ry, const QColor& fill,
             double width = 0.6) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    Shape(p, path, fill, width);
}

void Dot(QPainter& p, QPointF centre, double r, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, r, r);
}

QPainterPath Robe() {
    QPainterPath path;
    path.moveTo(6.5, 50);
    path.lineTo(7.6, 31);
    path.cubicTo(8.2, 26.6, 11.6, 24.6, 16, 24.2);
    path.lineTo(28, 24.2);
    path.cubicTo(32.4, 24.6, 35.8, 26.6, 36.4, 31);
    path.lineTo(37.5, 50);
    path.closeSubpath();
    return path;
}

void Neck(QPainter& p) {
    QPainterPath neck;
    neck.addRect(QRectF(19.6, 18.5, 4.8, 6.5));
    Shape(p, neck, Skin, 0.5);
}

// Eyes, nose and mouth of a face centred on x = 22.
void Features(QPainter& p, double eyeY, bool lips) {
    Dot(p, QPointF(19.8, eyeY), 0.75, Outline);
    Dot(p, QPointF(24.2, eyeY), 0.75, Outline);
    p.setPen(Line(0.45));
    p.drawLine(QPointF(20.6, eyeY - 1.8), QPointF(18.6, eyeY - 1.5)); // brows
    p.drawLine(QPointF(23.4, eyeY - 1.8), QPointF(25.4, eyeY - 1.5));
    QPainterPath nose;
    nose.moveTo(22.2, eyeY + 0.4);
    nose.lineTo(21.5, eyeY + 3.0);
    nose.lineTo(22.4, eyeY + 3.2);
    p.setBrush(Qt::NoBrush);
    p.drawPath(nose);
    QPainterPath mouth;
    mouth.moveTo(20.6, eyeY + 4.7);
    mouth.quadTo(22, eyeY + 5.6, 23.4, eyeY + 4.7);
    p.strokePath(mouth,
                 QPen(lips ? Crimson : Outline, lips ? 0.9 : 0.5, Qt::SolidLine, Qt::RoundCap));
}

// The two arms, bent at the elbow, hands in front at chest height; the
// cuffs in their own colour.
constexpr QPointF LeftHand(10.4, 37.6);
constexpr QPointF RightHand(33.6, 37.6);

void Arms(QPainter& p, const QColor& sleeve, const QColor& cuff) {
    for (int side = 0; side < 2; ++side) {
        p.save();
        if (side == 1) {
            p.translate(PanelWidth, 0);
            p.scale(-1, 1);
        }
        QPainterPath arm;
        arm.moveTo(9.6, 26.6);
        arm.cubicTo(6.0, 28.5, 4.6, 32.0, 5.6, 35.6);
        arm.lineTo(13.4, 35.6);
        arm.cubicTo(13.2, 32.6, 13.8, 30.2, 15.2, 28.0);
        arm.closeSubpath();
        Shape(p, arm, sleeve, 0.5);
        QPainterPath band;
        band.addRoundedRect(QRectF(5.2, 34.2, 8.6, 2.2), 0.8, 0.8);
        Shape(p, band, cuff, 0.45);
        p.restore();
    }
}

void Hand(QPainter& p, QPointF at) {
    Ellipse(p, at, 2.3, 1.9, Skin, 0.5);
}

void King(QPainter& p, const Palette& colours, QColor hair) {
    // Sword held upright in the left hand.
    QPainterPath blade;
    blade.moveTo(LeftHand.x() - 1.0, 33.4);
    blade.lineTo(LeftHand.x() - 1.0, 5.6);
    blade.lineTo(LeftHand.x(), 2.6);
    blade.lineTo(LeftHand.x() + 1.0, 5.6);
    blade.lineTo(LeftHand.x() + 1.0, 33.4);
    blade.closeSubpath();
    Shape(p, blade, Silver, 0.45);

    Ellipse(p, QPointF(22, 15.2), 7.3, 7.6, hair); // hair behind the head
    Shape(p, Robe(), colours.main);
    // The trim down the front with gold buttons.
    QPainterPath band;
    band.addRect(QRectF(19, 26, 6, 24));
    Shape(p, band, colours.trim, 0.5);
    for (double y = 31; y < 48; y += 4.5)
        Ellipse(p, QPointF(22, y), 1.0, 1.0, Gold, 0.4);
    Neck(p);
    // Ermine collar: white with black tails.
    QPainterPath collar;
    collar.moveTo(9.0, 29.0);
    collar.cubicTo(12, 23.8, 32, 23.8, 35.0, 29.0);
    collar.lineTo(34.0, 31.4);
    collar.cubicTo(30.5, 27.6, 13.5, 27.6, 10.0, 31.4);
    collar.closeSubpath();
    Shape(p, collar, Pearl, 0.5);
    for (double x : {12.4, 16.4, 27.6, 31.6})
        Dot(p, QPointF(x, 28.0 - (x < 22 ? x - 12.4 : 31.6 - x) * 0.12), 0.6, Outline);
    Arms(p, colours.main.darker(118), Gold);

    Ellipse(p, QPointF(22, 14.6), 5.6, 6.6, Skin);
    // Beard and moustache.
    QPainterPath beard;
    beard.moveTo(16.5, 15.5);
    beard.cubicTo(16.6, 22.5, 19, 27.5, 22, 28);
    beard.cubicTo(25, 27.5, 27.4, 22.5, 27.5, 15.5);
    beard.cubicTo(26.6, 18.8, 25.2, 19.6, 22, 19.8);
    beard.cubicTo(18.8, 19.6, 17.4, 18.8, 16.5, 15.5);
    beard.closeSubpath();
    Shape(p, beard, hair, 0.5);
    QPainterPath moustache;
    moustache.moveTo(22, 17.6);
    moustache.cubicTo(20.5, 17.0, 19, 17.6, 18.4, 19.2);
    moustache.cubicTo(19.8, 18.6, 21, 18.8, 22, 18.6);
    moustache.cubicTo(23, 18.8, 24.2, 18.6, 25.6, 19.2);
    moustache.cubicTo(25, 17.6, 23.5, 17.0, 22, 17.6);
    Shape(p, moustache, hair.darker(130), 0.3);
    Features(p, 13.2, false);

    // Crown: band with five points, jewels and pearls on the tips.
    QPolygonF crown;
    crown << QPointF(15.6, 9.2) << QPointF(15.2, 2.2) << QPointF(18.6, 5.2) << QPointF(22, 0.8)
          << QPointF(25.4, 5.2) << QPointF(28.8, 2.2) << QPointF(28.4, 9.2);
    QPainterPath crownPath;
    crownPath.addPolygon(crown);
    crownPath.closeSubpath();
    Shape(p, crownPath, Gold, 0.5);
    QPainterPath crownBand;
    crownBand.addRect(QRectF(15.4, 7.0, 13.2, 2.6));
    Shape(p, crownBand, Gold.darker(112), 0.5);
    for (double x : {18.5, 22.0, 25.5})
        Dot(p, QPointF(x, 8.3), 0.9, x == 22.0 ? Royal : Crimson);
    for (QPointF tip : {QPointF(15.2, 2.2), QPointF(22, 0.8), QPointF(28.8, 2.2)})
        Ellipse(p, tip, 0.9, 0.9, Pearl, 0.4);

    // Crossguard above the left hand; an orb with a cross in the right.
    QPainterPath guard;
    guard.addRect(QRectF(LeftHand.x() - 3.4, 33.0, 6.8, 1.6));
    Shape(p, guard, Gold, 0.45);
    Hand(p, LeftHand);
    QPainterPath cross;
    cross.addRect(QRectF(RightHand.x() - 0.45, 28.0, 0.9, 3.2));
    cross.addRect(QRectF(RightHand.x() - 1.4, 28.9, 2.8, 0.9));
    cross.setFillRule(Qt::WindingFill);
    Shape(p, cross.simplified(), Gold, 0.3);
    Ellipse(p, QPointF(RightHand.x(), 34.0), 2.9, 2.9, Gold, 0.5);
    p.setPen(Line(0.4));
    p.drawLine(QPointF(RightHand.x() - 2.8, 34.0), QPointF(RightHand.x() + 2.8, 34.0));
    Hand(p, RightHand);
}

void Queen(QPainter& p, const Palette& colours, QColor hair) {
    // Long hair falling behind the shoulders.
    QPainterPath locks;
    locks.moveTo(15.8, 12);
    locks.cubicTo(13.6, 19, 13.4, 26, 11.4, 30);
    locks.lineTo(32.6, 30);
    locks.cubicTo(30.6, 26, 30.4, 19, 28.2, 12);
    locks.cubicTo(27, 5.8, 17, 5.8, 15.8, 12);
    locks.closeSubpath();
    Shape(p, locks, hair, 0.5);

    Shape(p, Robe(), colours.main);
    // Square neckline in the trim colour, a string of pearls inside it.
    QPainterPath yoke;
    yoke.moveTo(13, 25.6);
    yoke.lineTo(31, 25.6);
    yoke.lineTo(28.6, 34);
    yoke.lineTo(15.4, 34);
    yoke.closeSubpath();
    Shape(p, yoke, colours.trim, 0.5);
    QPainterPath chest;
    chest.moveTo(16, 25);
    chest.lineTo(28, 25);
    chest.lineTo(26.6, 31.5);
    chest.lineTo(17.4, 31.5);
    chest.closeSubpath();
    Shape(p, chest, Skin, 0.4);
    Neck(p);
    for (int i = 0; i <= 6; ++i) {
        const double t = i / 6.0;
        Ellipse(p, QPointF(18.4 + 7.2 * t, 27.0 + 2.2 * std::sin(t * 3.14159265358979)), 0.6, 0.6,
                Pearl, 0.25);
    }
    Arms(p, colours.main.darker(118), Pearl);

    Ellipse(p, QPointF(22, 14.8), 5.2, 6.4, Skin);
    // Fringe of hair across the brow.
    QPainterPath fringe;
    fringe.moveTo(16.8, 13.2);
    fringe.cubicTo(17, 8.4, 27, 8.4, 27.2, 13.2);
    fringe.cubicTo(25.5, 10.6, 18.5, 10.6, 16.8, 13.2);
    fringe.closeSubpath();
    Shape(p, fringe, hair, 0.4);
    Features(p, 13.8, true);

    // Coronet: a band with rounded tips and a jewel.
    QPainterPath coronet;
    coronet.addRect(QRectF(16.8, 6.8, 10.4, 2.2));
    for (double x : {17.4, 19.6, 22.0, 24.4, 26.6})
        coronet.addEllipse(QPointF(x, x == 22.0 ? 4.4 : 5.6), 1.2, 1.2);
    coronet.setFillRule(Qt::WindingFill);
    Shape(p, coronet.simplified(), Gold, 0.45);
    Dot(p, QPointF(22, 7.9), 0.8, Royal);

    // A flower on a long stem in the right hand.
    QPainterPath stem;
    stem.moveTo(RightHand.x() - 0.4, 40);
    stem.cubicTo(RightHand.x() + 0.6, 33, RightHand.x(), 28, RightHand.x() + 1.6, 22.5);
    p.strokePath(stem, QPen(QColor(46, 128, 60), 0.9, Qt::SolidLine, Qt::RoundCap));
    QPainterPath leaf;
    leaf.moveTo(RightHand.x() + 0.4, 29);
    leaf.quadTo(RightHand.x() + 4.0, 26.5, RightHand.x() + 5.4, 28.8);
    leaf.quadTo(RightHand.x() + 3.0, 30.4, RightHand.x() + 0.4, 29);
    Shape(p, leaf, QColor(62, 150, 74), 0.35);
    const QPointF bloom(RightHand.x() + 1.8, 21.0);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * 3.14159265358979 / 5 - 1.5708;
        Ellipse(p, bloom + QPointF(1.7 * std::cos(a), 1.7 * std::sin(a)), 1.35, 1.35,
                colours.trim == Gold ? Royal : Crimson, 0.3);
    }
    Dot(p, bloom, 1.0, Gold);
    Hand(p, RightHand);
    Hand(p, LeftHand);
}

void Jack(QPainter& p, const Palette& colours, QColor hair) {
    // Halberd held in the left hand.
    QPainterPath pole;
    pole.addRect(QRectF(LeftHand.x() - 0.7, 7, 1.4, 43));
    Shape(p, pole, QColor(150, 100, 50), 0.4);
    QPainterPath head;
    head.moveTo(LeftHand.x(), 1.0);
    head.cubicTo(LeftHand.x() + 1.7, 3.4, LeftHand.x() + 1.9, 6.0, LeftHand.x(), 8.2);
    head.cubicTo(LeftHand.x() - 1.9, 6.0, LeftHand.x() - 1.7, 3.4, LeftHand.x(), 1.0);
    Shape(p, head, Silver, 0.45);
    QPainterPath axe;
    axe.moveTo(LeftHand.x() - 0.7, 8.6);
    axe.cubicTo(LeftHand.x() - 4.3, 8.2, LeftHand.x() - 4.7, 12.2, LeftHand.x() - 3.9, 14.2);
    axe.cubicTo(LeftHand.x() - 2.9, 12.8, LeftHand.x() - 1.9, 12.2, LeftHand.x() - 0.7, 12.4);
    axe.closeSubpath();
    Shape(p, axe, Silver, 0.45);

    // Hair cut straight at the jaw.
    QPainterPath bob;
    bob.addRoundedRect(QRectF(15.6, 9.5, 12.8, 12.5), 3.4, 3.4);
    Shape(p, bob, hair, 0.5);

    Shape(p, Robe(), colours.main);
    // A sash from the shoulder across the chest.
    QPainterPath sash;
    sash.moveTo(11, 26.0);
    sash.lineTo(15.5, 24.4);
    sash.lineTo(37, 44);
    sash.lineTo(32, 47);
    sash.closeSubpath();
    Shape(p, sash, colours.trim, 0.5);
    Neck(p);
    // A small white ruff.
    QPainterPath ruff;
    ruff.moveTo(16.4, 23.2);
    for (int i = 0; i <= 8; ++i)
        ruff.lineTo(16.4 + i * 1.4, i % 2 == 0 ? 23.2 : 26.0);
    ruff.lineTo(27.6, 26.0);
    ruff.lineTo(16.4, 26.0);
    ruff.closeSubpath();
    Shape(p, ruff, Pearl, 0.4);
    Arms(p, colours.trim == Gold ? colours.main.darker(125) : colours.trim, Gold);

    Ellipse(p, QPointF(22, 15.0), 5.2, 6.2, Skin);
    Features(p, 14.4, false);

    // Cap with a curling feather.
    QPainterPath feather;
    feather.moveTo(25.6, 7.4);
    feather.cubicTo(29, 2.0, 34, 0.6, 38.6, 2.2);
    feather.cubicTo(35, 3.4, 31.5, 5.2, 28, 9.0);
    feather.closeSubpath();
    Shape(p, feather, Pearl, 0.4);
    QPainterPath rib;
    rib.moveTo(26.8, 8.0);
    rib.cubicTo(30, 4.0, 34, 2.4, 38.0, 2.3);
    p.strokePath(rib, Line(0.3));
    QPainterPath cap;
    cap.moveTo(14.6, 10.6);
    cap.cubicTo(14.0, 4.6, 28.6, 3.4, 29.6, 9.6);
    cap.cubicTo(25, 8.6, 19, 8.6, 14.6, 10.6);
    cap.closeSubpath();
    Shape(p, cap, colours.trim == Gold ? Royal : colours.trim, 0.5);
    QPainterPath capBand;
    capBand.moveTo(15.2, 11.4);
    capBand.cubicTo(19, 9.4, 25, 9.4, 28.8, 10.6);
    p.strokePath(capBand, QPen(Gold, 1.3, Qt::SolidLine, Qt::RoundCap));

    Hand(p, LeftHand);
    // A leaf-shaped badge in the right hand.
    QPainterPath badge;
    badge.moveTo(RightHand.x(), 29.0);
    badge.cubicTo(RightHand.x() + 3.2, 31.0, RightHand.x() + 3.0, 34.0, RightHand.x(), 36.4);
    badge.cubicTo(RightHand.x() - 3.0, 34.0, RightHand.x() - 3.2, 31.0, RightHand.x(), 29.0);
    Shape(p, badge, Gold, 0.45);
    Hand(p, RightHand);
}

QColor HairFor(int suit, int value) {
    static const QColor hairs[4][3] = {
        {QColor(118, 72, 36), QColor(226, 176, 70), QColor(198, 198, 206)},
        {QColor(60, 44, 36), QColor(150, 84, 40), QColor(186, 188, 198)},
        {QColor(200, 120, 40), QColor(88, 58, 34), QColor(150, 100, 60)},
        {QColor(150, 84, 40), QColor(226, 176, 70), QColor(120, 80, 50)},
    };
    return hairs[suit & 3][value - 10];
}

// The figure in its half of the frame, clipped along the slanted divider.
void DrawHalf(QPainter& p, double panelHeight, int suit, int value) {
    const double mid = panelHeight / 2;
    QPainterPath clip;
    clip.addPolygon(QPolygonF() << QPointF(0, 0) << QPointF(PanelWidth, 0)
                                << QPointF(PanelWidth, mid - 3) << QPointF(0, mid + 3));
    clip.closeSubpath();
    p.save();
    p.setClipPath(clip, Qt::IntersectClip);
    const Palette colours = PaletteFor(suit);
    const QColor hair = HairFor(suit, value);
    if (value == 12)
        King(p, colours, hair);
    else if (value == 11)
        Queen(p, colours, hair);
    else
        Jack(p, colours, hair);
    p.restore();
    DrawSuit(p, suit, QPointF(38.6, 7.0), 6.4);
}

void DrawFrame(QPainter& p, const QRectF& frame, double width) {
    p.setPen(QPen(Outline, width));
    p.setBrush(FrameFill);
    p.drawRect(frame);
}

} // namespace

void DrawCourt(QPainter& p, const CardSpec& spec, int suit, int value) {
    const QRectF frame = FrameFor(spec);
    const double scale = frame.width() / PanelWidth;
    const double panelHeight = frame.height() / scale;
    DrawFrame(p, frame, spec.small ? 0.6 : 0.8);

    p.save();
    p.setClipRect(frame.adjusted(0.4, 0.4, -0.4, -0.4));
    p.translate(frame.topLeft());
    p.scale(scale, scale);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(PanelWidth, panelHeight);
            p.rotate(180);
        }
        DrawHalf(p, panelHeight, suit, value);
        p.restore();
    }
    const double mid = panelHeight / 2;
    p.setPen(QPen(Outline, 0.7));
    p.drawLine(QPointF(0, mid + 3), QPointF(PanelWidth, mid - 3));
    p.restore();
    // Redraw the frame line over the figure's edges.
    p.setPen(QPen(Outline, spec.small ? 0.6 : 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
}

void DrawJoker(QPainter& p, const CardSpec& spec) {
    const QRectF frame = FrameFor(spec);
    const double scale = frame.width() / PanelWidth;
    const double panelHeight = frame.height() / scale;
    DrawFrame(p, frame, spec.small ? 0.6 : 0.8);

    // "JOKER" down both corners.
    const QString word = QStringLiteral("JOKER");
    const double step = spec.small ? 5.6 : 8.4;
    const double cap = spec.small ? 4.4 : 6.6;
    const double x = spec.small ? 5.0 : 7.4;
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(spec.size.width(), spec.size.height());
            p.rotate(180);
        }
        for (int i = 0; i < word.size(); ++i)
            p.fillPath(FittedText(word.mid(i, 1), TitleFont(), x, 3.0 + i * step, cap, cap * 1.2),
                       i % 2 == 0 ? Crimson : Ink);
        p.restore();
    }

    p.save();
    p.setClipRect(frame);
    p.translate(frame.topLeft());
    p.scale(scale, scale);
    const double cy = panelHeight * 0.5;
    // Body in two colours and a zigzag ruff.
    QPainterPath left, right;
    left.moveTo(22, cy + 8);
    left.lineTo(6, cy + 20);
    left.lineTo(4, panelHeight + 1);
    left.lineTo(22, panelHeight + 1);
    left.closeSubpath();
    right.moveTo(22, cy + 8);
    right.lineTo(38, cy + 20);
    right.lineTo(40, panelHeight + 1);
    right.lineTo(22, panelHeight + 1);
    right.closeSubpath();
    Shape(p, left, Crimson);
    Shape(p, right, QColor(28, 118, 70));
    QPainterPath ruff;
    ruff.moveTo(9, cy + 9);
    for (int i = 0; i <= 10; ++i)
        ruff.lineTo(9 + i * 2.6, i % 2 == 0 ? cy + 9 : cy + 15);
    ruff.lineTo(35, cy + 7);
    ruff.lineTo(9, cy + 7);
    ruff.closeSubpath();
    Shape(p, ruff, Pearl, 0.5);
    // Face.
    Ellipse(p, QPointF(22, cy), 6.4, 7.4, Skin);
    Dot(p, QPointF(19.6, cy - 1.4), 0.8, Outline);
    Dot(p, QPointF(24.4, cy - 1.4), 0.8, Outline);
    Dot(p, QPointF(22, cy + 1.4), 1.1, Crimson);
    QPainterPath grin;
    grin.moveTo(18.4, cy + 3);
    grin.quadTo(22, cy + 6.6, 25.6, cy + 3);
    p.strokePath(grin, QPen(Crimson, 0.9, Qt::SolidLine, Qt::RoundCap));
    // The three-pointed cap with bells.
    const QColor capColours[3] = {Crimson, Gold, QColor(28, 118, 70)};
    const QPointF tips[3] = {QPointF(6, cy - 4), QPointF(22, cy - 25), QPointF(38, cy - 4)};
    const QPointF bends[3] = {QPointF(8, cy - 20), QPointF(22, cy - 16), QPointF(36, cy - 20)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath point;
        point.moveTo(15 + i * 5, cy - 5.5);
        point.quadTo(bends[i], tips[i]);
        point.quadTo(bends[i] + QPointF((1 - i) * 1.0, 5), QPointF(20 + i * 5, cy - 5.5));
        point.closeSubpath();
        Shape(p, point, capColours[i], 0.5);
    }
    QPainterPath band;
    band.addRoundedRect(QRectF(14.6, cy - 7.6, 14.8, 3.2), 1.4, 1.4);
    Shape(p, band, Gold, 0.5);
    for (QPointF tip : tips)
        Ellipse(p, tip, 1.7, 1.7, Gold, 0.5);
    p.restore();
    p.setPen(QPen(Outline, spec.small ? 0.6 : 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
}

} // namespace cardart
