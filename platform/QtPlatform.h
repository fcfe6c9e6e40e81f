#pragma once
// The desktop's own services, on Qt.

#include "platform/Platform.h"

#include <random>

class QWidget;

namespace platform {

class QtPlatform : public Platform {
public:
    double secondsSinceMidnight() override;
    void pause(double seconds) override;
    void processEvents() override;
    void seedRandom() override;
    float nextRandom() override;
    Answer messageBox(const QString &text, Buttons buttons, Icon icon, const QString &title,
                      Answer defaultAnswer) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    void endProcess() override;
    bool openFile(const QString &name, QByteArray &content, QString &error) override;
    bool patchFile(const QString &name, qint64 offset, const QByteArray &bytes,
                   QString &error) override;
    std::unique_ptr<Lock> lockTable() override;
    bool startDetached(const QString &program, const QStringList &arguments) override;
    QString findExecutable(const QString &name) override;

private:
    std::mt19937 generator_{0};
};

// A float in [0, 1) from 24 random bits.
inline float unitFloat(std::uint32_t bits) { return float(bits >> 8) * (1.0f / 16777216.0f); }

} // namespace platform
