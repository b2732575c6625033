// The ten lines of a 5 x 5 grid: lines 0 to 4 are the rows from the top (left
// to right), lines 5 to 9 the columns from the left (top to bottom).  One table
// drives scoring, cash-in and the score sheet of every grid game.
#pragma once

#include <array>
#include <span>
#include <string>

class TCardPile;

inline constexpr int GridSide = 5;
inline constexpr int GridPlaces = GridSide * GridSide;
inline constexpr int LineCount = 2 * GridSide;

using TLine = std::array<int, GridSide>;
extern const std::array<TLine, LineCount> GridLines;

// "Row 1" ... "Row 5", "Column 1" ... "Column 5".
std::string LineCaption(int line);

// The line's five top cards as hand text, "--" for a place without a card.
std::string LineHandText(std::span<TCardPile* const> places, int line);
