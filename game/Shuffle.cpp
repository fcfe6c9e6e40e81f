#include "game/Shuffle.h"

#include "platform/Platform.h"

#include <cmath>

namespace game {

void Shuffle::ShuffleDeck(platform::Platform &platform)
{
    int count = 0;
    DeckSum = 0;
    ClearDeck();
    while (DeckSum < FullSum) {
        const float r = platform.nextRandom();
        NewCard = std::int16_t(std::floor(r * 52.0f + 1.0f));
        if (NewCard > DeckSize)   // r is below 1, but a float product may round up
            NewCard = DeckSize;
        CheckCard();
        if (NewCard > 0) {
            ++count;
            Deck[std::size_t(count)] = NewCard;
            SumDeck();
        }
    }
}

void Shuffle::ClearDeck() { Deck.fill(0); }

void Shuffle::CheckCard()
{
    for (int p = 1; p <= DeckSize; ++p) {
        if (Deck[std::size_t(p)] == NewCard) {
            NewCard = 0;
            return;
        }
    }
}

void Shuffle::SumDeck()
{
    int sum = 0;
    for (int p = 1; p <= DeckSize; ++p)
        sum += Deck[std::size_t(p)];
    DeckSum = std::int16_t(sum);
}

} // namespace game
