// Plays one round on the real clock without touching it and measures how long
// its 91 ticks take from the moment the clock starts: 91 s exactly would be no
// drift. Also prints the CPU time the process used while waiting.

#include "game/frmQuintrel.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

// The real desktop, except that "time is up!!!" does not wait for a click.
class TimedPlatform : public platform::QtPlatform {
public:
    QElapsedTimer clock;
    qint64 timeUpAt = -1;
    platform::Answer messageBox(const QString &text, platform::Buttons, platform::Icon,
                                const QString &, platform::Answer) override
    {
        if (text == QStringLiteral("time is up!!!") && timeUpAt < 0) {
            timeUpAt = clock.nsecsElapsed();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return platform::Answer::Ok;
    }
    void endProcess() override {}
};

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TimedPlatform platform;
    frmQuintrel table(platform);
    table.show();
    platform.clock.start();
    qint64 clockStarted = -1;
    double cpuAtStart = 0;
    QTimer::singleShot(200, [&] {
        table.rules().clickDeal();   // returns when the banner is over and the clock runs
        clockStarted = platform.clock.nsecsElapsed();
        cpuAtStart = cpuSeconds();
    });
    app.exec();
    const double seconds = double(platform.timeUpAt - clockStarted) / 1e9;
    const double cpu = cpuSeconds() - cpuAtStart;
    std::printf("round_seconds %.3f\ndrift_seconds %+.3f\ncpu_percent_waiting %.3f\n", seconds,
                seconds - 91.0, 100.0 * cpu / seconds);
    return 0;
}
