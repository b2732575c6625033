// The playing card: suit, value, face, and its two-letter name.
#pragma once

#include <array>
#include <cstdint>
#include <string>

enum _CardSuit : std::int8_t { FS_CLUBS = 0, FS_SPADES = 1, FS_DIAMONDS = 2, FS_HEARTS = 3 };

enum _CardValue : std::int8_t {
    FS_ACE = 0,
    FS_TWO,
    FS_THREE,
    FS_FOUR,
    FS_FIVE,
    FS_SIX,
    FS_SEVEN,
    FS_EIGHT,
    FS_NINE,
    FS_TEN,
    FS_JACK,
    FS_QUEEN,
    FS_KING
};

enum _CardColor : std::uint8_t { FS_BLACK = 0, FS_RED = 1 };

inline constexpr int SuitCount = 4;
inline constexpr int ValueCount = 13;
inline constexpr int DeckSize = SuitCount * ValueCount;

// One-letter texts, indexed by suit and by value.
extern const std::array<std::string, SuitCount> SuitLetters;
extern const std::array<std::string, ValueCount> ValueLetters;

// A card is plain data.  Card numbers are 0 to 51 (suit * 13 + value); any
// other number or suit/value has no name and no image, so the constructors
// reject it with std::out_of_range rather than make a card that cannot be shown.
class TCard {
public:
    TCard();
    TCard(int suit, int value);
    TCard(int suit, int value, int faceUp);
    explicit TCard(int number);
    virtual ~TCard() = default;
    TCard(const TCard&) = default;
    TCard& operator=(const TCard&) = default;

    void Flip() { FaceUp = !FaceUp; }
    _CardColor GetCardColor();

    _CardSuit Suit = FS_CLUBS;
    _CardValue Value = FS_ACE;
    _CardColor Color = FS_BLACK;
    bool FaceUp = false;
    std::int32_t Number = 0;
    std::string Name;

    // Called by every constructor so that the card images of the current size
    // are ready; the image module installs it, and without a window system it
    // stays empty.
    using EnsureImagesHook = void (*)();
    static void SetEnsureImagesHook(EnsureImagesHook hook);

private:
    void Init(int suit, int value, bool faceUp);
};
