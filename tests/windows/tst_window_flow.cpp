// The menu and the windows reached from it, over the real table window:
// who is shown, hidden, enabled and destroyed as the player moves about.

#include "backs/frmBacks.h"
#include "game/frmQuintrel.h"
#include "support/FakePlatform.h"
#include "windows/frmAbout.h"
#include "windows/frmCredits.h"
#include "windows/frmInstruct.h"
#include "windows/frmMenu.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

QList<QWidget *> topLevels(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            found << w;
    return found;
}

QWidget *visibleTopLevel(const QString &name)
{
    for (QWidget *w : topLevels(name))
        if (w->isVisible())
            return w;
    return nullptr;
}

// Lets deferred deletions run.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class WindowFlowTest : public QObject {
    Q_OBJECT

private slots:
    void eachWindowHidesTheMenuAndReturnsToIt()
    {
        FakePlatform platform;
        frmQuintrel table(platform);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));

        QTest::mouseClick(table.cmdMenu, Qt::LeftButton);
        frmMenu &menu = table.menu();
        QVERIFY(menu.isVisible());
        QVERIFY(table.isVisible());
        QVERIFY(!table.isEnabled());
        QVERIFY(menu.isEnabled());
        QCOMPARE(menu.geometry(), QRect(272, 249, 293, 107));
        QVERIFY(menu.windowFlags() & Qt::FramelessWindowHint);

        struct Trip {
            QPushButton *open;
            QString window;
            QString closeButton;
        };
        const QList<Trip> trips = {
            {menu.cmdCredits, "frmCredits", "Command1"},
            {menu.cmdInst, "frmInstruct", "Command1"},
            {menu.cmdAbout, "frmAbout", "cmdOK"},
            {menu.cmdBacks, "frmBacks", "cmdCancel"},
        };
        // Twice round, so that the second opening finds the first window; the
        // second time each window is closed by the desktop instead, which must
        // lead back the same way.
        for (int round = 0; round < 2; ++round) {
            for (const Trip &trip : trips) {
                QTest::mouseClick(trip.open, Qt::LeftButton);
                QWidget *w = visibleTopLevel(trip.window);
                QVERIFY2(w, qPrintable(trip.window));
                QVERIFY2(!menu.isVisible(), qPrintable(trip.window));
                QVERIFY(!table.isEnabled());
                QVERIFY(w->isEnabled());

                auto *close = w->findChild<QPushButton *>(trip.closeButton);
                QVERIFY(close);
                if (round == 0)
                    QTest::mouseClick(close, Qt::LeftButton);
                else
                    w->close();
                settle();
                QVERIFY2(menu.isVisible(), qPrintable(trip.window));
                QVERIFY(!visibleTopLevel(trip.window));
                QVERIFY(!table.isEnabled());
                QCOMPARE(topLevels(trip.window).size(), trip.window == "frmAbout" ? 0 : 1);
            }
        }
        QCOMPARE(topLevels("frmMenu").size(), 1);

        // Only Close gives the table back, and brings it to the front.
        QTest::mouseClick(menu.cmdClose, Qt::LeftButton);
        QVERIFY(table.isEnabled());
        QVERIFY(!menu.isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), &table);

        // A second opening shows the same menu; closing it by the desktop acts
        // as Close.
        QTest::mouseClick(table.cmdMenu, Qt::LeftButton);
        QVERIFY(!table.isEnabled());
        QCOMPARE(visibleTopLevel("frmMenu"), &menu);
        QCOMPARE(topLevels("frmMenu").size(), 1);
        menu.close();
        QVERIFY(table.isEnabled());
        QVERIFY(!menu.isVisible());
    }

    void windowsDrawTheirBorderAndCutNoText()
    {
        FakePlatform platform;
        frmQuintrel table(platform);
        frmMenu &menu = table.menu();

        // The border: four 5-pixel lines in the desktop's text colour, the
        // inside blue.
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const QImage image = menu.grab().toImage();
        const QColor text = QGuiApplication::palette().color(QPalette::WindowText);
        for (const QPoint p : {QPoint(150, 0), QPoint(150, 4), QPoint(150, 102), QPoint(150, 106),
                               QPoint(0, 50), QPoint(4, 50), QPoint(288, 50), QPoint(292, 50)})
            QCOMPARE(image.pixelColor(p), text);
        QCOMPARE(image.pixelColor(150, 5), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(5, 50), QColor(0, 0, 255));

        // No label cuts its text.
        for (QWidget *w : {static_cast<QWidget *>(&menu.instructions()),
                           static_cast<QWidget *>(&menu.credits())})
            for (QLabel *l : w->findChildren<QLabel *>())
                if (l->wordWrap())
                    QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName()));
    }

    void aboutIsMadeAnewAndReturnsToTheMenuHoweverClosed()
    {
        FakePlatform platform;
        frmQuintrel table(platform);
        QTest::mouseClick(table.cmdMenu, Qt::LeftButton);
        frmMenu &menu = table.menu();

        for (int i = 0; i < 2; ++i) {
            menu.cmdAbout_Click();
            QPointer<frmAbout> about = menu.about();
            QVERIFY(about);
            QCOMPARE(about->windowTitle(), QString("About quintrel"));
            QCOMPARE(about->lblTitle->text(), QString("quintrel"));
            QCOMPARE(about->lblVersion->text(), QString("Version 1.2.3"));
            QCOMPARE(about->lblDescription->text(),
                     QString("Quintrel is a simple card game that requires a little forethought "
                             "before making your moves."));
            QVERIFY(about->cmdOK->isDefault());
            QCOMPARE(about->geometry(), QRect(216, 161, 382, 237));

            if (i == 0)
                about->close();   // the title bar's close box
            else
                QTest::keyClick(about, Qt::Key_Escape);
            settle();
            QVERIFY(!about);
            QVERIFY(menu.isVisible());
            QVERIFY(!table.isEnabled());
        }
    }

    void systemInformationTool()
    {
        FakePlatform platform;
        frmQuintrel table(platform);
        table.menu().cmdAbout_Click();
        frmAbout *about = table.menu().about();

        // None installed: the game's own message, and nothing else changes.
        QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text, QString("System Information Is Unavailable At This Time"));
        QCOMPARE(platform.messages[0].title, QString("quintrel"));
        QCOMPARE(platform.messages[0].icon, platform::Icon::None);
        QVERIFY(platform.started.isEmpty());
        QVERIFY(about->isVisible());

#ifndef Q_OS_WIN
        // One installed: started, no message, About stays open.
        platform.onPath = {QStringLiteral("hardinfo")};
        QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
        QCOMPARE(platform.started, QStringList{"/usr/bin/hardinfo"});
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(about->isVisible());
#endif
    }

    void registryStringsLoseOnlyTheirTerminator()
    {
        QCOMPARE(sysinfo::registryText(QByteArray("C:\\msinfo32.exe\0\0\0", 18), 16),
                 QByteArray("C:\\msinfo32.exe"));
        QCOMPARE(sysinfo::registryText(QByteArray("C:\\msinfo32.exe\0\0\0", 18), 15),
                 QByteArray("C:\\msinfo32.exe"));
        QCOMPARE(sysinfo::registryText(QByteArray(4, '\0'), 0), QByteArray());
    }
};

QTEST_MAIN(WindowFlowTest)
#include "tst_window_flow.moc"
