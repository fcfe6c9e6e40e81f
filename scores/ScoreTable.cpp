#include "scores/ScoreTable.h"

#include "platform/Platform.h"

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

QString FileTrouble::message(const QString &outcome) const
{
    QStringList parts;
    for (const Problem &p : problems_)
        parts.append(fileProblemLine(p.file, p.reason, p.writing));
    return parts.join(QStringLiteral("\n\n")) + QStringLiteral("\n\nThe game goes on; ") + outcome;
}

void FileTrouble::report(platform::Platform &platform, const QString &outcome)
{
    if (problems_.isEmpty())
        return;
    const QString text = message(outcome);
    problems_.clear();
    platform.messageBox(text, platform::Buttons::Ok, platform::Icon::Warning);
}

QByteArray readFile(platform::Platform &platform, const QString &file, FileTrouble &trouble)
{
    QByteArray content;
    QString error;
    if (!platform.openFile(file, content, error)) {
        trouble.add(file, error, false);
        return {};
    }
    return content;
}

bool readTable(platform::Platform &platform, Table &table, FileTrouble &trouble)
{
    QByteArray hiscores, names;
    QString error;
    bool whole = true;
    if (!platform.openFile(HiScoresFile, hiscores, error)) {
        trouble.add(HiScoresFile, error, false);
        hiscores.clear();
        whole = false;
    }
    if (!platform.openFile(NamesFile, names, error)) {
        trouble.add(NamesFile, error, false);
        names.clear();
        whole = false;
    }
    table = tableFrom(hiscores, names);
    return whole;
}

bool writeTable(platform::Platform &platform, const Table &table, const Table *previous,
                FileTrouble &trouble)
{
    QString error;
    if (!platform.patchFile(HiScoresFile, FieldStart, encodeScores(table), error)) {
        trouble.add(HiScoresFile, error, true);
        return false;
    }
    if (!platform.patchFile(NamesFile, FieldStart, encodeNames(table), error)) {
        trouble.add(NamesFile, error, true);
        if (previous && !platform.patchFile(HiScoresFile, FieldStart, encodeScores(*previous), error))
            trouble.add(HiScoresFile, error, true);
        return false;
    }
    return true;
}

} // namespace scores
