// A monkey at the real windows: thousands of random clicks on places, buttons
// and pictures, keys, title-bar closes and clock ticks, with every dialog
// answered at random and some input arriving in the middle of counts. The game
// must never crash, never leave the table disabled with no other window of its
// own to give it back, and always leave well-formed data files.

#include "game/CardPlace.h"
#include "game/frmQuintrel.h"
#include "scores/DataFiles.h"
#include "support/FakePlatform.h"
#include "support/TableInvariants.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include <cstdio>
#include <memory>
#include <random>

namespace {

// The game's own windows other than the table, by object name. The browser is
// left out: its engine is tested on its own, and loading it thousands of times
// here would only make the run slow.
const QStringList OtherWindows = {"frmMenu", "frmHiScores", "frmBacks", "frmInstruct",
                                  "frmCredits", "frmAbout"};

class Monkey {
public:
    Monkey(std::uint32_t seed, const QString &broken) : platform(seed), rng(seed)
    {
        if (!broken.isEmpty())
            platform.failing[broken] = QStringLiteral("Input/output error");
        platform.onInput = [this] { platform.names.append(randomName()); };
        platform.onMessage = [this] {
            platform.answers = {rng() % 2 ? platform::Answer::Yes : platform::Answer::No};
        };
        platform.onPause = [this](double) {
            // Now and then the player clicks while a count or the banner runs.
            if (depth_ == 0 && rng() % 4 == 0) {
                ++depth_;
                act();
                --depth_;
            }
        };
        start();
    }

    FakePlatform platform;
    std::mt19937 rng;
    std::unique_ptr<frmQuintrel> table;
    int restarts = 0;
    QMap<QString, int> done;
    QString last;   // the last action, for a failure's message

    void start()
    {
        table.reset();
        platform.ended = false;
        table = std::make_unique<frmQuintrel>(platform);
        table->show();
    }

    QString randomName()
    {
        static const QStringList names = {"", "   ", "Al", "ABCDEFGHIJKLMN", "Zoë", "李小龙",
                                          "\U0001F0A1 ace", "a\tb", "O'Brien", "          x"};
        return names[int(rng() % names.size())];
    }

    QList<QWidget *> shownWindows() const
    {
        QList<QWidget *> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && (w == table.get() || OtherWindows.contains(w->objectName())))
                shown << w;
        return shown;
    }

    template <typename T> T pick(const QList<T> &list) { return list[int(rng() % list.size())]; }

    void act()
    {
        const QList<QWidget *> windows = shownWindows();
        const int roll = int(rng() % 100);
        if (roll < 40) {
            // A card place: most clicks of a game.
            CardPlace *place = table->imgSpot[rng() % game::PlaceCount];
            if (place->isVisible()) {
                QTest::mouseClick(place, Qt::LeftButton, {}, QPoint(37, 50));
                ++done["place"];
            }
        } else if (roll < 70) {
            // Any button that can be pressed, in any window of the game.
            QList<QPushButton *> buttons;
            for (QWidget *w : windows)
                for (QPushButton *b : w->findChildren<QPushButton *>())
                    if (b->isVisible() && b->isEnabled() && b->objectName() != "cmdWeb")
                        buttons << b;
            // Exit is pressed now and then, or no game would get far.
            if (rng() % 10 != 0)
                buttons.removeIf([](QPushButton *b) { return b->objectName() == "cmdExit"; });
            if (!buttons.isEmpty()) {
                QPushButton *b = pick(buttons);
                last = b->window()->objectName() + " " + (b->objectName().isEmpty() ? b->text() : b->objectName());
                ++done[last];
                QTest::mouseClick(b, Qt::LeftButton);
            }
        } else if (roll < 78) {
            // A card back of the chooser.
            for (QWidget *w : windows) {
                if (w->objectName() != "frmBacks")
                    continue;
                const QString name = QString("imgCardBack%1").arg(rng() % 10);
                if (QWidget *back = w->findChild<QWidget *>(name)) {
                    QTest::mouseClick(back, Qt::LeftButton, {}, QPoint(30, 40));
                    ++done["back"];
                }
            }
        } else if (roll < 88) {
            static const QList<QPair<int, Qt::KeyboardModifiers>> keys = {
                {Qt::Key_Escape, {}}, {Qt::Key_Return, {}}, {Qt::Key_Space, {}},
                {Qt::Key_Tab, {}},    {Qt::Key_D, Qt::AltModifier}, {Qt::Key_E, Qt::AltModifier},
                {Qt::Key_M, Qt::AltModifier}, {Qt::Key_H, Qt::AltModifier},
                {Qt::Key_T, Qt::AltModifier}, {Qt::Key_S, Qt::AltModifier}};
            if (!windows.isEmpty()) {
                QWidget *w = pick(windows);
                w->activateWindow();
                const auto key = pick(keys);
                QWidget *target = QApplication::focusWidget() && QApplication::focusWidget()->window() == w
                                      ? QApplication::focusWidget() : w;
                QTest::keyClick(target, Qt::Key(key.first), key.second);
                last = QString("key %1 on %2").arg(key.first, 0, 16).arg(w->objectName());
                ++done["key"];
            }
        } else if (roll < 93) {
            // The title bar's close box (or the desktop's close shortcut).
            QWidget *w = windows.isEmpty() ? nullptr : pick(windows);
            if (w && (w != table.get() || rng() % 10 == 0)) {
                last = "close " + w->objectName();
                ++done[last];
                w->close();
            }
        } else {
            for (int n = int(rng() % 30); n >= 0; --n)
                table->rules().tick();
            ++done["ticks"];
        }
    }

