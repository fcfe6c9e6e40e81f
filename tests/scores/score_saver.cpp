// One command of the score book on the files of the folder it runs in, as the
// game makes it, for the tests that stop or fail it at each step:
//   score_saver enter <score> <name> | clear | back <n> | start
// Prints each message the player would see; exits 0 when it saved (start:
// always), 1 when it did not, 3 when it closed a descriptor not its own.

#include "platform/DataStore.h"
#include "scores/ScoreBook.h"
#include "scores/ScoreTable.h"

#include <QCoreApplication>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    platform::FolderStore store(scores::fileSpans());
    scores::ScoreBook book(store);
    QObject::connect(&book, &scores::ScoreBook::trouble, [](const QString &message) {
        std::printf("MESSAGE %s\n", qPrintable(message));
    });
    const QString command = args.value(0);
    bool saved = true;
    if (command == "enter")
        saved = book.enter(args.value(1).toInt(), scores::storedName(args.value(2)));
    else if (command == "clear")
        saved = book.clear();
    else if (command == "back")
        saved = book.setCardBack(args.value(1).toInt());
    else if (command == "start")
        book.open();
    else
        return 2;
    std::fflush(stdout);
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (::fcntl(fd, F_GETFD) == -1)
            return 3;
    return saved ? 0 : 1;
}
