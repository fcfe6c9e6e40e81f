#pragma once
// A stand-in for the desktop: a clock that only moves when a pause passes,
// instant pauses, a seeded generator, scripted dialogs and files in memory.

#include "platform/Platform.h"
#include "platform/QtPlatform.h"

#include <QHash>
#include <QList>

#include <functional>
#include <random>

class FakePlatform : public platform::Platform {
public:
    explicit FakePlatform(std::uint32_t seed = 1) : generator(seed) {}

    double now = 36000.0;            // 10:00:00
    double paused = 0.0;             // total seconds spent in pauses
    int pauseCount = 0;
    std::function<void(double)> onPause;   // runs inside every pause
    std::mt19937 generator;

    struct Message {
        QString text, title;
        platform::Buttons buttons;
        platform::Icon icon;
        platform::Answer defaultAnswer;
    };
    QList<Message> messages;
    QList<platform::Answer> answers;       // next answers to Yes/No boxes (default Yes)
    std::function<void()> onMessage;       // runs while a message box is "open"

    struct Prompt { QString prompt, title; };
    QList<Prompt> prompts;
    QList<QString> names;                  // next texts typed into input boxes
    std::function<void()> onInput;         // runs while the input box is "open"

    int processEventsCalls = 0;
    bool ended = false;

    QHash<QString, QByteArray> files;      // the working directory
    QHash<QString, QString> failing;       // file name -> reason every access fails
    int locks = 0;
    QStringList started;
    QStringList onPath;                    // executables findExecutable knows

    double secondsSinceMidnight() override { return now; }
    void pause(double seconds) override
    {
        ++pauseCount;
        paused += seconds;
        now += seconds;
        if (now >= 86400.0)
            now -= 86400.0;
        if (onPause)
            onPause(seconds);
    }
    void processEvents() override { ++processEventsCalls; }
    void seedRandom() override {}
    float nextRandom() override { return platform::unitFloat(std::uint32_t(generator())); }

    platform::Answer messageBox(const QString &text, platform::Buttons buttons,
                                platform::Icon icon, const QString &title,
                                platform::Answer defaultAnswer) override
    {
        messages.append({text, title.isEmpty() ? Platform::title() : title, buttons, icon,
                         defaultAnswer});
        if (onMessage)
            onMessage();
        if (buttons == platform::Buttons::Ok)
            return platform::Answer::Ok;
        return answers.isEmpty() ? platform::Answer::Yes : answers.takeFirst();
    }
    QString inputBox(const QString &prompt, const QString &title, const QString &) override
    {
        prompts.append({prompt, title});
        if (onInput)
            onInput();
        return names.isEmpty() ? QString() : names.takeFirst();
    }
    void endProcess() override { ended = true; }

    bool openFile(const QString &name, QByteArray &content, QString &error) override
    {
        if (failing.contains(name)) {
            error = failing.value(name);
            content.clear();
            return false;
        }
        content = files[name];   // creates it, empty, when missing
        return true;
    }
    bool patchFile(const QString &name, qint64 offset, const QByteArray &bytes,
                   QString &error) override
    {
        if (failing.contains(name)) {
            error = failing.value(name);
            return false;
        }
        files[name] = platform::patched(files.value(name), offset, bytes);
        return true;
    }
    std::unique_ptr<platform::Lock> lockTable() override
    {
        ++locks;
        return std::make_unique<platform::Lock>();
    }
    bool startDetached(const QString &program, const QStringList &) override
    {
        started.append(program);
        return true;
    }
    QString findExecutable(const QString &name) override
    {
        return onPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
};
