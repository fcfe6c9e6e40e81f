#include "scores/ScoreBook.h"

#include "scores/ScoreTable.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstring>

namespace scores {

using platform::StoreError;
using Kind = StoreError::Kind;

namespace {

// Endings of the message, by what the failure means for the player.
const QString TableShownAsRead = QStringLiteral("the table shows what could be read.");
const QString TableNotChanged =
    QStringLiteral("the high score table kept in the folder is not changed.");
const QString StartsWithout = QStringLiteral("what the file holds is not used.");
const QString BackNotSaved =
    QStringLiteral("the chosen card back shows now but is not saved for the next start.");
const QString BackShown = QStringLiteral("the chosen card back shows now.");

const QString TableSubject = QStringLiteral("the high score table");
const QString BackSubject = QStringLiteral("the chosen card back");

QString translated(const char *text)
{
    return QCoreApplication::translate("scores::ScoreBook", text);
}

// What the store found, in words.
QString words(const platform::Why &why)
{
    using platform::Reason;
    switch (why.reason) {
    case Reason::System:
        return QString::fromLocal8Bit(std::strerror(why.error));
    case Reason::FolderGone:
        return translated("the folder it was started in has been removed");
    case Reason::Link:
        return translated("it is a link to another file");
    case Reason::Folder:
        return translated("it is a folder");
    case Reason::Pipe:
        return translated("it is a pipe");
    case Reason::Device:
        return translated("it is a device");
    case Reason::HardLink:
        return translated("it is a file with another name too (a hard link)");
    case Reason::NotPlain:
        return translated("it is not a plain file");
    case Reason::NotGameFile:
        return translated("it is not one of the game's files");
    case Reason::OutsideFields:
        return translated("the game does not write there");
    case Reason::NoJournal:
        return translated("the folder does not take its journal \"%1\" (%2), without which a save "
                          "cut short would leave the table torn")
            .arg(platform::FolderStore::JournalFile, words({Reason::System, why.error}));
    case Reason::AnotherCopy:
        return translated("another copy of the game is saving it");
    case Reason::Untrusted:
        return translated("it is not a record of a save this game can trust, so nothing in it was used");
    case Reason::Replaced:
        return translated("the files it would finish a save of have been replaced since, so nothing "
                          "in it was used");
    case Reason::NameTaken:
        return translated("something else has that name");
    case Reason::NoReadBack:
        return translated("what was written does not read back");
    }
    return {};
}

QString lineFor(const StoreError &e, const QString &subject)
{
    const QString where = QStringLiteral("\"%1\" in the folder it was started in").arg(e.file);
    switch (e.kind) {
    case Kind::Read:
        return QStringLiteral("Quintrel could not read the file %1:\n%2").arg(where, words(e.reason));
    case Kind::Save:
        if (e.file.isEmpty())
            return QStringLiteral("Quintrel could not save %1: %2.").arg(subject, words(e.reason));
        return QStringLiteral("Quintrel could not save the file %1:\n%2").arg(where, words(e.reason));
    case Kind::Create:
        return QStringLiteral("Quintrel cannot create its file %1:\n%2").arg(where, words(e.reason));
    case Kind::Unusable:
        if (e.file == platform::FolderStore::JournalFile)
            return QStringLiteral("Quintrel does not use %1: %2, not a plain file. The game needs "
                                  "that name to save safely, and saves nothing until it is moved "
                                  "away.")
                .arg(where, words(e.reason));
        return QStringLiteral("Quintrel does not use %1: %2, not a plain file.").arg(where, words(e.reason));
    case Kind::Busy:
        return QStringLiteral("Quintrel could not save %1: %2.").arg(subject, words(e.reason));
    case Kind::Lock:
        return QStringLiteral("Quintrel could not save %1: the folder it was started in cannot be "
                              "locked (%2).")
            .arg(subject, words(e.reason));
    case Kind::SetAside:
        return QStringLiteral("Quintrel set aside %1 as \"%2\": %3.")
            .arg(where, platform::FolderStore::RejectedJournalFile, words(e.reason));
    case Kind::Removed:
        return QStringLiteral("Quintrel removed %1: %2. It could not be set aside as \"%3\": %4.")
            .arg(where, words(e.reason), platform::FolderStore::RejectedJournalFile, words(e.other));
    case Kind::Kept:
        return QStringLiteral("Quintrel does not use %1: %2. It could be neither set aside as "
                              "\"%3\" nor removed (%4), so the game saves nothing until it is "
                              "moved away.")
            .arg(where, words(e.reason), platform::FolderStore::RejectedJournalFile, words(e.other));
    case Kind::Unfinished:
        return QStringLiteral("Quintrel could not finish saving %1 in the file %2:\n%3\nThe table "
                              "kept in the folder may be half-saved; the game finishes the save "
                              "the next time it starts in this folder.")
            .arg(subject, where, words(e.reason));
    case Kind::Unsure:
        return QStringLiteral("Quintrel could not save the file %1:\n%2\nThe disk did not confirm "
                              "the change, so the next start may find %3 as it was or as it is "
                              "now.")
            .arg(where, words(e.reason), subject);
    }
    return words(e.reason);
}

} // namespace

// The problems of one command, told in one message at its end.
class ScoreBook::Trouble {
public:
    // A command that saves tells every reason it did not, however often
    // the player has heard it.
    explicit Trouble(bool saving = false) : saving_(saving) {}
    bool saving() const { return saving_; }

