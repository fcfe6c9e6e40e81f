#pragma once
// The operating system's system information tool, for the About window.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace platform {

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // Finds the tool and starts it; false when there is none or it would not start.
    virtual bool start() = 0;
};

// The first system information tool found in PATH's absolute folders.
class DesktopSystemInfo final : public SystemInfo {
public:
    bool start() override;
};

// The absolute path of the first of `names` that is an executable regular
// file in a folder of `pathVariable` (PATH's form, folders between colons);
// empty when there is none. Only folders given as absolute paths count.
QString findTool(const QStringList &names, const QByteArray &pathVariable);

// The environment a started tool gets: the game's own, less what the game
// set for its web engine alone.
QProcessEnvironment toolEnvironment();

} // namespace platform
