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

void FileTrouble::add(const platform::StoreError &error)
{
    // Something under a data file's name that is not a file stays so: once
    // told, the player need not hear of it at every turn.
    static QStringList toldUnusable;
    for (const auto &p : problems_)
        if (p.file == error.file)
            return;
    if (error.kind == platform::StoreError::Kind::Unusable) {
        if (toldUnusable.contains(error.file))
            return;
        toldUnusable.append(error.file);
    }
    problems_.append(error);
}

void FileTrouble::report(platform::Dialogs &dialogs, const QString &outcome)
{
    using Kind = platform::StoreError::Kind;
    if (problems_.isEmpty())
        return;
    QStringList parts;
    for (const auto &p : problems_) {
        QString line;
        switch (p.kind) {
        case Kind::Read:
        case Kind::Save:
            line = QStringLiteral("Quintrel could not %1 the file \"%2\" in the folder it was "
                                  "started in:\n%3")
                       .arg(p.kind == Kind::Save ? QStringLiteral("save") : QStringLiteral("read"),
                            p.file, p.reason);
            break;
        case Kind::Create:
            line = QStringLiteral("Quintrel cannot create its file \"%1\" in the folder it was "
                                  "started in:\n%2")
                       .arg(p.file, p.reason);
            break;
        case Kind::Unusable:
            line = QStringLiteral("Quintrel does not use \"%1\" in the folder it was started in: "
                                  "%2, not a plain file.")
                       .arg(p.file, p.reason);
            break;
        case Kind::Busy:
            line = QStringLiteral("Quintrel could not save the high score table: %1.").arg(p.reason);
            break;
        }
        parts.append(line);
    }
    problems_.clear();
    parts.append(QStringLiteral("The game goes on; ") + outcome);
    dialogs.message(parts.join(QStringLiteral("\n\n")), platform::Buttons::Ok,
                    platform::Icon::Warning);
}

bool readFile(platform::DataStore &store, const QString &file, qint64 length,
              QByteArray &content, FileTrouble &trouble)
{
    platform::StoreError error;
    if (store.read(file, length, content, error))
        return true;
    trouble.add(error);
    content.clear();
    return false;
}

bool readTable(platform::DataStore &store, Table &table, FileTrouble &trouble)
{
    QByteArray hiscores, names;
    // Both are read even when the first fails, so the player sees what the
    // other holds and hears of every file in trouble.
    const bool scoresRead = readFile(store, HiScoresFile, HiScoresLength, hiscores, trouble);
    const bool namesRead = readFile(store, NamesFile, NamesLength, names, trouble);
    table = tableFrom(hiscores, names);
    return scoresRead && namesRead;
}

bool writeTable(platform::DataStore &store, const Table &table, FileTrouble &trouble)
{
    // One patch a field, so that the store writes only the fields that change.
    QList<platform::Patch> patches;
    const QByteArray scores = encodeScores(table), names = encodeNames(table);
    for (int k = 0; k < Entries; ++k)
        patches.append({HiScoresFile, FieldStart + 4 * k, scores.mid(4 * k, 4)});
    for (int k = 0; k < Entries; ++k)
        patches.append({NamesFile, FieldStart + NameLength * k,
                        names.mid(NameLength * k, NameLength)});
    platform::StoreError error;
    if (store.write(patches, error))
        return true;
    trouble.add(error);
    return false;
}

} // namespace scores
