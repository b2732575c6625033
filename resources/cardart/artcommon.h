// Shared pieces of the card artwork: colours, the keyed conversion that turns
// a drawn layer into a picture with fuchsia where it is transparent, suit
// shapes and fitted index text.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace cardart {

// The key colour that marks transparent pixels in every picture.
inline const QColor KeyColour(255, 0, 255);

inline const QColor Ink(24, 24, 28);        // black suits and outlines
inline const QColor Crimson(204, 18, 36);   // red suits
inline const QColor CardEdge(38, 38, 44);   // the thin dark border of every card
inline const QColor Paper(253, 253, 250);   // the face of a card
inline const QColor Gold(222, 170, 38);     // crowns and trims
inline const QColor GoldDark(150, 104, 12); // their outlines
inline const QColor Royal(34, 66, 168);     // blue of robes and backs
inline const QColor Skin(250, 216, 178);    // faces of the court figures

// Suits in the order of the card numbers.
enum Suit { Clubs = 0, Spades = 1, Diamonds = 2, Hearts = 3 };

inline bool IsRed(int suit) {
    return suit == Diamonds || suit == Hearts;
}
inline QColor SuitColour(int suit) {
    return IsRed(suit) ? Crimson : Ink;
}

// A suit symbol one unit tall, centred on the origin (pointing up).
QPainterPath SuitPath(int suit);
// Width of that symbol relative to its height.
double SuitAspect(int suit);

// Fills a suit symbol of the given height centred on centre; upside down
// when turned (the lower half of a card).
void DrawSuit(QPainter& p, int suit, QPointF centre, double height, bool turned = false);

// The fonts the artwork uses, loaded from the DejaVu files when present so
// the pictures come out the same on every machine that builds them.
QFont IndexFont();
QFont TitleFont();

// Text as an outline whose capital letters are capHeight tall, the top of
// the capitals at top, centred on centreX, squeezed to at most maxWidth.
QPainterPath FittedText(const QString& text, const QFont& font, double centreX, double top,
                        double capHeight, double maxWidth);

// Turns a layer drawn on transparency into the stored picture: pixels less
// than half covered become the key colour, the others opaque.  So edges
// against the key are never blended into it, and no drawn pixel can be
// mistaken for the key.
QImage KeyedImage(const QImage& layer);

// A rounded card outline filling the whole picture.
QPainterPath CardOutline(QSizeF size, double radius);

} // namespace cardart
