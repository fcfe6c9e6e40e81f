#include "platform/SystemInfo.h"

#include <QtGlobal>

#ifndef Q_OS_WIN

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace platform {

bool DesktopSystemInfo::start()
{
    // The desktops' own tools first, then general ones found on many systems.
    static const QStringList tools = {
        QStringLiteral("kinfocenter"),          // KDE Plasma
        QStringLiteral("gnome-system-monitor"), // GNOME
        QStringLiteral("mate-system-monitor"),  // MATE
        QStringLiteral("xfce4-taskmanager"),    // Xfce
        QStringLiteral("lxtask"),               // LXDE
        QStringLiteral("qps"),                  // LXQt
        QStringLiteral("hardinfo"),
        QStringLiteral("hardinfo2"),
        QStringLiteral("gnome-system-info"),
    };
    for (const QString &tool : tools) {
        const QString path = QStandardPaths::findExecutable(tool);
        if (!path.isEmpty())
            return QProcess::startDetached(path, {});
    }
    return false;
}

} // namespace platform

#endif
