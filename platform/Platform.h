#pragma once
// The services every part of the game takes from the desktop: the clock, pauses,
// the random generator, dialogs, event processing, the data files and the end of
// the process. The game reaches them only through this interface, so a test can
// swap in a fake clock, instant pauses and a seeded generator.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace platform {

// Buttons and icons of a message box, and what it returns.
enum class Buttons { Ok, YesNo };
enum class Icon { None, Question, Warning };
enum class Answer { Ok, Yes, No };

// A lock held while it lives; see Platform::lockTable.
class Lock {
public:
    virtual ~Lock() = default;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Application identity.
    static QString title() { return QStringLiteral("quintrel"); }
    static constexpr int versionMajor = 1;
    static constexpr int versionMinor = 2;
    static constexpr int versionRevision = 3;

    // Seconds since midnight, fractional.
    virtual double secondsSinceMidnight() = 0;

    // Waits `seconds` while the windows keep handling their events; ends after
    // its duration even when it spans midnight.
    virtual void pause(double seconds) = 0;

    // Handles all pending window events, then returns.
    virtual void processEvents() = 0;

    // Seeds the generator from the clock (once per process).
    virtual void seedRandom() = 0;
    // Next uniform single-precision value in [0, 1).
    virtual float nextRandom() = 0;

    // Modal message box. An empty title means the application title.
    virtual Answer messageBox(const QString &text, Buttons buttons = Buttons::Ok,
                              Icon icon = Icon::None, const QString &title = {},
                              Answer defaultAnswer = Answer::Ok) = 0;

    // Modal text-entry dialog; returns the text, or an empty text on Cancel.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText = {}) = 0;

    // Ends the process at once, without closing handlers. Returns only where a
    // test stands in for the desktop.
    virtual void endProcess() = 0;

    // Binary data files, addressed by bare name (the working directory).
    //
    // openFile opens the file for reading and writing, creating it empty when it
    // does not exist, and returns its whole content. patchFile writes `bytes` at
    // `offset`, keeping every other byte (the file is never shortened; a gap
    // before `offset` is filled with zero bytes). A patch never leaves a
    // half-written file behind: the whole patched file replaces the old one at
    // once. Both return false and fill `error` with a reason a player can read.
    virtual bool openFile(const QString &name, QByteArray &content, QString &error) = 0;
    virtual bool patchFile(const QString &name, qint64 offset, const QByteArray &bytes,
                           QString &error) = 0;

    // Serialises changes of the high score table between copies of the game
    // running in the same directory. Never fails: when no lock can be had the
    // returned object holds none.
    virtual std::unique_ptr<Lock> lockTable() = 0;

    // Starts a program detached; false when it could not be started.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
    // Full path of an executable on PATH, or empty.
    virtual QString findExecutable(const QString &name) = 0;
};

// Applies a patch to a byte array the way patchFile applies it to a file.
QByteArray patched(QByteArray content, qint64 offset, const QByteArray &bytes);

} // namespace platform
