#include "game/Deck.h"

#include "platform/Random.h"

#include <algorithm>
#include <cmath>

namespace game {

void Deck::shuffle(platform::Random &random)
{
    numbers_.fill(0);
    int count = 0;
    while (count < Size) {
        // r is below 1, but the float product may still round up to 53.
        const int drawn = std::min(Size, int(std::floor(random.next() * 52.0f + 1.0f)));
        if (std::find(numbers_.begin(), numbers_.end(), drawn) == numbers_.end())
            numbers_[std::size_t(count++)] = drawn;
    }
}

} // namespace game
