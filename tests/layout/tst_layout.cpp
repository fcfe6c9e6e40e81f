// The windows at their designed size look as they always have: each is
// grabbed and compared, pixel for pixel, with the picture kept beside this
// test. QUINTREL_WRITE_REFERENCES=<folder> writes the pictures instead.

#include "app/frmQuintrel.h"
#include "scores/frmHiScores.h"
#include "support/Fakes.h"
#include "ui/FocusStyle.h"
#include "windows/frmMenu.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

namespace {

struct Table {
    FakeRandom random;
    FakePacer pacer;
    FakeStore store;
    FakeDialogs dialogs;
    FakeSystemInfo systemInfo;
    frmQuintrel w{{random, pacer, store, dialogs, systemInfo}};
};

QWidget *topLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// Differing pixels between a grab and its reference.
int differing(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

class Layout : public QObject {
    Q_OBJECT

    void compare(QWidget *window, const QString &name)
    {
        QVERIFY2(window, qPrintable(name));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        const QImage grab = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString written = qEnvironmentVariable("QUINTREL_WRITE_REFERENCES");
        if (!written.isEmpty()) {
            QVERIFY(grab.save(written + QLatin1Char('/') + name + QStringLiteral(".png")));
            return;
        }
        const QImage reference =
            QImage(QStringLiteral(QUINTREL_REFERENCES "/") + name + QStringLiteral(".png"))
                .convertToFormat(QImage::Format_RGB32);
        const int off = differing(grab, reference);
        qInfo("%s: %dx%d, %d pixels differ", qPrintable(name), grab.width(), grab.height(), off);
        QCOMPARE(off, 0);
    }

private slots:
    void designedSizeLooksAsBefore()
    {
        Table t;
        t.w.show();
        compare(&t.w, QStringLiteral("table-idle"));
        t.w.findChild<QPushButton *>(QStringLiteral("cmdDeal"))->click();
        t.pacer.drain();
        compare(&t.w, QStringLiteral("table-dealt"));

        t.w.menu().showWindow();
        compare(&t.w.menu(), QStringLiteral("menu"));
        for (const char *button : {"cmdInst", "cmdCredits", "cmdAbout", "cmdBacks"}) {
            t.w.menu().showWindow();
            t.w.menu().findChild<QPushButton *>(QLatin1String(button))->click();
        }
        for (const char *window : {"frmInstruct", "frmCredits", "frmAbout", "frmBacks"})
            compare(topLevel(QLatin1String(window)), QLatin1String(window));
        t.w.hiScores().showWindow();
        t.w.hiScores().GetScores();
        compare(&t.w.hiScores(), QStringLiteral("frmHiScores"));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new ui::FocusStyle);
    Layout test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_layout.moc"
