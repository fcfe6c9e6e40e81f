// The menu and the windows reached from it: which is shown and hidden as the
// player moves about, how each goes back, and what they show; the card back
// chooser on its own; the system information tool started from About.

#include "backs/frmBacks.h"
#include "support/Desktop.h"
#include "support/Fakes.h"
#include "windows/frmAbout.h"
#include "windows/frmMenu.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

namespace {

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

struct Trip {
    const char *open, *window, *back;
};
const Trip Trips[] = {{"cmdCredits", "frmCredits", "Command1"},
                      {"cmdInst", "frmInstruct", "Command1"},
                      {"cmdAbout", "frmAbout", "cmdOK"},
                      {"cmdBacks", "frmBacks", "cmdCancel"}};

// Presses a key on the widget that has the focus once it is in `window`, as
// a player's key goes; returns the name of the widget that has the focus.
QString press(QWidget *window, Qt::Key key)
{
    QWidget *focus = nullptr;
    if (QTest::qWaitFor([&] { return (focus = QApplication::focusWidget()) && focus->window() == window; }))
        QTest::keyClick(focus, key);
    return focus ? focus->objectName() : QString();
}

QWidget *chooserBack(frmBacks &w, int i)
{
    return w.findChild<QWidget *>(QStringLiteral("imgCardBack%1").arg(i));
}

} // namespace

class WindowFlowTest : public QObject {
    Q_OBJECT

    FakeDialogs dialogs;
    FakeSystemInfo systemInfo;

private slots:
    void eachWindowHidesTheMenuAndGoesBackToIt()
    {
        QWidget table;
        table.show();
        frmMenu menu(dialogs, systemInfo, &table);
        QSignalSpy closed(&menu, &frmMenu::closed);
        QSignalSpy chosen(&menu, &frmMenu::backChosen);
        menu.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(menu.windowHandle()->transientParent(), table.windowHandle());

        // Three times round, so that later openings find the first window;
        // the second time the desktop closes each window, the third time
        // Escape on its focused button does, which leads back the same way.
        // About alone is made anew each time.
        for (int round = 0; round < 3; ++round) {
            for (const Trip &trip : Trips) {
                click(&menu, trip.open);
                QPointer<QWidget> w = shown(trip.window);
                QVERIFY2(w && !menu.isVisible(), trip.window);
                QCOMPARE(w->windowHandle()->transientParent(), table.windowHandle());
                for (QLabel *l : w->findChildren<QLabel *>())   // no label cuts its text
                    QVERIFY2(!l->wordWrap() || l->heightForWidth(l->width()) <= l->height(),
                             qPrintable(l->text()));
                if (round == 0)
                    click(w, trip.back);
                else if (round == 1)
                    w->close();
                else
                    QVERIFY2(!press(w, Qt::Key_Escape).isEmpty(), trip.window);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QVERIFY2(!shown(trip.window) && menu.isVisible(), trip.window);
                QCOMPARE(w.isNull(), QLatin1String(trip.window) == "frmAbout");
            }
        }
        QVERIFY(closed.isEmpty() && chosen.isEmpty());

        // Enter presses the focused button: OK, the only one here.
        click(&menu, "cmdInst");
        QCOMPARE(press(shown("frmInstruct"), Qt::Key_Return), QString("Command1"));
        QVERIFY(!shown("frmInstruct") && menu.isVisible());

        // The chooser comes through the menu and opens on the back in use.
        // Each arrow goes to the nearest control that way on screen, in the
        // menu as among the backs; Enter on back 2 chooses it and closes.
        const std::pair<Qt::Key, const char *> menuKeys[] = {
            {Qt::Key_Right, "cmdCredits"}, {Qt::Key_Right, "cmdInst"}, {Qt::Key_Left, "cmdAbout"},
            {Qt::Key_Down, "cmdInst"}, {Qt::Key_Up, "cmdBacks"}, {Qt::Key_Down, "cmdInst"},
            {Qt::Key_Space, "cmdBacks"}};
        menu.findChild<QWidget *>("cmdCredits")->setFocus();
        menu.setCardBack(6);
        for (auto [key, focused] : menuKeys)   // each names the control the key is pressed on
            QCOMPARE(press(&menu, key), QString(focused));
        QWidget *backs = shown("frmBacks");
        const std::pair<Qt::Key, const char *> keys[] = {
            {Qt::Key_Up, "imgCardBack6"}, {Qt::Key_Left, "imgCardBack1"}, {Qt::Key_Right, "imgCardBack0"},
            {Qt::Key_Space, "imgCardBack1"}, {Qt::Key_Right, "imgCardBack1"}, {Qt::Key_Return, "imgCardBack2"}};
        for (auto [key, focused] : keys)
            QCOMPARE(press(backs, key), QString(focused));
        QCOMPARE(chosen.value(0).value(0).toInt(), 2);
        QVERIFY(menu.isVisible() && !shown("frmBacks"));

        // Close, the desktop's close request or Escape hands the input back.
        click(&menu, "cmdClose");
        QVERIFY(!menu.isVisible() && closed.size() == 1);
        menu.showWindow();
        menu.close();
        QVERIFY(!menu.isVisible() && closed.size() == 2);
        menu.showWindow();
        QVERIFY(!press(&menu, Qt::Key_Escape).isEmpty());
        QVERIFY(!menu.isVisible() && closed.size() == 3);
    }

