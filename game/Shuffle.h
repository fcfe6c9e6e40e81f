#pragma once
// The shuffled deck. Deck(p) is the card number at deck position p (1 to 52).

#include <array>
#include <cstdint>

namespace platform { class Platform; }

namespace game {

class Shuffle {
public:
    static constexpr int DeckSize = 52;
    static constexpr int FullSum = 1378;   // 1 + 2 + ... + 52

    // Fills Deck with a new random permutation of 1 to 52, drawing card numbers
    // and keeping each one the deck does not hold yet, in the order drawn.
    void ShuffleDeck(platform::Platform &platform);
    void ClearDeck();
    void CheckCard();
    void SumDeck();

    std::int16_t &at(int position) { return Deck[std::size_t(position)]; }
    std::int16_t at(int position) const { return Deck[std::size_t(position)]; }

    std::array<std::int16_t, DeckSize + 1> Deck{};   // index 0 unused
    std::int16_t NewCard = 0;
    std::int16_t DeckSum = 0;
};

} // namespace game
