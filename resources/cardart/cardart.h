// The card artwork: every picture of the card set, drawn from vector shapes.
// Resource numbers: 100 + card number for the 52 faces (clubs, spades,
// diamonds, hearts, each ace to king), 152 the joker, 153-155 the backs,
// 156-158 the empty-pile marks (ring, cross, lattice).
#pragma once

#include <QImage>
#include <QSizeF>

class QPainter;

namespace cardart {

inline constexpr int FirstResource = 100;
inline constexpr int JokerResource = 152;
inline constexpr int FirstBackResource = 153;
inline constexpr int FirstMarkResource = 156;
inline constexpr int LastResource = 158;

// The two card sizes, in logical pixels, and the measures that follow them.
struct CardSpec {
    QSizeF size;
    bool small;
    double radius; // of the rounded corners
    double border; // width of the dark edge
};
CardSpec SpecFor(bool small);

// The white card with its dark edge and rounded corners.
void DrawCardBlank(QPainter& p, const CardSpec& spec);
// Value and suit in the top-left corner and, turned, in the bottom-right.
void DrawCornerIndex(QPainter& p, const CardSpec& spec, int suit, int value);
// Ace to ten: pips; jack, queen and king: court figures.
void DrawFace(QPainter& p, const CardSpec& spec, int suit, int value);
void DrawCourt(QPainter& p, const CardSpec& spec, int suit, int value);
void DrawJoker(QPainter& p, const CardSpec& spec);
void DrawBack(QPainter& p, const CardSpec& spec, int index);
void DrawMark(QPainter& p, const CardSpec& spec, int index);

// One picture of the set at the given pixel ratio (1 or 2): fuchsia where
// transparent, device pixel ratio set.
QImage RenderArt(int resource, bool small, int scale);

} // namespace cardart
