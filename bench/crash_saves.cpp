// Kills a process in the middle of its saves, over and over, at random
// moments, and counts the tables torn apart: after each kill the next start
// must find a table whose every name still belongs to its score, and a card
// back that is one of the two written. The saver enters new bests, fills the
// 10th place, clears and picks backs in turn, as fast as it can. Run it in an
// empty folder: `crash_saves [kills]`.

#include "platform/DataStore.h"
#include "scores/ScoreBook.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int kills = argc > 1 ? std::atoi(argv[1]) : 300;
    std::mt19937 random(20261207);
    int torn = 0, messages = 0;
    for (int n = 0; n < kills; ++n) {
        const pid_t saver = fork();
        if (saver == 0) {
            platform::FolderStore store(scores::fileSpans());
            scores::ScoreBook book(store);
            for (int i = n * 7;; ++i) {
                const int score = 1000 + i % 5000;
                switch (i % 4) {
                case 0: book.enter(score * 10, QByteArray::number(score * 10).leftJustified(10)); break;
                case 1: book.enter(score, QByteArray::number(score).leftJustified(10)); break;
                case 2: if (i % 40 == 2) book.clear(); break;
                case 3: book.setCardBack(i % 8 == 3 ? 3 : 7); break;
                }
            }
        }
        usleep(useconds_t(1000 + random() % 20000));
        kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);

        platform::FolderStore store(scores::fileSpans());
        scores::ScoreBook book(store);
        scores::Table found;
        QObject::connect(&book, &scores::ScoreBook::trouble, [&] { ++messages; });
        QObject::connect(&book, &scores::ScoreBook::tableChanged,
                         [&](const scores::Table &t) { found = t; });
        book.open();
        book.reload();
        bool whole = book.cardBack() == 0 || book.cardBack() == 3 || book.cardBack() == 7;
        for (const scores::Entry &e : found)
            whole = whole && (e.score == 0 ? e.name == QByteArray(10, ' ')
                                           : e.name == QByteArray::number(e.score).leftJustified(10));
        torn += !whole;
    }
    std::printf("kills %d\ntorn_tables %d\nmessages %d\n", kills, torn, messages);
    return torn == 0 ? 0 : 1;
}
