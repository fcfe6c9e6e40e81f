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
    const char *open, *window, *back;   // no back: the desktop closes it
};
const Trip Trips[] = {{"cmdCredits", "frmCredits", nullptr}, {"cmdInst", "frmInstruct", nullptr},
                      {"cmdAbout", "frmAbout", nullptr}, {"cmdBacks", "frmBacks", "cmdCancel"}};

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

        // The desktop closing each window, or the chooser's Cancel, leads
        // back as the keys of the table's test do. About alone is made anew
        // each time.
        for (const Trip &trip : Trips) {
            click(&menu, trip.open);
            QPointer<QWidget> w = shown(trip.window);
            QVERIFY2(w && !menu.isVisible(), trip.window);
            QCOMPARE(w->windowHandle()->transientParent(), table.windowHandle());
            for (QLabel *l : w->findChildren<QLabel *>())   // no label cuts its text
                QVERIFY2(!l->wordWrap() || l->heightForWidth(l->width()) <= l->height(),
                         qPrintable(l->text()));
            trip.back ? click(w, trip.back) : void(w->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!shown(trip.window) && menu.isVisible(), trip.window);
            QCOMPARE(w.isNull(), QLatin1String(trip.window) == "frmAbout");
        }
        QVERIFY(closed.isEmpty() && chosen.isEmpty());

        // Close or the desktop's close request hands the input back.
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
    }

    // The card back chooser: the back clicked last alone is outlined in red,
    // OK tells it, and the window opens again on the back in use, marked.
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
            QVERIFY(at(5, {6, 50}) != QColor(Qt::red));
            QCOMPARE(w.focusWidget() == chooserBack(w, 5), reopen == 1);
            click(&w, "cmdOK");
            QCOMPARE(chosen.takeFirst().at(0).toInt(), 5);
            w.setCurrent(5);
        }
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
