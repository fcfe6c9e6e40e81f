// Random games against the rules as the layout states them.

#include "support/TablePlayer.h"

#include <QtTest>

#include <random>

class RandomPlay : public QObject {
    Q_OBJECT
private slots:
    void rulesHoldThroughRandomGames()
    {
        std::mt19937 inputs(20261206);
        int gamesOver = 0, elevens = 0;
        for (int game = 0; game < 300; ++game) {
            TablePlayer player(inputs());
            QObject::connect(&player.table, &game::Table::gameOver, [&] { ++gamesOver; });
            player.table.deal();
            for (int i = 0; i < 800; ++i) {
                // Mostly clicks on open cards, so that elevens get made.
                std::vector<std::uint8_t> open;
                for (int p = 0; p < game::PlaceCount; ++p)
                    if (player.table.place(p).open)
                        open.push_back(std::uint8_t(p));
                const std::uint8_t op = (inputs() % 4 && !open.empty())
                                            ? open[inputs() % open.size()]
                                            : std::uint8_t(inputs());
                const int before = player.table.elevens();
                QVERIFY2(player.step(op), qPrintable(QString("game %1 step %2: %3")
                                                         .arg(game).arg(i).arg(player.problem)));
                elevens += player.table.elevens() > before;
            }
        }
        // The games really were played, not stuck in a banner.
        QVERIFY(gamesOver > 100);
        QVERIFY(elevens > 500);
    }
};

QTEST_GUILESS_MAIN(RandomPlay)
#include "tst_randomplay.moc"
