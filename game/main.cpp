#include "assets/Art.h"
#include "game/frmQuintrel.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The web browser window loads its engine on demand; the engine needs the
    // application to share OpenGL contexts from the start.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(platform::Platform::title());
    QApplication::setApplicationVersion(QStringLiteral("1.2.3"));
    QApplication::setWindowIcon(art::skullIcon());
    platform::QtPlatform platform;
    frmQuintrel table(platform);
    table.show();
    return app.exec();
}
