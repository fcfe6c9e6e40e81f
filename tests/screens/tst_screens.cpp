// The game on a real screen of one size and scale (run.sh starts one display
// per screen, with openbox drawing real frames): every window, frame
// included, must lie on the screen, and the table must have the size its
// screen gives it.

#include "app/frmQuintrel.h"
#include "scores/frmHiScores.h"
#include "support/Fakes.h"
#include "ui/FocusStyle.h"
#include "ui/Placement.h"
#include "windows/frmMenu.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <cmath>

namespace {

// The table's client area at its designed size, in pixels.
constexpr double TableWidth = 592, TableHeight = 453;
// Below this the smallest captions could not be read.
constexpr double Smallest = 0.75;

QWidget *shownWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

QString rect(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class Screens : public QObject {
    Q_OBJECT

    FakeRandom random;
    FakePacer pacer;
    FakeStore store;
    FakeDialogs dialogs;
    FakeSystemInfo systemInfo;
    QString screen_;

    // Waits for the window manager's frame and for the window to settle in
    // it, then checks that all of it is on the screen.
    QRect framedOnScreen(QWidget *window, const char *name)
    {
        if (!window)
            return {};
        [&] { QVERIFY(QTest::qWaitForWindowExposed(window)); }();
        QTest::qWait(150);   // the window manager's last move
        const QRect available = window->screen()->availableGeometry();
        const QRect frame = window->windowHandle()->frameGeometry();
        qInfo("| %s | %s | %s |", qPrintable(screen_), name, qPrintable(rect(frame)));
        [&] { QVERIFY2(available.contains(frame), qPrintable(rect(frame) + " off " + rect(available))); }();
        return frame;
    }

private slots:
    void initTestCase()
    {
        const QSize size = QApplication::primaryScreen()->size() * qApp->devicePixelRatio();
        screen_ = QStringLiteral("%1x%2 at %3 %")
                      .arg(size.width()).arg(size.height())
                      .arg(qRound(qApp->devicePixelRatio() * 100));
    }

    void everyWindowFitsTheScreen()
    {
        frmQuintrel table({random, pacer, store, dialogs, systemInfo});
        table.show();
        // A real window manager frames the window: the frame counts.
        QTRY_VERIFY_WITH_TIMEOUT(table.windowHandle()->frameGeometry().height() > table.height(), 5000);
        const QRect available = table.screen()->availableGeometry();
        const QSize frame = table.windowHandle()->frameGeometry().size() - table.size();
        // Designed size where the framed window fits; else the largest size of
        // the table's shape that fits, never below readable captions.
        const double fits = std::min((available.width() - frame.width()) / TableWidth,
                                     (available.height() - frame.height()) / TableHeight);
        const double expected = std::max(Smallest, std::min(1.0, fits));
        QTRY_VERIFY2_WITH_TIMEOUT(std::abs(table.tableScale() - expected) < 0.005,
                                  qPrintable(QString::number(table.tableScale())), 3000);
        framedOnScreen(&table, "frmQuintrel");
        qInfo("| %s | table scale | %.3f (expected %.3f) |", qPrintable(screen_),
              table.tableScale(), expected);
        QVERIFY(std::abs(table.findChild<QWidget *>("imgSpot0")->width() - 75 * expected) <= 1);

        if (const QString folder = qEnvironmentVariable("QUINTREL_SCREENSHOTS"); !folder.isEmpty()) {
            table.findChild<QPushButton *>("cmdDeal")->click();
            pacer.drain();
            QTest::qWait(300);
            table.screen()->grabWindow(0).save(
                QStringLiteral("%1/table-%2.png").arg(folder, QString(screen_).remove(' ').replace('%', "pc")));
            pacer.drain();
            table.findChild<QPushButton *>("cmdTake")->click();
            pacer.drain();
        }

        // The small windows, at the table's scale, each in its frame (or
        // without one) on the screen.
        struct Small { const char *button, *window; int width, height; };
        const Small smalls[] = {
            {nullptr, "frmMenu", 293, 107},       {"cmdInst", "frmInstruct", 312, 211},
            {"cmdCredits", "frmCredits", 312, 273}, {"cmdBacks", "frmBacks", 458, 298},
            {"cmdAbout", "frmAbout", 382, 237},
        };
        for (const Small &s : smalls) {
            table.menu().showWindow();
            if (s.button)
                table.menu().findChild<QPushButton *>(s.button)->click();
            QWidget *window = shownWindow(s.window);
            QVERIFY2(window, s.window);
            framedOnScreen(window, s.window);
            QVERIFY(std::abs(window->width() - s.width * table.tableScale()) <= 1);
            QVERIFY(std::abs(window->height() - s.height * table.tableScale()) <= 1);
            if (s.button)
                QTest::keyClick(window, Qt::Key_Escape);
        }
        table.hiScores().showWindow();
        framedOnScreen(&table.hiScores(), "frmHiScores");
        QVERIFY(std::abs(table.hiScores().width() - 402 * table.tableScale()) <= 1);

        // The browser: its first size is capped by the screen.
        table.menu().showWindow();
        table.menu().findChild<QPushButton *>("cmdWeb")->click();
        if (QWidget *browser = shownWindow("frmBrowser"))
            framedOnScreen(browser, "frmBrowser");
        else
            QWARN("no browser module");
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new ui::FocusStyle);
    ui::keepWindowsOnScreen();
    Screens test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_screens.moc"
