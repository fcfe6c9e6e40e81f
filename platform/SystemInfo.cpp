#include "platform/SystemInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace platform {

QString findTool(const QStringList &names, const QByteArray &pathVariable)
{
    const QStringList folders = QFile::decodeName(pathVariable).split(QLatin1Char(':'));
    for (const QString &name : names) {
        for (const QString &folder : folders) {
            // An empty or relative entry stands for a folder under wherever
            // the game was started from, where anything may lie.
            if (!QDir::isAbsolutePath(folder))
                continue;
            const QFileInfo file(QDir(folder).filePath(name));
            if (file.isFile() && file.isExecutable())
                return file.absoluteFilePath();
        }
    }
    return {};
}

QProcessEnvironment toolEnvironment()
{
    // Set by the game when the superuser opens the browser; a tool started
    // afterwards must keep its own sandbox.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
    return environment;
}

bool DesktopSystemInfo::start()
{
    // Tools that show the machine and its system, never a process monitor:
    // KDE's own first, then general ones.
    static const QStringList tools = {
        QStringLiteral("kinfocenter"), // KDE Plasma
        QStringLiteral("hardinfo2"),
        QStringLiteral("hardinfo"),
        QStringLiteral("cpu-x"),
        QStringLiteral("lshw-gtk"),
    };
    const QString path = findTool(tools, qgetenv("PATH"));
    if (path.isEmpty())
        return false;
    QProcess tool;
    tool.setProgram(path);
    tool.setProcessEnvironment(toolEnvironment());
    return tool.startDetached();
}

} // namespace platform
