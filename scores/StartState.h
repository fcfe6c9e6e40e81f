#pragma once
// What the main window takes from the data files: the best score and the card
// back when the game starts, and the card back when the player picks another.

#include <cstdint>

namespace platform {
class DataStore;
class Dialogs;
}

namespace scores {

struct StartState {
    std::int32_t bestScore = 0;
    int cardBack = 0;
};

// Entry 1 of hiscores.dat is the best score, read before cardbacks.dat; a back
// outside 0 to 9 reads as 0. Any trouble with the files is told in one message.
StartState readStartState(platform::DataStore &store, platform::Dialogs &dialogs);

// Writes `back` at offset 0 of cardbacks.dat; when that fails the player is
// told and false is returned.
bool saveCardBack(platform::DataStore &store, platform::Dialogs &dialogs, int back);

} // namespace scores
