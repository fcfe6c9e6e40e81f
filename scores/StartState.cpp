#include "scores/StartState.h"

#include "platform/DataStore.h"
#include "scores/ScoreTable.h"

namespace scores {

StartState readStartState(platform::DataStore &store, platform::Dialogs &dialogs)
{
    FileTrouble trouble;
    QByteArray hiscores, cardbacks;
    {
        // A save that the last run was stopped in the middle of is finished
        // first, so the table read is the one from before it or after it.
        const auto lock = store.lock();
        platform::StoreError error;
        if (lock->held() && !store.recover(error))
            trouble.add(error);
        readFile(store, HiScoresFile, HiScoresLength, hiscores, trouble);
    }
    readFile(store, CardBacksFile, 2, cardbacks, trouble);
    trouble.report(dialogs, StartsWithout);

    StartState state;
    state.bestScore = scoreAt(hiscores, 1);
    const int back = cardBackFrom(cardbacks);
    state.cardBack = back >= 0 && back < CardBacks ? back : 0;
    return state;
}

bool saveCardBack(platform::DataStore &store, platform::Dialogs &dialogs, int back)
{
    // Outside the table lock: another copy of the game only ever writes its
    // own choice over the whole field.
    platform::StoreError error;
    if (store.write({{CardBacksFile, 0, encodeCardBack(std::int16_t(back))}}, error))
        return true;
    FileTrouble trouble;
    trouble.add(error);
    trouble.report(dialogs, BackNotSaved);
    return false;
}

} // namespace scores
