// A monkey at the real windows: thousands of random clicks on whatever can be
// clicked, keys, closes by the desktop, clock ticks and pauses ending, with
// every dialog answered at random. However it goes, the table must never be
// left disabled with no other window of the game up to give it back.

#include "app/frmQuintrel.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include <random>

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void tableIsNeverLeftDisabled()
    {
        FakeDesktop fakes;
        auto &[random, pacer, store, dialogs, systemInfo] = fakes;
        std::mt19937 rng(7);
        dialogs.typed = [&] { return QString(rng() % 2 ? "Zoë" : ""); };
        dialogs.answer = [&] { return platform::Answer(1 + rng() % 2); };
        frmQuintrel table({random, pacer, store, dialogs, systemInfo});
        table.show();
        for (int n = 0; n < 12000; ++n) {
            QList<QWidget *> windows = {&table};
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w != &table && w->isVisible() && w->objectName().startsWith("frm") &&
                    w->objectName() != "frmBrowser")
                    windows << w;
            QVERIFY2(table.isEnabled() || windows.size() > 1,
                     qPrintable(QString("after action %1 no window gives the input back").arg(n)));
            QWidget *window = windows[int(rng() % windows.size())];
            QList<QWidget *> targets;
            for (QWidget *w : window->findChildren<QWidget *>())
                if (w->isVisible() && w->isEnabled() && w->objectName() != "cmdWeb" &&
                    w->objectName() != "cmdExit" &&
                    (qobject_cast<QPushButton *>(w) || w->objectName().startsWith("img")))
                    targets << w;
            const int roll = int(rng() % 100);
            if (roll < 60 && !targets.isEmpty())
                QTest::mouseClick(targets[int(rng() % targets.size())], Qt::LeftButton);
            else if (roll < 70)
                QTest::keyClick(window, rng() % 2 ? Qt::Key_Escape : Qt::Key_Return);
            else if (roll < 75 && window != &table)
                window->close();
            else if (roll < 85)
                for (int t = int(rng() % 30); t >= 0; --t)
                    table.table().tick();
            else
                rng() % 4 ? void(pacer.fire()) : pacer.drain();
            QCoreApplication::processEvents();
        }
        // It really played: games ended and were offered to the table.
        QVERIFY(dialogs.prompts.size() > 10);
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
