// A monkey at the real windows: thousands of random clicks on places, buttons
// and card backs, keys, title-bar closes, clock ticks and pauses ending, with
// every dialog answered at random. The table must never be left disabled with
// no other window of the game up to give it back, and the data files must
// stay well formed.

#include "app/frmQuintrel.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include <random>

namespace {

const QStringList OtherWindows = {"frmMenu", "frmHiScores", "frmBacks", "frmInstruct",
                                  "frmCredits", "frmAbout"};

struct Monkey {
    explicit Monkey(std::uint32_t seed) : rng(seed)
    {
        dialogs.onInput = [this] { dialogs.names.append(rng() % 2 ? "Zoë" : ""); };
        dialogs.onMessage = [this] {
            dialogs.answers = {rng() % 2 ? platform::Answer::Yes : platform::Answer::No};
        };
        table = std::make_unique<frmQuintrel>(
            frmQuintrel::Services{random, pacer, store, dialogs, systemInfo});
        table->show();
    }

    FakeRandom random;
    FakePacer pacer;
    FakeStore store;
    FakeDialogs dialogs;
    FakeSystemInfo systemInfo;
    std::mt19937 rng;
    std::unique_ptr<frmQuintrel> table;
    QString last;   // the last action, for a failure's message

    QList<QWidget *> shownWindows() const
    {
        QList<QWidget *> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && (w == table.get() || OtherWindows.contains(w->objectName())))
                shown << w;
        return shown;
    }

    void act()
    {
        const QList<QWidget *> windows = shownWindows();
        QWidget *window = windows[int(rng() % windows.size())];
        const int roll = int(rng() % 100);
        if (roll < 60) {
            // Anything clickable: places, backs and buttons but the browser's.
            QList<QWidget *> targets;
            for (QWidget *w : window->findChildren<QWidget *>())
                if (w->isVisible() && w->isEnabled() && w->objectName() != "cmdWeb" &&
                    w->objectName() != "cmdExit" &&
                    (qobject_cast<QPushButton *>(w) || w->objectName().startsWith("img")))
                    targets << w;
            if (!targets.isEmpty()) {
                QWidget *target = targets[int(rng() % targets.size())];
                last = window->objectName() + " " + target->objectName();
                QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
            }
        } else if (roll < 75) {
            static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space,
                                           Qt::Key_Tab};
            const Qt::Key key = keys[rng() % 4];
            last = window->objectName() + " key " + QString::number(key, 16);
            QTest::keyClick(window, key);
        } else if (roll < 80) {
            if (window != table.get()) {
                last = "close " + window->objectName();
                window->close();
            }
        } else if (roll < 90) {
            for (int n = int(rng() % 30); n >= 0; --n)
                table->table().tick();
        } else if (roll < 95) {
            pacer.fire();
        } else {
            pacer.drain();   // the player waits for the count to end
        }
        QCoreApplication::processEvents();
    }

    QString problem() const
    {
        if (!table->isEnabled() && shownWindows().size() < 2)
            return "the table is disabled and no other window of the game is up";
        const QByteArray hiscores = store.files.value("hiscores.dat");
        const QByteArray names = store.files.value("names.dat");
        const QByteArray back = store.files.value("cardbacks.dat");
        if (!hiscores.isEmpty() && hiscores.size() != 49)
            return QString("hiscores.dat is %1 bytes").arg(hiscores.size());
        if (!names.isEmpty() && names.size() != 109)
            return QString("names.dat is %1 bytes").arg(names.size());
        if (!back.isEmpty() && (back.size() != 2 || back[1] != 0 || uchar(back[0]) > 9))
            return "cardbacks.dat holds " + back.toHex();
        return {};
    }
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void thousandsOfRandomActions_data()
    {
        QTest::addColumn<uint>("seed");
        for (uint seed : {1u, 2u, 3u})
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }
    void thousandsOfRandomActions()
    {
        QFETCH(uint, seed);
        Monkey monkey(seed);
        for (int n = 0; n < 4000; ++n) {
            monkey.act();
            const QString problem = monkey.problem();
            QVERIFY2(problem.isEmpty(), qPrintable(QString("after action %1: %2").arg(n).arg(monkey.last + ": " + problem)));
        }
        // It really played: games ended and were offered to the table.
        QVERIFY(monkey.dialogs.prompts.size() > 5);
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
