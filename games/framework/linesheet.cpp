#include "linesheet.h"

#include "context.h"
#include "pokercalc.h"
#include "scoring.h"

#include <cstdint>

void TLineSheet::Reset() {
    Lines.fill(TLineScore{});
}

void TLineSheet::Evaluate(std::span<TCardPile* const> places) {
    for (int i = 0; i < LineCount; ++i) {
        const HandResult hand = EvaluateHand(LineHandText(places, i));
        Lines[i].Category = hand.Category;
        Lines[i].CardTotal = hand.Total;
    }
}

int TLineSheet::Refresh(int scoreSystem) {
    int total = 0;
    for (TLineScore& line : Lines) {
        line.Score = HandScore(line.Category, line.CardTotal, scoreSystem);
        total += line.Score;
    }
    return total;
}

void TLineSheet::SaveTo(TGameContext& context) const {
    for (int i = 0; i < LineCount; ++i) {
        context.Scores[i] = Lines[i].Score;
        context.Categories[i] = static_cast<std::int8_t>(Lines[i].Category);
        context.CardTotals[i] = Lines[i].CardTotal;
    }
}

void TLineSheet::RestoreFrom(const TGameContext& context) {
    for (int i = 0; i < LineCount; ++i) {
        Lines[i].Score = context.Scores[i];
        Lines[i].Category = context.Categories[i];
        Lines[i].CardTotal = context.CardTotals[i];
    }
}
