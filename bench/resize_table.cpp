// How long the table takes to follow its window: a dealt table is resized
// step by step from its designed size to twice that and back, and each step
// is laid out and painted at once, as a drag of the window's corner asks.
// Then the sharp pictures that follow once the size stays, drawn afresh.
// A bare Qt window of the same sizes is resized and painted the same way,
// in the same run, for what the machine itself takes. Prints milliseconds;
// one frame at 60 Hz is 16.7. Run it at a scale with QT_SCALE_FACTOR.

#include "app/frmQuintrel.h"
#include "platform/DataStore.h"
#include "platform/Dialogs.h"
#include "platform/Pacer.h"
#include "platform/Random.h"
#include "platform/SystemInfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmapCache>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double msOf(const std::function<void()> &step)
{
    QElapsedTimer clock;
    clock.start();
    step();
    return double(clock.nsecsElapsed()) / 1e6;
}

void report(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %6.2f  95th %6.2f  worst %6.2f  (%zu)\n", what, ms[ms.size() / 2],
                ms[ms.size() * 95 / 100], ms.back(), ms.size());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::ClockSeededRandom random;
    platform::TimerPacer pacer;
    platform::FolderStore store(scores::fileSpans());
    platform::QtDialogs dialogs;
    platform::DesktopSystemInfo systemInfo;
    frmQuintrel window({random, pacer, store, dialogs, systemInfo});
    window.show();
    wait(300);
    window.table().deal();
    wait(1700);   // past the round's banner

    std::vector<double> drag, layout, paint, bareDrag;
    // An empty window, filled with its background colour as the table's is.
    QWidget bare;
    bare.setAutoFillBackground(true);
    bare.show();
    for (int pass = 0; pass < 2; ++pass)
        for (int step = 0; step <= 74; ++step) {
            const int w = 592 + 8 * (pass ? 74 - step : step);
            layout.push_back(msOf([&] { window.resize(w, w * 453 / 592); }));
            paint.push_back(msOf([&] { window.repaint(); }));
            drag.push_back(layout.back() + paint.back());
            bareDrag.push_back(msOf([&] {
                bare.resize(w, w * 453 / 592);
                bare.repaint();
            }));
        }
    bare.hide();
    std::printf("at a scale of %.2f\n", window.devicePixelRatioF());
    report("bare window, resize and repaint (ms)", bareDrag);
    report("resize and repaint, dragging (ms)", drag);
    report("  of which the layout (ms)", layout);
    report("  of which the painting (ms)", paint);

    // Once the size stays the cards are drawn sharp, one by one: the longest
    // turn of the event loop meanwhile is the longest frame.
    std::vector<double> settled;
    for (double scale : {1.25, 1.5, 0.8, 1.75, 1.1, 2.0, 0.9, 1.3}) {
        QPixmapCache::clear();
        window.resize(int(592 * scale), int(453 * scale));
        window.repaint();
        QElapsedTimer since;
        since.start();
        double longest = 0;
        while (since.elapsed() < 600)
            longest = std::max(longest, msOf([] { QCoreApplication::processEvents(); }));
        settled.push_back(longest);
    }
    report("longest frame, sharpening (ms)", settled);
    std::printf("pixmap cache limit %d kB\n", QPixmapCache::cacheLimit());
    return 0;
}
