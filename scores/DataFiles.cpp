#include "scores/DataFiles.h"

#include <QList>
#include <QtEndian>

namespace scores {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page defines no character.
constexpr char16_t High1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char toByte(char32_t c)
{
    if (c < 0x20 || c == 0x7F)
        return '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (High1252[i] != 0 && High1252[i] == c)
            return char(0x80 + i);
    return '?';
}

constexpr qint64 scoreOffset(int k) { return FieldStart + 4 * (k - 1); }
constexpr qint64 nameOffset(int k) { return FieldStart + NameLength * (k - 1); }

QByteArray nameAt(const QByteArray &names, int k)
{
    QByteArray name(NameLength, ' ');
    const qint64 at = nameOffset(k);
    for (int i = 0; i < NameLength && at + i < names.size(); ++i)
        name[i] = names[at + i];
    return name;
}

QByteArray encodeScore(std::int32_t score)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(score, bytes.data());
    return bytes;
}

} // namespace

std::int32_t scoreAt(const QByteArray &hiscores, int k)
{
    const qint64 at = scoreOffset(k);
    if (k < 1 || k > Entries || at + 4 > hiscores.size())
        return 0;
    return qFromLittleEndian<qint32>(hiscores.constData() + at);
}

std::int16_t cardBackFrom(const QByteArray &cardbacks)
{
    if (cardbacks.size() < 2)
        return 0;
    return qFromLittleEndian<qint16>(cardbacks.constData());
}

QByteArray encodeCardBack(std::int16_t back)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian<qint16>(back, bytes.data());
    return bytes;
}

QByteArray encodeName(const QString &name)
{
    QByteArray bytes;
    for (char32_t c : name.toUcs4()) {
        if (bytes.size() == NameLength)
            break;
        bytes.append(toByte(c));
    }
    return bytes.leftJustified(NameLength, ' ');
}

QString decodeName(const QByteArray &bytes)
{
    QString text;
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        char16_t c = u;
        if (u < 0x20 || u == 0x7F)
            c = u'?';
        else if (u >= 0x80 && u < 0xA0)
            c = High1252[u - 0x80] ? High1252[u - 0x80] : u'?';
        text.append(QChar(c));
    }
    return text;
}

Table tableFrom(const QByteArray &hiscores, const QByteArray &names)
{
    Table table;
    for (int k = 1; k <= Entries; ++k) {
        table[std::size_t(k - 1)].score = scoreAt(hiscores, k);
        table[std::size_t(k - 1)].name = nameAt(names, k);
    }
    return table;
}

QByteArray encodeScores(const Table &table)
{
    QByteArray bytes;
    for (const Entry &entry : table)
        bytes.append(encodeScore(entry.score));
    return bytes;
}

QByteArray encodeNames(const Table &table)
{
    QByteArray bytes;
    for (const Entry &entry : table)
        bytes.append(entry.name.left(NameLength).leftJustified(NameLength, ' '));
    return bytes;
}

} // namespace scores
