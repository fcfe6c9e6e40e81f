#pragma once
// The rules of the high score table: where a score enters, how the entries
// below it move down, and how a typed name is stored.

#include "scores/DataFiles.h"

#include <QString>

#include <cstdint>

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

} // namespace scores
