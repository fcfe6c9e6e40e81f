// Plays one round on the real clock without touching it and measures how long
// its 91 ticks take from the moment the clock starts: 91 s exactly would be no
// drift.

#include "app/frmQuintrel.h"
#include "game/Table.h"
#include "platform/DataStore.h"
#include "platform/Dialogs.h"
#include "platform/Pacer.h"
#include "platform/Random.h"
#include "platform/SystemInfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

// "time is up!!!" does not wait for a click; the round ends there.
class TimedDialogs : public platform::Dialogs {
public:
    QElapsedTimer clock;
    qint64 timeUpAt = -1;
    platform::Answer message(const QString &text, platform::Buttons, platform::Icon,
                             const QString &, platform::Answer) override
    {
        if (text == QStringLiteral("time is up!!!") && timeUpAt < 0) {
            timeUpAt = clock.nsecsElapsed();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return platform::Answer::Ok;
    }
    QString input(const QString &, const QString &, const QRect &, int, std::function<void(QWidget *)>) override { return {}; }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::ClockSeededRandom random;
    platform::TimerPacer pacer;
    platform::FolderStore store(scores::fileSpans());
    TimedDialogs dialogs;
    platform::DesktopSystemInfo systemInfo;
    frmQuintrel window({random, pacer, store, dialogs, systemInfo});
    window.show();
    dialogs.clock.start();
    qint64 clockStarted = -1;
    QObject::connect(&window.table(), &game::Table::clockRunningChanged, [&](bool running) {
        if (running && clockStarted < 0)
            clockStarted = dialogs.clock.nsecsElapsed();
    });
    QTimer::singleShot(200, [&] { window.table().deal(); });
    app.exec();
    const double seconds = double(dialogs.timeUpAt - clockStarted) / 1e9;
    std::printf("round_seconds %.3f\ndrift_seconds %+.3f\n", seconds, seconds - 91.0);
    return 0;
}
