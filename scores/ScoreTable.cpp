#include "scores/ScoreTable.h"


namespace scores {

int insertionRank(const Table &table, std::int32_t score)
{
    for (int k = 1; k <= Entries; ++k)
        if (score > table[std::size_t(k - 1)].score)
            return k;
    return 0;
}

void insertEntry(Table &table, int rank, std::int32_t score, const QByteArray &name)
{
    if (rank < 1 || rank > Entries)
        return;
    for (int k = Entries; k > rank; --k)
        table[std::size_t(k - 1)] = table[std::size_t(k - 2)];
    table[std::size_t(rank - 1)] = {score, name.left(NameLength).leftJustified(NameLength, ' ')};
}

QByteArray storedName(const QString &typed)
{
    if (typed.isEmpty())
        return encodeName(NoName);
    // Composed form first, so that a letter typed as base and accent is stored
    // as the one byte the code page has for it.
    return encodeName(typed.normalized(QString::NormalizationForm_C));
}

} // namespace scores