    // What must hold between any two actions.
    QString problem() const
    {
        if (!table->isEnabled()) {
            bool other = false;
            for (QWidget *w : shownWindows())
                other = other || w != table.get();
            if (!other)
                return "the table is disabled and no other window of the game is shown";
        }
        const game::GameTable &rules = table->rules();
        if (rules.acceptsTableInput() && !rules.buttonVisible[game::cmdDeal]) {
            const QString t = invariants::checkTable(rules);
            if (!t.isEmpty())
                return t;
        }
        return filesProblem();
    }

    QString filesProblem() const
    {
        const QByteArray hiscores = platform.files.value(scores::HiScoresFile);
        const QByteArray names = platform.files.value(scores::NamesFile);
        const QByteArray back = platform.files.value(scores::CardBacksFile);
        if (!hiscores.isEmpty() && hiscores.size() != scores::HiScoresLength)
            return QString("hiscores.dat is %1 bytes").arg(hiscores.size());
        if (!names.isEmpty() && names.size() != scores::NamesLength)
            return QString("names.dat is %1 bytes").arg(names.size());
        if (!back.isEmpty() && (back.size() != 2 || scores::cardBackFrom(back) < 0 ||
                                scores::cardBackFrom(back) > 9))
            return "cardbacks.dat holds " + back.toHex();
        if (hiscores.left(9) != QByteArray(hiscores.isEmpty() ? 0 : 9, '\0'))
            return "hiscores.dat's first bytes changed";
        const scores::Table t = scores::tableFrom(hiscores, names);
        for (int k = 1; k < scores::Entries; ++k)
            if (t[std::size_t(k)].score > t[std::size_t(k - 1)].score || t[std::size_t(k)].score < 0)
                return QString("the table is out of order at entry %1").arg(k + 1);
        if (!hiscores.isEmpty() && t[0].score != table->highScore() && platform.failing.isEmpty())
            return QString("best score %1 shown, %2 stored").arg(table->highScore()).arg(t[0].score);
        return {};
    }

private:
    int depth_ = 0;
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Thousands of clicks on disabled widgets and raises on a screen that
        // has no stacking each make Qt say a word; only the summary matters.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtInfoMsg || type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(text));
        });
    }

    void thousandsOfRandomActions_data()
    {
        QTest::addColumn<uint>("seed");
        QTest::addColumn<QString>("broken");   // a data file that always fails
        for (uint seed : {1u, 2u, 3u})
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed << QString();
        QTest::newRow("names.dat fails") << 4u << QString("names.dat");
        QTest::newRow("cardbacks.dat fails") << 5u << QString("cardbacks.dat");
    }

    void thousandsOfRandomActions()
    {
        QFETCH(uint, seed);
        QFETCH(QString, broken);
        Monkey monkey(seed, broken);
        const int actions = 5000;
        for (int n = 0; n < actions; ++n) {
            monkey.act();
            if (monkey.platform.ended) {
                ++monkey.restarts;
                monkey.start();   // the player starts the game again
            }
            const QString problem = monkey.problem();
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QString("after action %1 (%2): %3").arg(n).arg(monkey.last, problem)));
        }
        QStringList summary;
        for (auto it = monkey.done.cbegin(); it != monkey.done.cend(); ++it)
            summary << QString("%1 %2").arg(it.key()).arg(it.value());
        qInfo("%d actions, %d restarts, %d games offered: %s", actions, monkey.restarts,
              int(monkey.platform.prompts.size()), qPrintable(summary.join(", ")));
        QVERIFY(monkey.done.value("frmQuintrel cmdDeal") > 10);
        QVERIFY(monkey.done.value("place") > 1000);
        QVERIFY(monkey.platform.prompts.size() > 10);
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
