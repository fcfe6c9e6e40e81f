#include "windows/BrowserWindow.h"

#include "platform/OpenGLShare.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace browser {

namespace {

QString moduleFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("quintrel_browser.dll");
#else
    return QStringLiteral("quintrel_browser.so");
#endif
}

QStringList candidates()
{
    QStringList paths;
    const QDir here(QCoreApplication::applicationDirPath());
    paths << here.filePath(moduleFileName());
#ifdef QUINTREL_BROWSER_RELATIVE_DIR
    paths << QDir::cleanPath(here.filePath(QStringLiteral(QUINTREL_BROWSER_RELATIVE_DIR)) +
                             QLatin1Char('/') + moduleFileName());
#endif
#ifdef QUINTREL_BROWSER_INSTALL_DIR
    paths << QDir(QStringLiteral(QUINTREL_BROWSER_INSTALL_DIR)).filePath(moduleFileName());
#endif
    return paths;
}

// The engine's sandbox refuses to start for the superuser; it must be told
// before the engine starts.
void allowEngineAsRoot()
{
#ifdef Q_OS_UNIX
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

} // namespace

BrowserModule *loadModule(QString &error)
{
    // Kept for the life of the process: the module is never unloaded, since
    // the web engine cannot be shut down and started again.
    static QPluginLoader *loaded = nullptr;
    if (loaded)
        return qobject_cast<BrowserModule *>(loaded->instance());

    // Without a shared OpenGL context the engine would end the program.
    if (!platform::shareOpenGLContexts()) {
        error = QCoreApplication::translate("BrowserLoader", "The web browser needs OpenGL, which this display does not offer.");
        return nullptr;
    }
    QStringList problems;
    for (const QString &path : candidates()) {
        if (!QFileInfo::exists(path)) {
            problems << QCoreApplication::translate("BrowserLoader", "%1: not found").arg(QDir::toNativeSeparators(path));
            continue;
        }
        allowEngineAsRoot();
        auto *loader = new QPluginLoader(path);
        QObject *instance = loader->instance();
        auto *module = qobject_cast<BrowserModule *>(instance);
        if (module) {
            loaded = loader;
            return module;
        }
        problems << QCoreApplication::translate("BrowserLoader", "%1: %2", "a module and what is wrong with it").arg(QDir::toNativeSeparators(path),
                                                 instance ? QCoreApplication::translate("BrowserLoader", "not a browser module")
                                                          : loader->errorString());
        delete loader;
    }
    error = problems.join(QLatin1Char('\n'));
    return nullptr;
}

} // namespace browser
