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
#include <QTimer>

#include <cstdlib>

int main(int argc, char *argv[])
{
    platform::warmUpFonts();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(version::Title));
    QApplication::setApplicationVersion(QString::fromLatin1(version::Text));
    QApplication::setStyle(new ui::FocusStyle);
    ui::keepWindowsOnScreen();

    platform::ClockSeededRandom random;
    platform::TimerPacer pacer;
    platform::FolderStore store(scores::fileSpans());
    platform::QtDialogs dialogs;
    platform::DesktopSystemInfo systemInfo;
    frmQuintrel table({random, pacer, store, dialogs, systemInfo});
    // Every file is written the moment its content changes, so nothing is
    // left to save: the game ends at once.
    QObject::connect(&table, &frmQuintrel::exitRequested, [] { std::_Exit(0); });
    table.show();
    // The icon is drawn once the table is on screen: the first frame does not
    // need it.
    QTimer::singleShot(0, &table, [] { QApplication::setWindowIcon(art::skullIcon()); });
    return app.exec();
}
