// What a game asks of the world around it: a Yes/No question, a sound, the
// statistics record, and word that something it shows has changed.  The game
// window implements it; tests replace it with a recorder.
#pragma once

#include <string>

enum class GameSound { Shuffle, CardUp, CardDown, CashIn, Undo };

// The pile number the deck or stock reports itself by; places are 0 and up.
inline constexpr int DeckPileNumber = -1;

class TGameOutside {
public:
    virtual ~TGameOutside() = default;

    // A question with the buttons Yes and No; true only for Yes.
    virtual bool Confirm(const std::string& question) = 0;
    virtual void PlaySound(GameSound sound) = 0;
    // Counts one hand of the game with its score and writes the statistics.
    virtual void RecordResult(int game, int score) = 0;

    // Display news.  A place's pile or flags changed (DeckPileNumber: the deck).
    virtual void PileChanged(int /*pile*/) {}
    // The score fields changed.
    virtual void ScoresChanged() {}
    // Undo became possible or impossible.
    virtual void UndoAvailable(bool /*available*/) {}
    // A new hand was dealt (its number is now the deck's HandNumber).
    virtual void HandDealt() {}
};

// The statistics record through the store: RecordGameResult, then SaveGameStats.
void RecordInStore(int game, int score);
