#include "scores/ScoreTable.h"

#include "platform/DataStore.h"
#include "platform/Dialogs.h"

#include <QStringList>

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

void FileTrouble::add(const QString &file, const QString &reason, bool writing)
{
    for (const Problem &p : problems_)
        if (p.file == file)
            return;
    problems_.append({file, reason, writing});
}

void FileTrouble::report(platform::Dialogs &dialogs, const QString &outcome)
{
    if (problems_.isEmpty())
        return;
    QStringList parts;
    for (const Problem &p : problems_) {
        const QString verb = p.writing ? QStringLiteral("save") : QStringLiteral("read");
        parts.append(QStringLiteral("Quintrel could not %1 the file \"%2\" in the folder it was "
                                    "started in:\n%3")
                         .arg(verb, p.file, p.reason));
    }
    problems_.clear();
    parts.append(QStringLiteral("The game goes on; ") + outcome);
    dialogs.message(parts.join(QStringLiteral("\n\n")), platform::Buttons::Ok,
                    platform::Icon::Warning);
}

bool readFile(platform::DataStore &store, const QString &file, QByteArray &content,
              FileTrouble &trouble)
{
    QString error;
    if (store.read(file, content, error))
        return true;
    trouble.add(file, error, false);
    content.clear();
    return false;
}

bool readTable(platform::DataStore &store, Table &table, FileTrouble &trouble)
{
    QByteArray hiscores, names;
    // Both are read even when the first fails, so the player sees what the
    // other holds and hears of every file in trouble.
    const bool scoresRead = readFile(store, HiScoresFile, hiscores, trouble);
    const bool namesRead = readFile(store, NamesFile, names, trouble);
    table = tableFrom(hiscores, names);
    return scoresRead && namesRead;
}

bool writeTable(platform::DataStore &store, const Table &table, const Table *previous,
                FileTrouble &trouble)
{
    QString error;
    if (!store.patch(HiScoresFile, FieldStart, encodeScores(table), error)) {
        trouble.add(HiScoresFile, error, true);
        return false;
    }
    if (!store.patch(NamesFile, FieldStart, encodeNames(table), error)) {
        trouble.add(NamesFile, error, true);
        if (previous && !store.patch(HiScoresFile, FieldStart, encodeScores(*previous), error))
            trouble.add(HiScoresFile, error, true);
        return false;
    }
    return true;
}

} // namespace scores
