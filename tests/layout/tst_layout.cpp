// The windows' layout. At the designed size they look as they always have:
// each is grabbed and compared, pixel for pixel, with the picture kept beside
// this test (QUINTREL_WRITE_REFERENCES=<folder> writes the pictures instead).
// At any other size every control keeps its place in proportion, and the
// size keys step the table's size.

#include "app/frmQuintrel.h"
#include "scores/frmHiScores.h"
#include "support/Fakes.h"
#include "ui/FocusStyle.h"
#include "windows/frmMenu.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cmath>

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

// Controls of the table as designed, in twips (15 to a pixel at the
// designed size), with their fonts' designed pixel sizes (0 for none).
struct Designed { const char *name; int left, top, width, height, pixels; };
constexpr Designed TableControls[] = {
    {"imgSpot0", 3960, 240, 1125, 1500, 0},   {"imgSpot10", 360, 2760, 1125, 1500, 0},
    {"imgSpot15", 7560, 2760, 1125, 1500, 0}, {"imgSpot21", 6360, 4440, 1125, 1500, 0},
    {"imgSpot23", 3360, 5160, 1125, 1500, 0}, {"cmdMenu", 120, 120, 1215, 495, 11},
    {"cmdDeal", 3510, 4440, 975, 495, 11},    {"lblHighScore", 7320, 120, 1095, 255, 16},
    {"lblRunTot", 4080, 3600, 855, 615, 35},  {"lblScoreTot", 7080, 6360, 1335, 375, 21},
    {"ProgressBar1", 120, 6360, 2535, 315, 0},
};

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

    void everyControlKeepsItsPlaceInProportion()
    {
        Table t;
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        for (const QSize window : {QSize(888, 680), QSize(1000, 600), QSize(500, 400)}) {
            t.w.resize(window);
            // The table keeps its shape, as large as the window lets it, in
            // the middle; the rest is the table's blue.
            const double s = std::min(window.width() / 592.0, window.height() / 453.0);
            const QPoint origin((window.width() - qRound(592 * s)) / 2,
                                (window.height() - qRound(453 * s)) / 2);
            for (const Designed &d : TableControls) {
                const QWidget *c = t.w.findChild<QWidget *>(QLatin1String(d.name));
                const QRect expected(origin.x() + int(std::floor(d.left * s / 15 + 1e-6)),
                                     origin.y() + int(std::floor(d.top * s / 15 + 1e-6)),
                                     qRound(d.width * s / 15), qRound(d.height * s / 15));
                QCOMPARE(c->geometry(), expected);
                if (d.pixels)
                    QCOMPARE(c->font().pixelSize(), qRound(d.pixels * s));
            }
            const QImage grab = t.w.grab().toImage();
            QCOMPARE(grab.pixelColor(1, 1), QColor(0, 0, 255));
            QCOMPARE(grab.pixelColor(window.width() - 2, window.height() - 2), QColor(0, 0, 255));
            // The menu follows: its size in proportion, its place as far from
            // the table as designed, 2505 and 2730 twips right and down.
            t.w.menu().showWindow();
            const QPoint table = t.w.mapToGlobal(origin);
            QCOMPARE(t.w.menu().geometry(),
                     QRect(table.x() + int(std::floor(2505 * s / 15 + 1e-6)),
                           table.y() + int(std::floor(2730 * s / 15 + 1e-6)),
                           qRound(4395 * s / 15), qRound(1605 * s / 15)));
            t.w.menu().findChild<QPushButton *>("cmdClose")->click();
        }
    }

    void sizeKeysStepTheTable()
    {
        Table t;
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        auto press = [&](const char *action, double expected) {
            t.w.findChild<QAction *>(QLatin1String(action))->trigger();
            QVERIFY2(std::abs(t.w.tableScale() - expected) < 0.003,
                     qPrintable(QString::number(t.w.tableScale())));
        };
        // Quarter steps; the 800 x 800 offscreen screen holds the table, in
        // its frame, up to (800 - frame) / 592 of its size, and captions stay
        // readable down to 3/4.
        press("actLarger", 1.25);
        QCOMPARE(t.w.size(), QSize(740, 566));
        press("actLarger", (800 - (t.w.frameGeometry().width() - t.w.width())) / 592.0);
        press("actSmaller", 1.25);
        press("actDesignedSize", 1.0);
        QCOMPARE(t.w.size(), QSize(592, 453));
        press("actSmaller", 0.75);
        press("actSmaller", 0.75);
        QCOMPARE(t.w.size(), QSize(444, 340));
        // The keys, as the README lists them.
        QCOMPARE(t.w.findChild<QAction *>("actLarger")->shortcut(), QKeySequence(QKeySequence::ZoomIn));
        QCOMPARE(t.w.findChild<QAction *>("actDesignedSize")->shortcut(), QKeySequence("Ctrl+0"));
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
