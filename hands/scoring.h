// The three scoring systems and their point table.
#pragma once

#include <array>
#include <string>

enum ScoringSystem : int { EnglishScoring = 0, AmericanScoring = 1, WildScoring = 2 };

inline constexpr int ScoreSystemCount = 3;

// Category-major: the entry for category k under system s is element 3k + s.
extern const std::array<int, 11 * ScoreSystemCount> ScoreTable;

// Points for one hand.  English and American pay the table; any other system is
// Wild, which pays the table points times the hand's card total.
int HandScore(int category, int cardTotal, int scoreSystem);
// Scores the hand text under the system (evaluates it first).
int ScoreHandText(const std::string& handText, int scoreSystem);
// "English Scoring", "American Scoring" or "Wild Scoring".
std::string ScoreSystemName(int scoreSystem);
