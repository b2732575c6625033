#include "undopiles.h"

#include "cardpile.h"

#include <stdexcept>

namespace {
TCard* NewCard(const TSlotState& slot) {
    auto* card = new TCard(slot.CardNumber);
    card->FaceUp = slot.FaceUp != 0;
    return card;
}
} // namespace

void SavePlace(TSlotState& slot, TCardPile& pile, const TPlaceFlags& flags) {
    const TCard* top = pile.CardAt(TCardPile::TopIndex);
    if (top == nullptr) {
        slot.CardNumber = -1;
        return;
    }
    slot.CardNumber = static_cast<std::int8_t>(top->Number);
    slot.Enabled = flags.Enabled ? 1 : 0;
    slot.Style = flags.IsBordered ? 1 : 0;
    slot.FaceUp = top->FaceUp ? 1 : 0;
}

void RestorePlace(const TSlotState& slot, TCardPile& pile, TPlaceFlags& flags) {
    pile.Empty(true);
    flags.IsBordered = true;
    flags.Enabled = true;
    if (slot.CardNumber == -1)
        return;
    pile.AddCard(NewCard(slot));
    if (slot.Enabled == 0)
        flags.Enabled = false;
    if (slot.Style == 0)
        flags.IsBordered = false;
}

void SaveStock(TSlotState* stock, int capacity, TCardPile& pile, const TPlaceFlags& flags) {
    const int count = pile.GetCardCount();
    if (count > capacity)
        throw std::length_error("the stock holds more cards than its record");
    for (int j = 0; j < capacity; ++j) {
        if (j >= count) {
            stock[j].CardNumber = -1;
            continue;
        }
        const TCard* card = pile.CardAt(j);
        stock[j].CardNumber = static_cast<std::int8_t>(card->Number);
        stock[j].Enabled = flags.Enabled ? 1 : 0;
        stock[j].Style = flags.IsBordered ? 1 : 0;
        stock[j].FaceUp = card->FaceUp ? 1 : 0;
    }
}

void RestoreStock(const TSlotState* stock, int capacity, TCardPile& pile, TPlaceFlags& flags) {
    pile.Empty(true);
    flags.Enabled = false;
    for (int j = 0; j < capacity; ++j) {
        if (stock[j].CardNumber == -1)
            continue;
        pile.AddCard(NewCard(stock[j]));
        flags.Enabled = true;
    }
}