    // The first line about a file is the one told.
    void add(const StoreError &error, const QString &subject = TableSubject)
    {
        if (!error.file.isEmpty() && files_.contains(error.file))
            return;
        files_.insert(error.file);
        lines_.append(lineFor(error, subject));
        mayHaveChanged_ = mayHaveChanged_ || error.kind == Kind::Unfinished
                          || error.kind == Kind::Unsure;
    }
    // Whether a save that failed may have changed the files all the same.
    bool mayHaveChanged() const { return mayHaveChanged_; }
    void addLine(const QString &line) { lines_.append(line); }
    bool isEmpty() const { return lines_.isEmpty(); }
    QString message(const QString &outcome) const
    {
        return (lines_ + QStringList{QStringLiteral("The game goes on; ") + outcome})
            .join(QStringLiteral("\n\n"));
    }

private:
    bool saving_;
    bool mayHaveChanged_ = false;
    QStringList lines_;
    QSet<QString> files_;
};

QList<platform::FileSpan> fileSpans()
{
    return {{HiScoresFile, FieldStart, HiScoresLength, 4},
            {NamesFile, FieldStart, NamesLength, NameLength},
            {CardBacksFile, 0, 2, 2}};
}

ScoreBook::ScoreBook(platform::DataStore &store, QObject *parent) : QObject(parent), store_(store) {}

void ScoreBook::report(Trouble &problems, const QString &outcome)
{
    if (!problems.isEmpty())
        emit trouble(problems.message(outcome));
}

void ScoreBook::setBest(std::int32_t best)
{
    best_ = best;
    emit bestScoreChanged(best);
}

bool ScoreBook::recover(const platform::Lock &lock, Trouble &trouble, bool tellFailure)
{
    StoreError error;
    switch (store_.recover(lock, error)) {
    case platform::Recovery::Clean:
        return true;
    case platform::Recovery::SetAside:
        trouble.add(error);
        return true;
    case platform::Recovery::Failed:
        break;
    }
    if (tellFailure)
        trouble.add(error);
    return false;
}

bool ScoreBook::enterDoor(const platform::Lock &lock, const QString &subject, Trouble &trouble)
{
    if (!lock.held()) {
        trouble.add(lock.why(), subject);
        return false;
    }
    return recover(lock, trouble);
}

bool ScoreBook::readFile(const QString &file, qint64 length, QByteArray &content, Trouble &trouble)
{
    StoreError error;
    if (store_.read(file, length, content, error))
        return true;
    content.clear();
    // Something that is not a file stays so: once told, the player need not
    // hear of it at every look at the table.
    if (error.kind != Kind::Unusable || !toldUnusable_.contains(file) || trouble.saving())
        trouble.add(error);
    if (error.kind == Kind::Unusable)
        toldUnusable_.insert(file);
    return false;
}

bool ScoreBook::readTable(scores::Table &table, Trouble &trouble, bool *scoresRead)
{
    QByteArray hiscores, names;
    // Both are read even when the first fails, so the player sees what the
    // other holds and hears of every file in trouble.
    const bool scoresOk = readFile(HiScoresFile, HiScoresLength, hiscores, trouble);
    const bool namesOk = readFile(NamesFile, NamesLength, names, trouble);
    table = tableFrom(hiscores, names);
    if (scoresRead)
        *scoresRead = scoresOk;
    return scoresOk && namesOk;
}

void ScoreBook::showKept(Trouble &trouble, bool saved)
{
    // The table and the best score as the files hold them now, whatever
    // became of the save.
    scores::Table shown;
    bool scoresRead = false;
    readTable(shown, trouble, &scoresRead);
    if (scoresRead && shown[0].score != best_)
        setBest(shown[0].score);
    emit tableChanged(shown);
    report(trouble, saved || trouble.mayHaveChanged() ? TableShownAsRead : TableNotChanged);
}

bool ScoreBook::writeTable(const platform::Lock &lock, const scores::Table &table,
                           Trouble &trouble)
{
    // One patch a field, so that the store writes only the fields that change.
    QList<platform::Patch> patches;
    const QByteArray scores = encodeScores(table), names = encodeNames(table);
    for (int k = 0; k < Entries; ++k)
        patches.append({HiScoresFile, FieldStart + 4 * k, scores.mid(4 * k, 4)});
    for (int k = 0; k < Entries; ++k)
        patches.append({NamesFile, FieldStart + NameLength * k,
                        names.mid(NameLength * k, NameLength)});
    StoreError error;
    if (store_.write(lock, patches, error))
        return true;
    trouble.add(error);
    return false;
}

void ScoreBook::open()
{
    Trouble trouble;
    QByteArray hiscores, cardbacks;
    {
        // A save that a run was stopped in the middle of is finished first,
        // so the best score read is the one from before it or after it.
        const auto lock = store_.lock();
        if (lock->held())
            recover(*lock, trouble);
        else if (lock->why().kind == Kind::Busy)
            trouble.addLine(QStringLiteral("Quintrel could not check the high score table: %1, "
                                           "and did not finish within a second.")
                                .arg(words(lock->why().reason)));
        else
            trouble.addLine(QStringLiteral("Quintrel could not check the high score table: the "
                                           "folder it was started in cannot be locked (%1).")
                                .arg(words(lock->why().reason)));
        readFile(HiScoresFile, HiScoresLength, hiscores, trouble);
    }
    readFile(CardBacksFile, 2, cardbacks, trouble);
    report(trouble, StartsWithout);

    setBest(scoreAt(hiscores, 1));
    const int back = cardBackFrom(cardbacks);
    back_ = back >= 0 && back < CardBacks ? back : 0;
}

void ScoreBook::reload()
{
    Trouble trouble;
    scores::Table table;
    readTable(table, trouble);
    emit tableChanged(table);
    report(trouble, TableShownAsRead);
}

void ScoreBook::clearIfEmpty()
{
    Trouble trouble;
    {
        // Under the lock, so that a score another copy of the game enters
        // between this read and the clear is not wiped out. A table that
        // cannot be read or saved is left alone, and quietly: it may hold
        // scores, and the reload that follows every showing tells of it.
        const auto lock = store_.lock();
        QByteArray hiscores;
        StoreError error;
        if (!lock->held() || !recover(*lock, trouble, false)
            || !store_.read(HiScoresFile, HiScoresLength, hiscores, error)
            || scoreAt(hiscores, 1) != 0)
            return report(trouble, TableNotChanged);
        if (writeTable(*lock, scores::Table{}, trouble))
            setBest(0);
    }
    report(trouble, TableNotChanged);
}

int ScoreBook::placeFor(std::int32_t score)
{
    // Quietly: the entry that follows tells of every file in trouble.
    Trouble unheard;
    scores::Table table;
    readTable(table, unheard);
    return insertionRank(table, score);
}

bool ScoreBook::enter(std::int32_t score, const QByteArray &name)
{
    Trouble trouble(true);
    bool saved = false;
    {
        // The table as it is now, not as it was when the name was asked: what
        // another copy wrote meanwhile is kept, and the rank is found again.
        // Nothing is written over a file that could not be read.
        const auto lock = store_.lock();
        scores::Table table;
        if (enterDoor(*lock, TableSubject, trouble) && readTable(table, trouble)) {
            if (!name.isEmpty())
                insertEntry(table, insertionRank(table, score), score, name);
            saved = writeTable(*lock, table, trouble);
        }
    }
    showKept(trouble, saved);
    return saved;
}

bool ScoreBook::clear()
{
    Trouble trouble(true);
    bool cleared = false;
    {
        const auto lock = store_.lock();
        cleared = enterDoor(*lock, TableSubject, trouble) && writeTable(*lock, scores::Table{}, trouble);
    }
    showKept(trouble, cleared);
    return cleared;
}

bool ScoreBook::setCardBack(int back)
{
    back_ = back;
    Trouble trouble(true);
    bool saved = false;
    {
        const auto lock = store_.lock();
        StoreError error;
        const bool entered = enterDoor(*lock, BackSubject, trouble);
        saved = entered && store_.write(*lock, {{CardBacksFile, 0, encodeCardBack(std::int16_t(back))}},
                                        error);
        if (entered && !saved)
            trouble.add(error, BackSubject);
    }
    report(trouble, trouble.mayHaveChanged() ? BackShown : BackNotSaved);
    return saved;
}

} // namespace scores
