// A game's outside world for tests: answers questions as told and writes
// down what the game asked for.
#pragma once

#include "gameoutside.h"

#include <string>
#include <utility>
#include <vector>

struct RecordingOutside : TGameOutside {
    bool answer = true;
    std::vector<std::string> questions;
    std::vector<GameSound> sounds;
    std::vector<std::pair<int, int>> results; // game, score
    std::vector<int> pileNews;
    int scoreNews = 0;
    bool undoAvailable = false;
    int deals = 0;

    bool Confirm(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    void PlaySound(GameSound sound) override { sounds.push_back(sound); }
    void RecordResult(int game, int score) override { results.emplace_back(game, score); }
    void PileChanged(int pile) override { pileNews.push_back(pile); }
    void ScoresChanged() override { ++scoreNews; }
    void UndoAvailable(bool available) override { undoAvailable = available; }
    void HandDealt() override { ++deals; }
};
