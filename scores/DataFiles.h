#pragma once
// The three data files of the working directory, byte for byte:
//   hiscores.dat   bytes 0-8 unused, then ten signed 32-bit little-endian scores
//                  at 9 + 4 (k - 1), entry 1 the best;
//   names.dat      bytes 0-8 unused, then ten names of ten Windows-1252 bytes at
//                  9 + 10 (k - 1), padded with spaces;
//   cardbacks.dat  the chosen card back as a signed 16-bit integer at offset 0.
// Bytes beyond these fields are never read and always kept.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace scores {

inline const QString HiScoresFile = QStringLiteral("hiscores.dat");
inline const QString NamesFile = QStringLiteral("names.dat");
inline const QString CardBacksFile = QStringLiteral("cardbacks.dat");

constexpr int Entries = 10;
constexpr int NameLength = 10;
constexpr int FieldStart = 9;
constexpr int HiScoresLength = FieldStart + 4 * Entries;      // 49
constexpr int NamesLength = FieldStart + NameLength * Entries; // 109
constexpr int CardBacks = 10;   // a stored back outside 0 to 9 means back 0

// Score k (1 to 10) of hiscores.dat; a score cut by the end of the file reads 0.
std::int32_t scoreAt(const QByteArray &hiscores, int k);
// The stored card back; 0 when the file is shorter than two bytes.
std::int16_t cardBackFrom(const QByteArray &cardbacks);
QByteArray encodeCardBack(std::int16_t back);

// A name as its ten stored bytes: Windows-1252, '?' for a character the code
// page cannot hold, cut to ten characters, padded with spaces.
QByteArray encodeName(const QString &name);
// A stored name for display (controls show as '?').
QString decodeName(const QByteArray &bytes);

struct Entry {
    std::int32_t score = 0;
    QByteArray name = QByteArray(NameLength, ' ');
    bool operator==(const Entry &) const = default;
};
using Table = std::array<Entry, Entries>;   // index 0 is entry 1

// The table the two files hold; a name cut by the end of names.dat is filled
// up with spaces.
Table tableFrom(const QByteArray &hiscores, const QByteArray &names);
// The fields of all ten entries as they lie from offset 9: 40 bytes of scores,
// 100 bytes of names.
QByteArray encodeScores(const Table &table);
QByteArray encodeNames(const Table &table);

} // namespace scores
