#pragma once
// The score book: the three data files, the lock that every change takes, the
// recovery of a save cut short, and what has been told to the player. It owns
// the best score and the chosen card back; the high score window and the table
// only show what it says.

#include "platform/DataStore.h"
#include "scores/DataFiles.h"

#include <QObject>
#include <QSet>

#include <cstdint>

namespace scores {

// The three files and the bytes of each that the game writes.
QList<platform::FileSpan> fileSpans();

class ScoreBook : public QObject {
    Q_OBJECT
public:
    explicit ScoreBook(platform::DataStore &store, QObject *parent = nullptr);

    // The start: finishes a save that a run was stopped in the middle of,
    // then reads the best score (entry 1 of hiscores.dat) and the card back
    // (a back outside 0 to 9 reads as 0).
    void open();
    std::int32_t bestScore() const { return best_; }
    int cardBack() const { return back_; }

    // Reads the table from its two files and shows it.
    void reload();
    // The high score window's first showing: a table whose entry 1 scores 0
    // is cleared on disk; the window is left as it is.
    void clearIfEmpty();
    // The place (1 to 10) that `score` takes in the table as its files hold
    // it now, 0 for none; tells nothing, since enter() follows.
    int placeFor(std::int32_t score);
    // A finished game: enters `score` with the stored `name` at its rank in
    // the table as it is at the moment of writing (an empty name enters
    // nothing), writes the table back and raises the best score when `score`
    // beats it. True when saved.
    bool enter(std::int32_t score, const QByteArray &name);
    // Ten entries of score 0 and a blank name; the best score becomes 0.
    bool clear();
    // Shown from now on even when it cannot be saved.
    bool setCardBack(int back);

signals:
    // The table as its files hold it (what could be read of them).
    void tableChanged(const scores::Table &table);
    void bestScoreChanged(std::int32_t best);
    // The card back to show, as read at the start or chosen since.
    void cardBackChanged(int back);
    // One message a command, telling every file in trouble and what follows.
    void trouble(const QString &message);

private:
    class Trouble;
    // What a save was of, and what a failure means for the player.
    enum class Subject { Table, Back };
    enum class Outcome { TableShownAsRead, TableNotChanged, StartsWithout, BackNotSaved, BackShown };
    // Takes the lock and finishes an earlier save: the one door of every write.
    bool enterDoor(const platform::Lock &lock, Subject subject, Trouble &trouble);
    bool recover(const platform::Lock &lock, Trouble &trouble, bool tellFailure = true);
    bool readFile(const QString &file, qint64 length, QByteArray &content, Trouble &trouble);
    bool readTable(Table &table, Trouble &trouble, bool *scoresRead = nullptr);
    void showKept(Trouble &trouble, bool saved);
    bool writeTable(const platform::Lock &lock, const Table &table, Trouble &trouble);
    void setBest(std::int32_t best);
    void report(Trouble &trouble, Outcome outcome);

    platform::DataStore &store_;
    std::int32_t best_ = 0;
    int back_ = 0;
    // Files found not to be plain files: told once a run while only read.
    QSet<QString> toldUnusable_;
};

} // namespace scores
