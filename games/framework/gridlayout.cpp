#include "gridlayout.h"

#include <stdexcept>

TSize CardDimensions(int cardSizeSetting) {
    return cardSizeSetting == 0 ? TSize{45, 63} : TSize{72, 100};
}

TSize GetBaseWindowSize(int game, bool smallCards, bool at96Dpi) {
    struct Row {
        TSize Small96, Large96, SmallOther, LargeOther;
    };
    static constexpr Row rows[] = {
        {{556, 391}, {692, 558}, {626, 460}, {762, 558}}, // Poker Squares
        {{556, 391}, {692, 558}, {626, 391}, {762, 558}}, // Poker Shuffle
        {{556, 434}, {692, 558}, {626, 503}, {762, 558}}, // Poker Elimination
        {{556, 434}, {692, 558}, {626, 503}, {762, 558}}, // Poker Puzzle
        {{556, 434}, {692, 558}, {626, 503}, {762, 558}}, // Poker Columns
        {{576, 392}, {699, 427}, {624, 458}, {770, 498}}, // Poker Holdem
        {{486, 464}, {598, 468}, {625, 575}, {625, 575}}, // Poker Yacht
    };
    if (game < 0 || game >= static_cast<int>(std::size(rows)))
        throw std::out_of_range("no game " + std::to_string(game));
    const Row& row = rows[game];
    if (at96Dpi)
        return smallCards ? row.Small96 : row.Large96;
    return smallCards ? row.SmallOther : row.LargeOther;
}

int DeckWidthFactor(int game) {
    return game <= 1 ? 24 : 52;
}

TGridLayout LayOutGrid(const TGridLayoutInput& in) {
    TGridLayout out;
    const int w = in.Card.Width;
    const int h = in.Card.Height;
    out.Panel = {in.ClientWidth - in.Panel.Width - 8, in.ClientHeight - in.Panel.Height - 8,
                 in.Panel.Width, in.Panel.Height};
    out.Deck.Width = static_cast<int>(in.DeckXOffset * static_cast<float>(in.DeckFactor) +
                                      static_cast<float>(w));
    out.Deck.Height = h;
    out.Deck.Left = out.Panel.Left;
    const int g = (out.Deck.Left - 5 * w) / 6;
    const int v = (in.ClientHeight - 5 * h) / 6;
    for (int place = 0; place < GridPlaces; ++place) {
        const int r = place / GridSide;
        const int k = place % GridSide;
        out.Cells[place] = {g + k * (w + g), v + r * (h + v), w, h};
    }
    const bool smallCards = w == 45;
    out.Deck.Top = (!in.At96Dpi && smallCards && in.WindowHeight < 525) ? 8 : out.Cells[0].Top;
    return out;
}
