#include "scores/StartState.h"

#include "platform/DataStore.h"
#include "scores/ScoreTable.h"

namespace scores {

StartState readStartState(platform::DataStore &store, platform::Dialogs &dialogs)
{
    FileTrouble trouble;
    QByteArray hiscores, cardbacks;
    readFile(store, HiScoresFile, hiscores, trouble);
    readFile(store, CardBacksFile, cardbacks, trouble);
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
    QString error;
    if (store.patch(CardBacksFile, 0, encodeCardBack(std::int16_t(back)), error))
        return true;
    FileTrouble trouble;
    trouble.add(CardBacksFile, error, true);
    trouble.report(dialogs, BackNotSaved);
    return false;
}

} // namespace scores
