// Colours as the store keeps them: 0x00BBGGRR for an RGB colour (blue in the
// high byte), or, with the top bit set, the index of a system colour such as
// 0x8000000F for the button face.
#pragma once

#include <QColor>

inline constexpr int SystemColorFlag = static_cast<int>(0x80000000u);
inline constexpr int ColorButtonFace = static_cast<int>(0x8000000Fu); // -2147483633
inline constexpr int ColorGrayText = static_cast<int>(0x80000011u);
inline constexpr int ColorButtonText = static_cast<int>(0x80000012u);

// The colour a stored value stands for.  System colours come from the
// application's palette (an index the palette has no role for reads as the
// button face), so a stored value never shows as garbage.
QColor ColorFromValue(int value);

// The stored form of an RGB colour.
int ValueFromColor(const QColor& color);

bool IsSystemColorValue(int value);
