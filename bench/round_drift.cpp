// Plays one round on the real clock without touching it and measures how long
// its 91 ticks take from the moment the clock starts: 91 s exactly would be no
// drift.

#include "game/frmQuintrel.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TimedPlatform platform;
    frmQuintrel table(platform);
    table.show();
    platform.clock.start();
    qint64 clockStarted = -1;
    QTimer::singleShot(200, [&] {
        table.rules().clickDeal();   // returns when the banner is over and the clock runs
        clockStarted = platform.clock.nsecsElapsed();
    });
    app.exec();
    const double seconds = double(platform.timeUpAt - clockStarted) / 1e9;
    std::printf("round_seconds %.3f\ndrift_seconds %+.3f\n", seconds, seconds - 91.0);
    return 0;
}
