#pragma once
// The shuffled deck of one round.

#include "game/Card.h"

#include <array>

namespace platform { class Random; }

namespace game {

class Deck {
public:
    static constexpr int Size = 52;

    // A new order: card numbers are drawn at random and each one the deck does
    // not hold yet is kept, in the order drawn, until all 52 are in.
    void shuffle(platform::Random &random);
    // The card at deck position 1 to 52.
    Card at(int position) const { return {numbers_[std::size_t(position - 1)]}; }

private:
    std::array<int, Size> numbers_{};
};

} // namespace game
