#include "assets/Art.h"
#include "game/frmQuintrel.h"
#include "platform/FontWarmup.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    platform::warmUpFonts();
    QApplication app(argc, argv);
    QApplication::setApplicationName(platform::Platform::title());
    QApplication::setApplicationVersion(QStringLiteral("1.2.3"));
    platform::QtPlatform platform;
    frmQuintrel table(platform);
    table.show();
    // The icon is drawn once the table is on screen: the first frame does not
    // need it.
    QTimer::singleShot(0, &table, [] { QApplication::setWindowIcon(art::skullIcon()); });
    return app.exec();
}
