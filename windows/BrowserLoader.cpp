#include "windows/BrowserWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Qt's own hook for the context that every OpenGL context of the process
// shares with; the web engine draws through it.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();

namespace browser {

QString moduleFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("quintrel_browser.dll");
#else
    return QStringLiteral("quintrel_browser.so");
#endif
}

namespace {

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

// The web engine needs a context that all OpenGL contexts of the process
// share. Asking Qt for one at start-up would load the OpenGL drivers before
// the table shows (a fifth of a second and tens of megabytes, for a window
// most games never open), so it is made here, the first time the browser is
// wanted. Without it the engine would end the program, so the browser is not
// started where none can be had. The offscreen screen has no OpenGL and the
// engine does without it there.
bool shareOpenGLContexts()
{
    if (qt_gl_global_share_context() || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return true;
    auto *context = new QOpenGLContext(qApp);
    if (!context->create()) {
        delete context;
        return false;
    }
    qt_gl_set_global_share_context(context);
    return true;
}

} // namespace

BrowserModule *loadModule(QString &error)
{
    // Kept for the life of the process: the module is never unloaded, since
    // the web engine cannot be shut down and started again.
    static QPluginLoader *loaded = nullptr;
    if (loaded)
        return qobject_cast<BrowserModule *>(loaded->instance());

    if (!shareOpenGLContexts()) {
        error = QStringLiteral("The web browser needs OpenGL, which this display does not offer.");
        return nullptr;
    }
    QStringList problems;
    for (const QString &path : candidates()) {
        if (!QFileInfo::exists(path)) {
            problems << QStringLiteral("%1: not found").arg(QDir::toNativeSeparators(path));
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
        problems << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path),
                                                 instance ? QStringLiteral("not a browser module")
                                                          : loader->errorString());
        delete loader;
    }
    error = problems.join(QLatin1Char('\n'));
    return nullptr;
}

} // namespace browser
