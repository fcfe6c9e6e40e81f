// The web browser window, loaded from its module by the menu, on pages the
// test serves itself: the caption, the toolbar, the address box, and that the
// web engine stays out of the process until the player asks for it.

#include "game/frmQuintrel.h"
#include "support/FakePlatform.h"
#include "windows/OwnerDetails.h"
#include "windows/frmMenu.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

namespace {

bool engineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libQt6WebEngineCore");
}

} // namespace

class BrowserTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString pageOne, pageTwo;

    QString writePage(const QString &name, const QString &title)
    {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(QStringLiteral("<html><head><title>%1</title></head><body>%1</body></html>")
                    .arg(title)
                    .toUtf8());
        return QUrl::fromLocalFile(f.fileName()).toString();
    }

    static void enterAddress(QWidget *browser, const QString &address)
    {
        auto *box = browser->findChild<QComboBox *>(QStringLiteral("cboAddress"));
        box->setEditText(address);
        QTest::keyClick(box, Qt::Key_Return);
    }

    static void press(QWidget *browser, const char *key)
    {
        auto *bar = browser->findChild<QToolBar *>(QStringLiteral("tbToolBar"));
        QAction *action = bar->findChild<QAction *>(QLatin1String(key));
        QVERIFY(action);
        action->trigger();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        pageOne = writePage(QStringLiteral("one.html"), QStringLiteral("Page One"));
        pageTwo = writePage(QStringLiteral("two.html"), QStringLiteral("Page Two"));
    }

    void browsing()
    {
        FakePlatform platform;
        frmQuintrel table(platform);
        table.show();
        QTest::mouseClick(table.cmdMenu, Qt::LeftButton);
        frmMenu &menu = table.menu();

        QVERIFY2(!engineLoaded(), "the web engine is loaded before the first visit");
        QTest::mouseClick(menu.cmdWeb, Qt::LeftButton);
        QVERIFY2(platform.messages.isEmpty(),
                 qPrintable(platform.messages.value(0).text));
        QVERIFY(engineLoaded());

        QPointer<QWidget> browser = menu.browserWindow();
        QVERIFY(browser);
        QVERIFY(browser->isVisible());
        QVERIFY(menu.isVisible());
        QVERIFY(!table.isEnabled());
        auto *box = browser->findChild<QComboBox *>(QStringLiteral("cboAddress"));
        QCOMPARE(box->count(), 1);
        QCOMPARE(box->itemText(0), owner::MakerAddress);
        QCOMPARE(browser->geometry(), QRect(37, 18, 722, 571));
        // The page: 10730 x 7250 twips at the window's first size.
        auto *pane = browser->findChild<QWidget *>(QStringLiteral("brwWebBrowser"));
        QCOMPARE(pane->geometry(), QRect(8, 145, 715, 483));

        // The address box: Enter opens the page, and the caption becomes its
        // title once loaded.
        enterAddress(browser, pageOne);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Page One"), 15000);
        enterAddress(browser, pageTwo);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Page Two"), 15000);
        QCOMPARE(box->count(), 1);   // typed addresses are not listed

        press(browser, "Back");
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Page One"), 15000);
        press(browser, "Forward");
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Page Two"), 15000);
        // Nothing further forward: nothing happens, and the window goes on.
        press(browser, "Forward");
        QTest::qWait(50);
        QCOMPARE(browser->windowTitle(), QString("Page Two"));

        // A page that never arrives: "Working..." while it loads; Stop puts
        // back the title of what is shown, and "Working..." does not return.
        QTcpServer server;
        QList<QTcpSocket *> held;
        connect(&server, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket *s = server.nextPendingConnection())
                held << s;
        });
        QVERIFY(server.listen(QHostAddress::LocalHost));
        enterAddress(browser, QStringLiteral("http://127.0.0.1:%1/slow").arg(server.serverPort()));
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Working..."), 15000);
        press(browser, "Stop");
        QCOMPARE(browser->windowTitle(), QString("Page Two"));
        QTest::qWait(300);
        QVERIFY(browser->windowTitle() != QString("Working..."));
        QVERIFY(!browser->findChild<QTimer *>(QStringLiteral("timTimer"))->isActive());

        // Visit again while it is open: the same window, brought to the front,
        // its page kept.
        QTest::mouseClick(menu.cmdWeb, Qt::LeftButton);
        QCOMPARE(menu.browserWindow(), browser.data());
        QCOMPARE(box->count(), 1);
        int browsers = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            browsers += w->objectName() == QLatin1String("frmBrowser");
        QCOMPARE(browsers, 1);

        // Too small for the margins: sizes stop at zero.
        browser->resize(40, 40);
        QCOMPARE(pane->size(), QSize(33, 0));
        browser->resize(722, 571);

        // Closed by its title bar it is destroyed; the next visit makes a new
        // one.
        browser->close();
        QTRY_VERIFY(!browser);
        QVERIFY(!menu.browserWindow());
        QTest::mouseClick(menu.cmdWeb, Qt::LeftButton);
        QVERIFY(menu.browserWindow());
        QVERIFY(menu.browserWindow()->isVisible());
        QCOMPARE(menu.browserWindow()->findChild<QComboBox *>(QStringLiteral("cboAddress"))->count(), 1);
        for (QTcpSocket *s : held)
            s->abort();
    }
};

int main(int argc, char *argv[])
{
    // As the game does: the engine, loaded later, needs shared contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    BrowserTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browser.moc"
