// The web browser window, loaded from its module by the menu, on pages the
// test serves itself on the loopback: the caption while and after a page
// loads, and that the web engine stays out of the process until the player
// asks for it.

#include "support/Desktop.h"
#include "support/Fakes.h"
#include "windows/OwnerDetails.h"
#include "windows/frmMenu.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

namespace {

bool engineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

} // namespace

class BrowserTest : public QObject {
    Q_OBJECT

private slots:
    void browsing()
    {
        // Each request has a page titled by its path (/one holds as much
        // text as is read aloud of a page); /slow never answers,
        // /alert shows an alert, /hop goes on to /two by itself.
        QTcpServer server;
        connect(&server, &QTcpServer::newConnection, this, [&] {
            QTcpSocket *s = server.nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [s] {
                const QByteArray path = s->readAll().split(' ').value(1).mid(1);
                if (path == "slow")
                    return;
                const QByteArray body = "<html><head><title>" + path + "</title></head></html>" +
                                        QByteArray(path == "one" ? 3000 : 0, 'w') +
                                        (path == "alert" ? "<script>alert('x')</script>" : "") +
                                        (path == "hop" ? "<script>location.href='/two'</script>" : "");
                s->write("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: " +
                         QByteArray::number(body.size()) + "\r\n\r\n" + body);
                s->disconnectFromHost();
            });
        });
        QVERIFY(server.listen(QHostAddress::LocalHost));
        FakeDialogs dialogs;
        FakeSystemInfo systemInfo;
        frmMenu menu(dialogs, systemInfo, [] { return 0; });
        menu.showWindow();
        auto *visit = menu.findChild<QPushButton *>(QStringLiteral("cmdWeb"));

        QVERIFY2(!engineLoaded(), "the web engine is loaded before the first visit");
        QTest::mouseClick(visit, Qt::LeftButton);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
        QPointer<QWidget> browser = shown("frmBrowser");
        QVERIFY(engineLoaded() && browser && menu.isVisible());
        auto box = [&] { return browser->findChild<QComboBox *>(QStringLiteral("cboAddress")); };
        QCOMPARE(box()->itemText(0), owner::MakerAddress);
        const QRect banner = browser->findChild<QLabel *>("Label1")->geometry();
        QCOMPARE(browser->grab(banner).toImage().pixelColor(1, 1), QColor(Qt::black));

        // The busy caption's timer runs while a page loads and stops once it
        // has: the caption is then the page's title.
        auto open = [&](const char *path) {
            box()->setEditText(QStringLiteral("http://127.0.0.1:%1/%2").arg(server.serverPort()).arg(path));
            QTest::keyClick(box(), Qt::Key_Return);
        };
        auto *timer = browser->findChild<QTimer *>(QStringLiteral("timTimer"));
        QCOMPARE(timer->interval(), 5);
        open("one");
        QVERIFY(timer->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("one"), 15000);
        // A screen reader is told the page whole, by its title: up to 3000
        // characters.
        auto said = [&] { auto *a = browser->findChild<QWidget *>("announcer"); return a ? a->accessibleName() : ""; };
        QTRY_VERIFY(said().endsWith("one. " + QString(3000, 'w')));
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 1000);

        // A page that never arrives: "Working..." until Stop puts back the
        // title of what is shown.
        open("slow");
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Working..."), 15000);
        browser->findChild<QAction *>("Stop")->trigger();
        QCOMPARE(browser->windowTitle(), QString("one"));
        QVERIFY(!timer->isActive());

        // The address box follows a page that moves on by itself.
        open("hop");
        QTRY_VERIFY_WITH_TIMEOUT(box()->currentText().endsWith("/two"), 15000);

        // At any size the page runs from below the address box down to the
        // window's bottom edge, with the margin of its left side on the right.
        auto *page = browser->findChild<QWidget *>("brwWebBrowser");
        for (const QSize s : {browser->size(), QSize(400, 300)}) {
            browser->resize(s);
            QTRY_COMPARE(page->geometry().bottomRight(), QPoint(s.width() - 1 - page->x(), s.height() - 1));
            QVERIFY(page->y() > box()->mapTo(browser, QPoint(0, box()->height())).y());
        }

        // A second visit brings the same window to the front, minimised or
        // not; once closed by Escape on what has the focus, as by its title
        // bar, it is gone, and the next visit makes a new one.
        browser->showMinimized();
        QTest::mouseClick(visit, Qt::LeftButton);
        QVERIFY(shown("frmBrowser") == browser.data() && !browser->isMinimized());
        QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == browser);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!browser);
        QTest::mouseClick(visit, Qt::LeftButton);
        QVERIFY(browser = shown("frmBrowser"));

        // The same while a page's alert waits for the player: closed, and
        // visited again, from within the alert's own event loop.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QApplication::activeModalWidget() && browser && browser->close())
                QTest::mouseClick(visit, Qt::LeftButton);
        });
        poll.start(10);
        open("alert");
        QTRY_VERIFY_WITH_TIMEOUT(!browser && shown("frmBrowser"), 15000);
    }
};

QTEST_MAIN(BrowserTest)
#include "tst_browser.moc"
