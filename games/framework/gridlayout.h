// Window sizes and the layout of the five 5 x 5 game windows: the score panel
// in the bottom right corner, the deck above it, and the grid spread evenly
// over the rest of the table.
#pragma once

#include "gridlines.h"

#include <array>

struct TSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TSize&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TRect&) const = default;
};

// The "CardSize" setting: 0 small cards (45 x 63), anything else large (72 x 100).
TSize CardDimensions(int cardSizeSetting);

// The default and smallest window size of a game, by card size and by
// whether the window's density is 96 pixels per inch.
TSize GetBaseWindowSize(int game, bool smallCards, bool at96Dpi);

// How many fan steps the deck view is made wide for: 24 for the games that
// fan 25 cards, 52 for those that fan the whole deck.
int DeckWidthFactor(int game);

struct TGridLayoutInput {
    int ClientWidth = 0;
    int ClientHeight = 0;
    int WindowHeight = 0; // the frame included
    TSize Panel;          // the score panel
    TSize Card;
    bool At96Dpi = true;
    int DeckFactor = 24;
    float DeckXOffset = 8.0f;
};

struct TGridLayout {
    TRect Panel;
    TRect Deck;
    std::array<TRect, GridPlaces> Cells;
};

TGridLayout LayOutGrid(const TGridLayoutInput& in);
