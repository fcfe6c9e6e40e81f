#pragma once
// Stand-ins for the desktop's services: a pacer whose steps run only when a
// test fires them, a seeded generator, scripted dialogs and files in memory.

#include "platform/DataStore.h"
#include "platform/Dialogs.h"
#include "platform/Pacer.h"
#include "platform/Random.h"
#include "platform/SystemInfo.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <functional>
#include <utility>
#include <random>

class FakeRandom : public platform::Random {
public:
    explicit FakeRandom(std::uint32_t seed = 1) : generator(seed) {}
    int seeds = 0;
    std::mt19937 generator;
    QList<float> script;   // drawn first, before the generator

    void seed() override { ++seeds; }
    float next() override
    {
        return script.isEmpty() ? platform::unitFloat(std::uint32_t(generator()))
                                : script.takeFirst();
    }
    // The next shuffle lays the deck in this order of card numbers; cards not
    // named follow in ascending order.
    void stackDeck(QList<int> order)
    {
        for (int n = 1; n <= 52; ++n)
            if (!order.contains(n))
                order.append(n);
        for (int n : order)
            script.append((float(n) - 0.5f) / 52.0f);   // draws card n
    }
};

// Holds the pending step; `fire` runs it as if its time had passed.
class FakePacer : public platform::Pacer {
public:
    int pendingMs = -1;   // -1: nothing pending
    std::function<void()> step;

    void after(int ms, const QObject *, std::function<void()> next) override
    {
        pendingMs = ms;
        step = std::move(next);
    }
    void cancel() override { pendingMs = -1; }
    // The clock: its period while it runs, -1 while stopped; `tickClock`
    // passes one period.
    int clockMs = -1;
    std::function<void()> tick;
    void startClock(int ms, const QObject *, std::function<void()> t) override { clockMs = ms, tick = std::move(t); }
    void stopClock() override { clockMs = -1; }
    void tickClock() { clockMs >= 0 ? tick() : void(); }
    bool pending() const { return pendingMs >= 0; }
    // Runs the pending step; returns its delay in ms, or -1 when none was due.
    int fire()
    {
        const int ms = std::exchange(pendingMs, -1);
        if (ms >= 0)
            std::exchange(step, nullptr)();
        return ms;
    }
    void drain() { while (fire() >= 0) continue; }
};

class FakeDialogs : public platform::Dialogs {
public:
    struct Message { QString text, title; };
    QList<Message> messages;
    QStringList prompts;
    // The player, while a Yes/No box is "open" (Yes when unset), and while a
    // name is asked (nothing typed when unset).
    std::function<platform::Answer()> answer;
    std::function<QString()> typed;

    platform::Answer message(const QString &text, platform::Buttons buttons, platform::Icon,
                             const QString &title, platform::Answer) override
    {
        messages.append({text, title});
        if (buttons == platform::Buttons::Ok)
            return platform::Answer::Ok;
        return answer ? answer() : platform::Answer::Yes;
    }
    QString input(const QString &prompt, const QString &, const QRect &, int,
                  std::function<void(QWidget *)>) override
    {
        prompts.append(prompt);
        return typed ? typed() : QString();
    }
};

class FakeStore : public platform::DataStore {
public:
    QHash<QString, QByteArray> files;   // the working folder
    QHash<QString, platform::Why> failing;   // file name -> why every access fails
    std::optional<platform::Why> journalIs;  // what stands under the journal's name, if not a journal
    bool foreignJournal = false;             // a journal the game cannot trust lies in the folder
    std::optional<platform::Why> writesFail; // why every write fails, reads working
    int heldLocks = 0;                  // locks alive now

    bool read(const QString &name, qint64 length, QByteArray &content,
              platform::StoreError &error) override
    {
        error = {platform::StoreError::Kind::Read, name, failing.value(name)};
        content = failing.contains(name) ? QByteArray() : files[name].left(length);
        return !failing.contains(name);   // a missing file is created, empty
    }
    bool write(const platform::Lock &held, const QList<platform::Patch> &patches,
               platform::StoreError &error) override
    {
        if (!held.held() || heldLocks == 0)
            qFatal("a write without the lock");
        for (const auto &p : patches)
            if (failing.contains(p.file) || writesFail) {
                error = {platform::StoreError::Kind::Save, p.file, failing.value(p.file, writesFail.value_or(platform::Why{}))};
                return false;
            }
        for (const auto &p : patches)
            files[p.file] = platform::patched(files.value(p.file), p.offset, p.bytes);
        return true;
    }
    std::unique_ptr<platform::Lock> lock() override { return std::make_unique<Held>(heldLocks); }
    platform::Recovery recover(const platform::Lock &, platform::StoreError &error) override
    {
        if (std::exchange(foreignJournal, false)) {
            error = {platform::StoreError::Kind::SetAside, "hiscores.journal", {platform::Reason::Untrusted}};
            return platform::Recovery::SetAside;
        }
        error = {platform::StoreError::Kind::Unusable, "hiscores.journal", journalIs.value_or(platform::Why{})};
        return journalIs ? platform::Recovery::Failed : platform::Recovery::Clean;
    }

private:
    struct Held : platform::Lock {
        explicit Held(int &c) : count(c) { ++count; }
        ~Held() override { --count; }
        bool held() const override { return true; }
        platform::StoreError why() const override { return {}; }
        int &count;
    };
};

// No system information tool: System Info tells so.
class FakeSystemInfo : public platform::SystemInfo {
public:
    bool start() override { return false; }
};

// Every service of the desktop faked, as the table's window takes them.
struct FakeDesktop {
    FakeRandom random;
    FakePacer pacer;
    FakeStore store;
    FakeDialogs dialogs;
    FakeSystemInfo systemInfo;
};
