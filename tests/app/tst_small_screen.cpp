// At twice the scale the offscreen screen of 800 x 800 pixels is 400 x 400
// for the game: every window is pulled onto it.

#include "app/frmQuintrel.h"
#include "support/Fakes.h"
#include "ui/Placement.h"
#include "windows/frmMenu.h"

#include <QScreen>
#include <QtTest>

class SmallScreen : public QObject {
    Q_OBJECT
private slots:
    void windowsArePulledOntoTheScreen()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 400, 400));
        // Where it fits, the designed place stands; else it moves the least.
        const QRect screen(0, 0, 400, 400);
        QCOMPARE(ui::placeOnScreen({10, 20, 100, 50}, screen), QRect(10, 20, 100, 50));
        QCOMPARE(ui::placeOnScreen({350, 380, 100, 50}, screen), QRect(300, 350, 100, 50));
        QCOMPARE(ui::placeOnScreen({-5, 20, 100, 50}, screen), QRect(0, 20, 100, 50));

        ui::keepWindowsOnScreen();
        FakeRandom random;
        FakePacer pacer;
        FakeStore store;
        FakeDialogs dialogs;
        FakeSystemInfo systemInfo;
        frmQuintrel table({random, pacer, store, dialogs, systemInfo});
        table.show();
        QCOMPARE(table.frameGeometry().topLeft(), QPoint(0, 0));   // larger than the screen
        table.menu().showWindow();
        // The menu, 293 x 107, designed at (272, 249), would end 165 pixels off.
        QCOMPARE(table.menu().geometry(), QRect(107, 249, 293, 107));
    }
};

QTEST_MAIN(SmallScreen)
#include "tst_small_screen.moc"
