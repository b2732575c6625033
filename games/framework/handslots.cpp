#include "handslots.h"

#include "cardpile.h"
#include "context.h"
#include "scoring.h"

#include <cstdint>

void THandSheet::Clear() {
    Slots.fill(THandSlot{});
}

bool THandSheet::RecordHand(int category, int cardTotal, int multiplier) {
    for (THandSlot& slot : Slots)
        if (slot.IsEmpty()) {
            slot.Category = category;
            slot.CardTotal = cardTotal;
            slot.Multiplier = multiplier;
            return true;
        }
    return false;
}

int SlotPoints(int category, int cardTotal, int multiplier, int scoreSystem) {
    const int points = HandScore(category, cardTotal, scoreSystem);
    const bool wild = scoreSystem != EnglishScoring && scoreSystem != AmericanScoring;
    return wild ? points * multiplier : points;
}

int THandSheet::Refresh(int scoreSystem) {
    int total = 0;
    for (THandSlot& slot : Slots) {
        if (slot.IsEmpty()) {
            slot.Score = 0;
            continue;
        }
        slot.Score = SlotPoints(slot.Category, slot.CardTotal, slot.Multiplier, scoreSystem);
        total += slot.Score;
    }
    return total;
}

void THandSheet::SaveTo(TGameContext& context, bool withMultipliers) const {
    for (int i = 0; i < HandSlotCount; ++i) {
        context.Scores[i] = Slots[i].Score;
        context.Categories[i] = static_cast<std::int8_t>(Slots[i].Category);
        context.CardTotals[i] = Slots[i].CardTotal;
        if (withMultipliers)
            context.Multipliers[i] = static_cast<std::int8_t>(Slots[i].Multiplier);
    }
}

void THandSheet::RestoreFrom(const TGameContext& context, bool withMultipliers) {
    for (int i = 0; i < HandSlotCount; ++i) {
        Slots[i].Score = context.Scores[i];
        Slots[i].Category = context.Categories[i];
        Slots[i].CardTotal = context.CardTotals[i];
        Slots[i].Multiplier = withMultipliers ? context.Multipliers[i] : 1;
    }
}

std::array<TCashInChoice, LineCount>
UpdateCashInChoices(std::span<TCardPile* const> places, int scoreSystem,
                    const std::function<int(int line)>& multiplier) {
    std::array<TCashInChoice, LineCount> choices{};
    for (int line = 0; line < LineCount; ++line) {
        TCashInChoice& choice = choices[line];
        choice.Complete = true;
        for (int place : GridLines[line])
            if (places[place]->CardAt(TCardPile::TopIndex) == nullptr)
                choice.Complete = false;
        if (!choice.Complete)
            continue;
        const HandResult hand = EvaluateHand(LineHandText(places, line));
        choice.Category = hand.Category;
        choice.CardTotal = hand.Total;
        choice.Points = SlotPoints(hand.Category, hand.Total, multiplier(line), scoreSystem);
        choice.Hint = HandNames[hand.Category] + ", " + std::to_string(choice.Points);
    }
    return choices;
}