    // System Info starts the most preferred tool, though another lies
    // earlier in PATH; only a program file counts, and only from a folder
    // PATH names by an absolute path. It starts without what the game set
    // for its web engine alone. With no tool, the player is told.
    void aboutStartsTheSystemInfoTool()
    {
        platform::DesktopSystemInfo systemInfo;
        frmAbout about(dialogs, systemInfo);
        about.show();
        QCOMPARE(about.windowTitle(), QString("About quintrel"));   // its version shows in its picture

        // Each tool writes down its path, its number of arguments, and the
        // web engine's setting and PATH as it got them.
        QTemporaryDir dir;
        const QString ran = dir.filePath("ran"), path = qgetenv("PATH"), current = QDir::currentPath();
        auto tool = [&](const QString &name, QFile::Permissions mode) {
            QFile file(dir.filePath(name));
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(file).path()) && file.open(QFile::WriteOnly));
            file.write(QString("#!/bin/sh\necho \"$0 $# ${QTWEBENGINE_DISABLE_SANDBOX-unset} $PATH\" >%1\n").arg(ran).toLocal8Bit());
            QVERIFY(file.setPermissions(mode));
        };
        // In order of preference: a folder, a file that is no program, the
        // program; the least preferred first in PATH; the most preferred in
        // the current folder, which "." and an empty entry both name.
        QVERIFY(QDir(dir.path()).mkpath("early/kinfocenter"));
        tool("early/hardinfo2", QFile::ReadOwner);
        tool("late/hardinfo", QFile::ReadOwner | QFile::ExeOwner);
        tool("early/cpu-x", QFile::ReadOwner | QFile::ExeOwner);
        tool("here/kinfocenter", QFile::ReadOwner | QFile::ExeOwner);
        QDir::setCurrent(dir.filePath("here"));
        const QString folders = QString(".::%1:%2").arg(dir.filePath("early"), dir.filePath("late"));
        qputenv("PATH", folders.toLocal8Bit());
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        click(&about, "cmdSysInfo");
        QTRY_VERIFY(QFileInfo(ran).size() > 0 || !dialogs.messages.isEmpty());
        QFile record(ran);
        QVERIFY(record.open(QFile::ReadOnly) && dialogs.messages.isEmpty());
        QCOMPARE(QString(record.readAll()), dir.filePath("late/hardinfo") + " 0 unset " + folders + "\n");

        qputenv("PATH", "/nowhere");
        click(&about, "cmdSysInfo");
        QDir::setCurrent(current);
        qputenv("PATH", path.toLocal8Bit());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text + "|" + dialogs.messages[0].title,
                 QString("System Information Is Unavailable At This Time|quintrel"));
    }

    // The card back chooser: which back OK tells, how it goes back, and the
    // outlines the player sees around the backs.
    void okTellsTheBackClickedLastWhichIsOutlined()
    {
        frmBacks w;
        QSignalSpy chosen(&w, &frmBacks::backChosen);
        QSignalSpy closed(&w, &frmBacks::closed);
        auto *ok = w.findChild<QPushButton *>(QStringLiteral("cmdOK"));

        // Before any click the choice is back 0.
        w.showWindow();
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(chosen.takeFirst().at(0).toInt(), 0);
        QVERIFY(!w.isVisible() && closed.size() == 1);

        // Cancel goes back without a choice, yet the last click counts at
        // the next OK. (The desktop's close request and Escape are tried in
        // the round trips through the menu.)
        w.showWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::mouseClick(chooserBack(w, 4), Qt::LeftButton);
        closed.clear();
        QTest::mouseClick(w.findChild<QPushButton *>("cmdCancel"), Qt::LeftButton);
        QVERIFY(!w.isVisible() && chosen.isEmpty() && closed.size() == 1);
        w.showWindow();
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(chosen.takeFirst().at(0).toInt(), 4);

        // The chosen back alone is outlined in red, and the window opens
        // again on the back in use, marked.
        for (int reopen = 0; reopen < 2; ++reopen) {
            w.showWindow();
            if (!reopen) {
                QTest::mouseClick(chooserBack(w, 2), Qt::LeftButton);
                QTest::mouseClick(chooserBack(w, 5), Qt::LeftButton);
            }
            // Five pixels wide, from one pixel in from each edge of the card.
            const QImage image = w.grab().toImage();
            auto at = [&](int i, QPoint p) { return image.pixelColor(chooserBack(w, i)->pos() + p); };
            for (const QPoint p : {QPoint(1, 50), QPoint(5, 50), QPoint(74, 50), QPoint(37, 1), QPoint(37, 99)})
                for (int i = 0; i < 10; ++i)
                    QCOMPARE(at(i, p) == QColor(Qt::red), i == 5);
            QVERIFY(at(5, {6, 50}) != QColor(Qt::red));
            QCOMPARE(w.focusWidget() == chooserBack(w, 5), reopen == 1);
            w.close();
            w.setCurrent(5);
        }
    }
};

QTEST_MAIN(WindowFlowTest)
#include "tst_window_flow.moc"
