// Drives the table rules with a stream of clicks, Turns, clock ticks, Take Score
// and Deal, and checks after every step that no card is lost or doubled and that
// the running total and the open places follow the table.

#include "game/GameTable.h"
#include "support/FakePlatform.h"
#include "support/TableInvariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

struct NoView : game::TableView {
    void placeChanged(int) override {}
    void labelChanged(game::LabelId) override {}
    void buttonChanged(game::ButtonId) override {}
    void progressChanged() override {}
    void timerChanged() override {}
    void drawMark(int, bool) override {}
    void HighScores(std::int32_t, std::int32_t &) override {}
};

void check(const game::GameTable &t)
{
    QString problem;
    const auto where = invariants::whereCards(t, problem);
    if (problem.isEmpty())
        problem = invariants::checkTable(t);
    if (problem.isEmpty() && (t.Round < 1 || t.Round > 3 || t.Score < 0))
        problem = QString("round %1 score %2").arg(t.Round).arg(t.Score);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    (void)where;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    FakePlatform platform(data[0]);
    NoView view;
    game::GameTable t(platform, &view);
    t.Form_Load();
    std::int32_t lastScore = 0;
    for (std::size_t i = 1; i < size; ++i) {
        const int op = data[i] % 40;
        if (op < 24)
            t.clickPlace(op);
        else if (op < 30)
            t.tick();
        else if (op < 32)
            for (int n = 0; n < 20; ++n)
                t.tick();
        else if (op < 34)
            t.clickTake();
        else if (op < 36)
            t.clickDeal();
        else
            t.clickPlace(game::DeckPlace);
        if (t.buttonVisible[game::cmdDeal])
            continue;   // between games the last table only lies there
        check(t);
        if (t.Round == 1 && t.Score < lastScore && t.Score != 0)
            std::abort();
        lastScore = t.Score;
    }
    return 0;
}
