#pragma once
// The operating system's system information tool, for the About window.

namespace platform {

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // Finds the tool and starts it; false when there is none or it would not start.
    virtual bool start() = 0;
};

// On Windows the tool named in the registry, elsewhere the desktop's own tool
// found on PATH.
class DesktopSystemInfo final : public SystemInfo {
public:
    bool start() override;
};

} // namespace platform
