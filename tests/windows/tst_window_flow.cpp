// The menu and the windows reached from it: which is shown and hidden as the
// player moves about, how each goes back, and what they show; the card back
// chooser on its own.

#include "backs/frmBacks.h"
#include "support/Fakes.h"
#include "windows/frmMenu.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

namespace {

QWidget *shown(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

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
        QCOMPARE(menu.geometry(), QRect(272, 249, 293, 107));
        QCOMPARE(menu.windowHandle()->transientParent(), table.windowHandle());
        // Four 5-pixel lines in the desktop's text colour round the blue.
        const QImage image = menu.grab().toImage();
        const QColor text = QGuiApplication::palette().color(QPalette::WindowText);
        for (const QPoint p : {QPoint(150, 0), QPoint(150, 4), QPoint(150, 102), QPoint(150, 106),
                               QPoint(0, 50), QPoint(4, 50), QPoint(288, 50), QPoint(292, 50)})
            QCOMPARE(image.pixelColor(p), text);
        QCOMPARE(image.pixelColor(150, 5), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(5, 50), QColor(0, 0, 255));

        // Twice round, so that the second opening finds the first window; the
        // second time the desktop closes each window, which leads back the
        // same way. About alone is made anew each time.
        for (int round = 0; round < 2; ++round) {
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
                else
                    w->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QVERIFY2(!shown(trip.window) && menu.isVisible(), trip.window);
                QCOMPARE(w.isNull(), QLatin1String(trip.window) == "frmAbout");
            }
        }
        QVERIFY(closed.isEmpty() && chosen.isEmpty());

        // The chooser's OK comes through the menu.
        click(&menu, "cmdBacks");
        QTest::mouseClick(shown("frmBacks")->findChild<QWidget *>("imgCardBack4"), Qt::LeftButton);
        click(shown("frmBacks"), "cmdOK");
        QCOMPARE(chosen.value(0).value(0).toInt(), 4);
        QVERIFY(menu.isVisible() && !shown("frmBacks"));

        // Close, or the desktop's close request, hands the input back.
        click(&menu, "cmdClose");
        QVERIFY(!menu.isVisible() && closed.size() == 1);
        menu.showWindow();
        menu.close();
        QVERIFY(!menu.isVisible() && closed.size() == 2);
    }

    void aboutShowsTheVersionAndTellsWhenNoSystemInfoTool()
    {
        frmMenu menu(dialogs, systemInfo);
        menu.showWindow();
        click(&menu, "cmdAbout");
        QPointer<QWidget> about = shown("frmAbout");
        QCOMPARE(about->windowTitle(), QString("About quintrel"));
        QCOMPARE(about->findChild<QLabel *>("lblVersion")->text(), QString("Version 1.2.3"));

        systemInfo.available = true;
        click(about, "cmdSysInfo");
        QVERIFY(dialogs.messages.isEmpty());
        systemInfo.available = false;
        click(about, "cmdSysInfo");
        QVERIFY(systemInfo.starts == 2 && dialogs.messages.size() == 1);
        QCOMPARE(dialogs.messages[0].text, QString("System Information Is Unavailable At This Time"));
        QCOMPARE(dialogs.messages[0].title, QString("quintrel"));

        QTest::keyClick(about, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about && menu.isVisible());
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
        const QImage plain = w.grab().toImage();
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(chosen.takeFirst().at(0).toInt(), 0);
        QVERIFY(!w.isVisible() && closed.size() == 1);

        // Cancel, Escape and the desktop's close request each go back without
        // a choice, yet the last click counts at the next OK.
        const QList<std::function<void()>> goBacks = {
            [&] { QTest::mouseClick(w.findChild<QPushButton *>("cmdCancel"), Qt::LeftButton); },
            [&] { QTest::keyClick(&w, Qt::Key_Escape); },
            [&] { w.close(); },
        };
        for (int n = 0; n < goBacks.size(); ++n) {
            w.showWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::mouseClick(chooserBack(w, 3 + n), Qt::LeftButton);
            closed.clear();
            goBacks[n]();
            QVERIFY(!w.isVisible() && chosen.isEmpty() && closed.size() == 1);
        }
        w.showWindow();
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(chosen.takeFirst().at(0).toInt(), 5);

        // The chosen back is outlined in red, the others in black, and each
        // showing starts without outlines.
        w.showWindow();
        QTest::mouseClick(chooserBack(w, 2), Qt::LeftButton);
        QTest::mouseClick(chooserBack(w, 5), Qt::LeftButton);
        // One pixel wide, one pixel in from each edge of the card.
        const QImage image = w.grab().toImage();
        auto at = [&](int i, QPoint p) { return image.pixelColor(chooserBack(w, i)->pos() + p); };
        for (const QPoint p : {QPoint(1, 50), QPoint(74, 50), QPoint(37, 1), QPoint(37, 99)})
            for (int i = 0; i < 10; ++i)
                QCOMPARE(at(i, p), i == 5 ? QColor(Qt::red) : QColor(Qt::black));
        QVERIFY(at(5, {2, 50}) != QColor(Qt::red));
        w.close();
        w.showWindow();
        QCOMPARE(w.grab().toImage(), plain);
    }

    // The system information tool is taken only as a program file from a
    // folder named by an absolute path, and it starts without what the game
    // set for its web engine alone.
    void systemInfoToolComesOnlyFromAbsoluteFolders()
    {
        // Named in the order looked for: a folder, a file that is no program,
        // a program.
        const QStringList names = {"kinfocenter", "hardinfo2", "hardinfo"};
        QTemporaryDir dir;
        QFile text(dir.filePath(names[1])), program(dir.filePath(names[2]));
        QVERIFY(QDir(dir.path()).mkdir(names[0]) && text.open(QFile::WriteOnly));
        QVERIFY(program.open(QFile::WriteOnly) && program.setPermissions(QFile::ExeOwner));
        QCOMPARE(platform::findTool(names, "/nowhere:" + dir.path().toLocal8Bit()), dir.filePath("hardinfo"));
        // Not through "." nor an empty entry, both the current folder.
        const QString current = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QCOMPARE(platform::findTool(names, ".:"), QString());
        QDir::setCurrent(current);

        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        const QProcessEnvironment environment = platform::toolEnvironment();
        QVERIFY(!environment.contains("QTWEBENGINE_DISABLE_SANDBOX") &&
                environment.value("PATH").toLocal8Bit() == qgetenv("PATH"));
    }
};

QTEST_MAIN(WindowFlowTest)
#include "tst_window_flow.moc"
