// Kills a process in the middle of saving the high score table, over and
// over, at random moments, and counts the tables torn apart: after each kill
// the next start must find a table whose every name still belongs to its
// score. Run it in an empty folder: `crash_saves [kills]`.

#include "platform/DataStore.h"
#include "platform/Dialogs.h"
#include "scores/ScoreTable.h"
#include "scores/StartState.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Ten entries whose names spell their scores.
scores::Table tableOf(int base)
{
    scores::Table t;
    for (int k = 0; k < scores::Entries; ++k)
        t[std::size_t(k)] = {base - k,
                             QByteArray::number(base - k).leftJustified(scores::NameLength, ' ')};
    return t;
}

class QuietDialogs : public platform::Dialogs {
public:
    int told = 0;
    platform::Answer message(const QString &, platform::Buttons, platform::Icon, const QString &,
                             platform::Answer) override
    {
        ++told;
        return platform::Answer::Ok;
    }
    QString input(const QString &, const QString &, const QRect &) override { return {}; }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int kills = argc > 1 ? std::atoi(argv[1]) : 300;
    std::mt19937 random(20261206);
    int torn = 0, old = 0, fresh = 0, messages = 0;
    for (int n = 0; n < kills; ++n) {
        const pid_t saver = fork();
        if (saver == 0) {
            // Saves two tables in turn, as fast as it can, until killed.
            platform::FolderStore store;
            for (int i = 0;; ++i) {
                scores::FileTrouble trouble;
                const auto lock = store.lock();
                scores::writeTable(store, tableOf(i % 2 ? 9000 : 5000), trouble);
            }
        }
        usleep(useconds_t(1000 + random() % 20000));
        kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);

        platform::FolderStore store;
        QuietDialogs dialogs;
        scores::readStartState(store, dialogs);
        scores::FileTrouble trouble;
        scores::Table found;
        scores::readTable(store, found, trouble);
        messages += dialogs.told;
        if (found == tableOf(5000))
            ++old;
        else if (found == tableOf(9000))
            ++fresh;
        else
            ++torn;
    }
    std::printf("kills %d\ntorn_tables %d\nfound_first %d\nfound_second %d\nmessages %d\n", kills,
                torn, old, fresh, messages);
    return torn == 0 ? 0 : 1;
}
