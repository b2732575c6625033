#include "card.h"

#include <stdexcept>

const std::array<std::string, SuitCount> SuitLetters = {"C", "S", "D", "H"};
const std::array<std::string, ValueCount> ValueLetters = {"A", "2", "3", "4", "5", "6", "7",
                                                          "8", "9", "T", "J", "Q", "K"};

namespace {
TCard::EnsureImagesHook ensureImages = nullptr;
}

void TCard::SetEnsureImagesHook(EnsureImagesHook hook) {
    ensureImages = hook;
}

TCard::TCard() {
    Init(FS_CLUBS, FS_ACE, false);
}

TCard::TCard(int suit, int value) {
    Init(suit, value, false);
}

TCard::TCard(int suit, int value, int faceUp) {
    Init(suit, value, faceUp != 0);
}

TCard::TCard(int number) {
    if (number < 0 || number >= DeckSize)
        throw std::out_of_range("card number " + std::to_string(number) + " is not 0 to 51");
    Init(number / ValueCount, number % ValueCount, false);
}

void TCard::Init(int suit, int value, bool faceUp) {
    if (suit < 0 || suit >= SuitCount || value < 0 || value >= ValueCount)
        throw std::out_of_range("card suit " + std::to_string(suit) + " / value " +
                                std::to_string(value) + " is not a card");
    Suit = static_cast<_CardSuit>(suit);
    Value = static_cast<_CardValue>(value);
    FaceUp = faceUp;
    Number = suit * ValueCount + value;
    Name = ValueLetters[value] + SuitLetters[suit];
    if (ensureImages)
        ensureImages();
}

_CardColor TCard::GetCardColor() {
    Color = (Suit == FS_CLUBS || Suit == FS_SPADES) ? FS_BLACK : FS_RED;
    return Color;
}
