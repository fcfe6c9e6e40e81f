#pragma once
// A card, named by its number 1 to 52: four suits of thirteen (spades, hearts,
// clubs, diamonds), each holding an Ace, 2 to 10, and three more Aces where a
// Jack, a Queen and a King would be.

namespace game {

struct Card {
    int number = 1;

    // What the card adds to a sum of eleven: an Ace counts 1, every other card
    // its number.
    constexpr int value() const
    {
        const int position = (number - 1) % 13 + 1;
        return position > 10 ? 1 : position;
    }
    // The face picture it shows, 0 to 51.
    constexpr int face() const { return number - 1; }

    constexpr bool operator==(const Card &) const = default;
};

} // namespace game
