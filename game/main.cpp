#include "assets/Art.h"
#include "game/frmQuintrel.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(platform::Platform::title());
    QApplication::setApplicationVersion(QStringLiteral("1.2.3"));
    QApplication::setWindowIcon(art::skullIcon());
    platform::QtPlatform platform;
    frmQuintrel table(platform);
    table.show();
    return app.exec();
}
