#include "app/CommandLine.h"
#include "app/frmQuintrel.h"
#include "assets/Art.h"
#include "platform/DataStore.h"
#include "platform/Dialogs.h"
#include "platform/FontWarmup.h"
#include "platform/Pacer.h"
#include "platform/Random.h"
#include "platform/SystemInfo.h"
#include "scores/ScoreBook.h"
#include "ui/FocusStyle.h"
#include "ui/Placement.h"
#include "version/Version.h"

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// Where the table's size is kept: the player's configuration folder, apart
// from the game's files. Nothing when something other than a file stands
// there: a pipe would hold up the start, and a link to a device feed it
// without end; the table then opens at its designed size, and nothing is
// written there.
QString settingsFile()
{
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/quintrel/quintrel.conf");
    const QFileInfo info(file);
    return !info.exists() || info.isFile() ? file : QString();
}

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
    QApplication::setApplicationVersion(QString::fromLatin1(version::Text));
    QApplication::setStyle(new ui::FocusStyle);
    ui::keepWindowsOnScreen();

    platform::ClockSeededRandom random;
    platform::TimerPacer pacer;
    platform::FolderStore store(scores::fileSpans());
    platform::QtDialogs dialogs;
    platform::DesktopSystemInfo systemInfo;
    frmQuintrel table({random, pacer, store, dialogs, systemInfo});
    // The table's size is the player's own.
    std::optional<QSettings> settings;
    if (const QString file = settingsFile(); !file.isEmpty())
        settings.emplace(file, QSettings::IniFormat);
    table.useScale(settings ? settings->value(QStringLiteral("table/scale"), 1.0).toDouble() : 1.0);
    // Every game file is written the moment its content changes, so only the
    // size is left to save: the game ends at once.
    QObject::connect(&table, &frmQuintrel::exitRequested, [&] {
        if (settings) {
            settings->setValue(QStringLiteral("table/scale"), table.tableScale());
            settings->sync();
        }
        std::_Exit(0);
    });
    table.show();
    // The icon is drawn once the table is on screen: the first frame does not
    // need it.
    QTimer::singleShot(0, &table, [] { QApplication::setWindowIcon(art::skullIcon()); });
    return app.exec();
}
