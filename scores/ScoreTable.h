#pragma once
// The rules of the high score table and its reading and writing, free of
// widgets: where a score enters, how the entries below it move down, how a
// typed name is stored, and how the two table files are read and written
// without losing what another copy of the game wrote.

#include "scores/DataFiles.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace platform {
class DataStore;
class Dialogs;
struct StoreError;
}

namespace scores {

// What an empty name, or Cancel in the name dialog, stores.
inline const QString NoName = QStringLiteral(" NO NAME  ");

// The rank (1 to 10) at which `score` enters: the best-placed entry whose score
// lies strictly below it, so a tie enters below the entry it ties with. 0 when
// the score enters nowhere.
int insertionRank(const Table &table, std::int32_t score);

// Moves the entries from `rank` on one place down (the last one drops out) and
// puts the new entry at `rank`.
void insertEntry(Table &table, int rank, std::int32_t score, const QByteArray &name);

// The ten bytes stored for a name as typed: an empty text becomes " NO NAME  ";
// otherwise the first ten characters, nothing trimmed, padded with spaces, in
// Windows-1252 with '?' for what the code page cannot hold.
QByteArray storedName(const QString &typed);

// The problems met with the data files during one operation of the player's,
// told to the player in one message at its end.
class FileTrouble {
public:
    // Notes a failure; the first failure of a file is the one told, a later
    // one of the same file adds nothing. A file that is not a plain file is
    // told only once in a run.
    void add(const platform::StoreError &error);
    // Shows the message, ending with `outcome` (what this means for the game),
    // when anything failed, then forgets it.
    void report(platform::Dialogs &dialogs, const QString &outcome);

private:
    QList<platform::StoreError> problems_;
};

// Endings of the message, by what the failure means for the player.
inline const QString TableShownAsRead =
    QStringLiteral("the table shows what could be read.");
inline const QString TableNotChanged =
    QStringLiteral("the high score table kept in the folder is not changed.");
inline const QString StartsWithout =
    QStringLiteral("what the file holds is not used.");
inline const QString BackNotSaved =
    QStringLiteral("the chosen card back shows now but is not saved for the next start.");

// Reads the first `length` bytes of a data file into `content`; a file that
// fails reads as empty and is noted. True when it was read.
bool readFile(platform::DataStore &store, const QString &file, qint64 length,
              QByteArray &content, FileTrouble &trouble);

// Reads both table files, hiscores.dat first. `table` holds what could be read
// (a file that failed reads as empty: scores 0, blank names); true when both
// were read.
bool readTable(platform::DataStore &store, Table &table, FileTrouble &trouble);

// Writes all ten entries, every field that changed and nothing else, both
// files together or neither. The caller holds the store's lock.
bool writeTable(platform::DataStore &store, const Table &table, FileTrouble &trouble);

} // namespace scores
