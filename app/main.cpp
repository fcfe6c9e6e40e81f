#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/frmQuintrel.h"
#include "assets/Art.h"
#include "platform/DataStore.h"
#include "platform/Dialogs.h"
#include "platform/FontWarmup.h"
#include "platform/Pacer.h"
#include "platform/Random.h"
#include "platform/SettingsFile.h"
#include "platform/SystemInfo.h"
#include "scores/ScoreBook.h"
#include "ui/FocusStyle.h"
#include "ui/Placement.h"
#include "version/Version.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Where the table's size is kept: the player's configuration folder, apart
// from the game's files.
QString settingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quintrel/quintrel.conf");
}

// A kept size that is not a finite number means the designed size.
double scaleFrom(const QString &kept)
{
    bool isNumber = false;
    const double scale = kept.toDouble(&isNumber);
    return isNumber && std::isfinite(scale) ? scale : 1.0;
}

const QString ScaleKey = QStringLiteral("table/scale");


// A platform that cannot start (no display, no compositor) is fatal to Qt,
// which would abort, and could leave a core file where the game was started:
// its message is shown and the game ends with a failure instead.
void failWithoutCore(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (type == QtFatalMsg)
        std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = commandline::answer(argc, argv))
        return *answered;
    platform::warmUpFonts();
    // Named before the first window, which takes its X11 class from the name.
    QApplication::setApplicationName(QString::fromLatin1(version::Title));
    // The Wayland app id: the desktop entry's, so that a dock ties the window
    // to its launcher and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(version::AppId));
    const QtMessageHandler earlier = qInstallMessageHandler(failWithoutCore);
    QApplication app(argc, argv);
    qInstallMessageHandler(earlier);
    useLanguage(app, QLocale());   // the desktop's
    QApplication::setApplicationVersion(QString::fromLatin1(version::Text));
    QApplication::setStyle(new ui::FocusStyle);
    ui::keepWindowsOnScreen();

    platform::ClockSeededRandom random;
    platform::TimerPacer pacer;
    platform::FolderStore store(scores::fileSpans());
    platform::QtDialogs dialogs;
    platform::DesktopSystemInfo systemInfo;
    frmQuintrel table({random, pacer, store, dialogs, systemInfo});
    // The table's size is the player's own. Where something other than a
    // small file of its own stands under the settings' name, the table opens
    // at its designed size and the size is not kept.
    platform::SettingsFile settings(settingsFile());
    table.useScale(settings.usable() ? scaleFrom(settings.value(ScaleKey)) : 1.0);
    // Every game file is written the moment its content changes, so only the
    // size is left to save: the game ends at once.
    QObject::connect(&table, &frmQuintrel::exitRequested, [&] {
        if (settings.usable()) {
            settings.setValue(ScaleKey, QString::number(table.tableScale(), 'g',
                                                         QLocale::FloatingPointShortest));
            settings.save();
        }
        std::_Exit(0);
    });
    table.show();
    // The icon is drawn once the table is on screen: the first frame does not
    // need it.
    QTimer::singleShot(0, &table, [] { QApplication::setWindowIcon(art::skullIcon()); });
    return app.exec();
}
