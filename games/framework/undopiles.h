// Saving a pile and its flags into the game context and building it again
// from there, the way every game's SaveUndoState and RestoreUndoState do.
#pragma once

#include "context.h"
#include "placeflags.h"

class TCardPile;

// An occupied place writes its top card's number and face and the place's
// Enabled and IsBordered flags; a place without a card writes only
// CardNumber -1 and leaves the other three bytes as they were.
void SavePlace(TSlotState& slot, TCardPile& pile, const TPlaceFlags& flags);

// Empties the place (deleting its cards), frames and enables it; then, if the
// slot holds a card, puts a new card of that number there with its face, and
// disables and unframes the place as recorded.
void RestorePlace(const TSlotState& slot, TCardPile& pile, TPlaceFlags& flags);

// Writes the stock bottom first into stock[0 .. capacity - 1], each card with
// the stock's Enabled and IsBordered flags; CardNumber -1 above the top.
void SaveStock(TSlotState* stock, int capacity, TCardPile& pile, const TPlaceFlags& flags);

// Empties the stock (deleting its cards) and disables it; then puts every
// recorded card back bottom first with its face, enabling the stock once a
// card is present.
void RestoreStock(const TSlotState* stock, int capacity, TCardPile& pile, TPlaceFlags& flags);
