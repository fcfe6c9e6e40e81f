#include "platform/SystemInfo.h"

#include <QByteArray>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <qt_windows.h>

namespace platform {

namespace {

// A string value of the registry, or an empty text when the key or the value
// is missing or not a string.
QString registryString(HKEY root, const char *key, const char *value)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return {};
    QByteArray buffer(1024, '\0');
    DWORD size = DWORD(buffer.size());
    DWORD type = 0;
    const LONG result = RegQueryValueExA(handle, value, nullptr, &type,
                                         reinterpret_cast<LPBYTE>(buffer.data()), &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS || type != REG_SZ || size == 0)
        return {};
    buffer.truncate(int(size));
    // A stored terminating zero is not part of the text.
    if (buffer.endsWith('\0'))
        buffer.chop(1);
    return QString::fromLocal8Bit(buffer);
}

} // namespace

bool DesktopSystemInfo::start()
{
    QString path = registryString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                  "PATH");
    if (path.isEmpty()) {
        const QString folder = registryString(
            HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
        if (folder.isEmpty())
            return false;
        path = folder + QStringLiteral("\\MSINFO32.EXE");
    }
    if (!QFileInfo(path).isFile())
        return false;
    return QProcess::startDetached(path, {});
}

} // namespace platform
