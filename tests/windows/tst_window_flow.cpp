// The menu and the windows reached from it: which is shown and hidden as the
// player moves about, how each goes back, and what they show; the card back
// chooser on its own; the system information tool started from About.

#include "backs/frmBacks.h"
#include "support/Desktop.h"
#include "support/Fakes.h"
#include "ui/Scale.h"
#include "windows/frmAbout.h"
#include "windows/frmMenu.h"

#include <QApplication>
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
    const char *open, *window, *back;   // no back: the desktop closes it
};
const Trip Trips[] = {{"cmdCredits", "frmCredits", nullptr}, {"cmdInst", "frmInstruct", nullptr},
                      {"cmdAbout", "frmAbout", nullptr}, {"cmdBacks", "frmBacks", "cmdCancel"}};

const QStringList Backs = {"Chrome skull", "Dusk clouds", "Ornate pattern", "Fruit still life", "Swirl",
                           "Dark red texture", "Red weave", "Lava lamp", "Sea and boat", "Starfield"};

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
        QWidget table;   // where the table was designed to stand
        table.setGeometry(QRect(ui::Scale::instance().tableAt(), QSize(592, 453)));
        table.show();
        // Under Wayland, where only a popup is placed by its owner, the
        // windows with a title bar are placed by the compositor.
        const bool placed = !QGuiApplication::platformName().startsWith("wayland");
        frmMenu menu(dialogs, systemInfo, [] { return 0; }, &table);
        QSignalSpy closed(&menu, &frmMenu::closed);
        QSignalSpy chosen(&menu, &frmMenu::backChosen);
        menu.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(menu.windowHandle()->transientParent(), table.windowHandle());

        // The desktop closing each window, or the chooser's Cancel, leads
        // back as the keys of the table's test do. About alone is made anew
        // each time.
        for (const Trip &trip : Trips) {
            click(&menu, trip.open);
            QPointer<QWidget> w = shown(trip.window);
            QVERIFY2(w && !menu.isVisible() && QTest::qWaitForWindowExposed(w), trip.window);
            QCOMPARE(w->windowHandle()->transientParent(), table.windowHandle());
            QVERIFY2(!(placed || w->windowType() == Qt::ToolTip) ||
                         table.frameGeometry().contains(w->frameGeometry().center()), trip.window);
            trip.back ? click(w, trip.back) : void(w->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!shown(trip.window) && menu.isVisible(), trip.window);
            QCOMPARE(w.isNull(), QLatin1String(trip.window) == "frmAbout");
        }
        // The keys reach the window in front, also under Wayland, where the
        // table keeps the keyboard while a popup is up.
        auto press = [&](QWidget *front, Qt::Key key) {
            QTest::keyClick(placed ? front->windowHandle() : table.windowHandle(), key);
        };
        menu.findChild<QPushButton *>("cmdCredits")->setFocus();
        press(&menu, Qt::Key_Right);
        press(&menu, Qt::Key_Space);
        QVERIFY(shown("frmInstruct") && !menu.isVisible());
        press(shown("frmInstruct"), Qt::Key_Escape);
        QVERIFY(!shown("frmInstruct") && menu.isVisible());
        QVERIFY(closed.isEmpty() && chosen.isEmpty());
        // (The menu's own ways back are the table's test's: its keys, and
        // the monkey's clicks and closes.)
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

    // The card back chooser: the back clicked last alone is outlined in red,
    // OK tells it, and the window opens again on the back in use, marked;
    // every back named by what it shows.
    // (Its keys and its ways back are the table's test's and the trips'.)
    void okTellsTheBackClickedLastWhichIsOutlined()
    {
        frmBacks w;
        QSignalSpy chosen(&w, &frmBacks::backChosen);
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
            for (int i = 0; i < 10; ++i)   // named by what each shows, the chosen one selected
                QCOMPARE(chooserBack(w, i)->accessibleName() + "|" + chooserBack(w, i)->toolTip(),
                         Backs[i] + (i == 5 ? ", selected|" : "|") + Backs[i]);
            QCOMPARE(w.focusWidget() == chooserBack(w, 5), reopen == 1);
            click(&w, "cmdOK");
            QCOMPARE(chosen.takeFirst().at(0).toInt(), 5);
            w.setCurrent(5);
        }
    }
};

QTEST_MAIN(WindowFlowTest)
#include "tst_window_flow.moc"
