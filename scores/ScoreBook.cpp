#include "scores/ScoreBook.h"

#include "scores/ScoreTable.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstring>

namespace scores {

using platform::StoreError;
using Kind = StoreError::Kind;

namespace {

// The words of the messages about the game's files.
struct ScoreBookWords {
    Q_DECLARE_TR_FUNCTIONS(ScoreBookWords)
};

// What the store found, in words.
QString words(const platform::Why &why)
{
    using platform::Reason;
    switch (why.reason) {
    case Reason::System:
        return QString::fromLocal8Bit(std::strerror(why.error));
    case Reason::FolderGone:
        return ScoreBookWords::tr("the folder it was started in has been removed");
    case Reason::Link:
        return ScoreBookWords::tr("it is a link to another file");
    case Reason::Folder:
        return ScoreBookWords::tr("it is a folder");
    case Reason::Pipe:
        return ScoreBookWords::tr("it is a pipe");
    case Reason::Device:
        return ScoreBookWords::tr("it is a device");
    case Reason::HardLink:
        return ScoreBookWords::tr("it is a file with another name too (a hard link)");
    case Reason::NotPlain:
        return ScoreBookWords::tr("it is not a plain file");
    case Reason::NotGameFile:
        return ScoreBookWords::tr("it is not one of the game's files");
    case Reason::OutsideFields:
        return ScoreBookWords::tr("the game does not write there");
    case Reason::NoJournal:
        return ScoreBookWords::tr("the folder does not take its journal \"%1\" (%2), without which a save "
                          "cut short would leave the table torn")
            .arg(platform::FolderStore::JournalFile, words({Reason::System, why.error}));
    case Reason::AnotherCopy:
        return ScoreBookWords::tr("another copy of the game is saving it");
    case Reason::Untrusted:
        return ScoreBookWords::tr("it is not a record of a save this game can trust, so nothing in it was used");
    case Reason::Replaced:
        return ScoreBookWords::tr("the files it would finish a save of have been replaced since, so nothing "
                          "in it was used");
    case Reason::NameTaken:
        return ScoreBookWords::tr("something else has that name");
    case Reason::NoReadBack:
        return ScoreBookWords::tr("what was written does not read back");
    }
    return {};
}

// One line of the message about a failure, in whole sentences.
QString lineFor(const StoreError &e, bool back)
{
    using platform::FolderStore;
    const QString why = words(e.reason);
    switch (e.kind) {
    case Kind::Read:
        return ScoreBookWords::tr("Quintrel could not read the file \"%1\" in the folder it was started in:\n%2")
            .arg(e.file, why);
    case Kind::Save:
        if (!e.file.isEmpty())
            return ScoreBookWords::tr("Quintrel could not save the file \"%1\" in the folder it was started in:\n%2")
                .arg(e.file, why);
        [[fallthrough]];
    case Kind::Busy:
        return (back ? ScoreBookWords::tr("Quintrel could not save the chosen card back: %1.")
                     : ScoreBookWords::tr("Quintrel could not save the high score table: %1."))
            .arg(why);
    case Kind::Create:
        return ScoreBookWords::tr("Quintrel cannot create its file \"%1\" in the folder it was started in:\n%2")
            .arg(e.file, why);
    case Kind::Unusable:
        if (e.file == FolderStore::JournalFile)
            return ScoreBookWords::tr("Quintrel does not use \"%1\" in the folder it was started in: %2, not a "
                              "plain file. The game needs that name to save safely, and saves nothing "
                              "until it is moved away.")
                .arg(e.file, why);
        return ScoreBookWords::tr("Quintrel does not use \"%1\" in the folder it was started in: %2, not a plain "
                          "file.")
            .arg(e.file, why);
    case Kind::Lock:
        return (back ? ScoreBookWords::tr("Quintrel could not save the chosen card back: the folder it was started "
                                  "in cannot be locked (%1).")
                     : ScoreBookWords::tr("Quintrel could not save the high score table: the folder it was started "
                                  "in cannot be locked (%1)."))
            .arg(why);
    case Kind::SetAside:
        return ScoreBookWords::tr("Quintrel set aside \"%1\" in the folder it was started in as \"%2\": %3.")
            .arg(e.file, FolderStore::RejectedJournalFile, why);
    case Kind::Removed:
        return ScoreBookWords::tr("Quintrel removed \"%1\" in the folder it was started in: %2. It could not be set "
                          "aside as \"%3\": %4.")
            .arg(e.file, why, FolderStore::RejectedJournalFile, words(e.other));
    case Kind::Kept:
        return ScoreBookWords::tr("Quintrel does not use \"%1\" in the folder it was started in: %2. It could be "
                          "neither set aside as \"%3\" nor removed (%4), so the game saves nothing until "
                          "it is moved away.")
            .arg(e.file, why, FolderStore::RejectedJournalFile, words(e.other));
    case Kind::Unfinished:
        // Only the table's saves have a journal to finish.
        return ScoreBookWords::tr("Quintrel could not finish saving the high score table in the file \"%1\" in the "
                          "folder it was started in:\n%2\nThe table kept in the folder may be half-saved; "
                          "the game finishes the save the next time it starts in this folder.")
            .arg(e.file, why);
    case Kind::Unsure:
        return (back ? ScoreBookWords::tr("Quintrel could not save the file \"%1\" in the folder it was started "
                                  "in:\n%2\nThe disk did not confirm the change, so the next start may find "
                                  "the chosen card back as it was or as it is now.")
                     : ScoreBookWords::tr("Quintrel could not save the file \"%1\" in the folder it was started "
                                  "in:\n%2\nThe disk did not confirm the change, so the next start may find "
                                  "the high score table as it was or as it is now."))
            .arg(e.file, why);
    }
    return why;
}

} // namespace

// The problems of one command, told in one message at its end.
class ScoreBook::Trouble {
public:
    static QString outcomeText(Outcome outcome)
    {
        switch (outcome) {
        case Outcome::TableShownAsRead:
            return ScoreBookWords::tr("The game goes on; the table shows what could be read.");
        case Outcome::TableNotChanged:
            return ScoreBookWords::tr("The game goes on; the high score table kept in the folder is not changed.");
        case Outcome::StartsWithout:
            return ScoreBookWords::tr("The game goes on; what the file holds is not used.");
        case Outcome::BackNotSaved:
            return ScoreBookWords::tr("The game goes on; the chosen card back shows now but is not saved for the "
                              "next start.");
        case Outcome::BackShown:
            break;
        }
        return ScoreBookWords::tr("The game goes on; the chosen card back shows now.");
    }

    // A command that saves tells every reason it did not, however often
    // the player has heard it.
    explicit Trouble(bool saving = false) : saving_(saving) {}
    bool saving() const { return saving_; }

    // The first line about a file is the one told.
    void add(const StoreError &error, Subject subject = Subject::Table)
    {
        if (!error.file.isEmpty() && files_.contains(error.file))
            return;
        files_.insert(error.file);
        lines_.append(lineFor(error, subject == Subject::Back));
        mayHaveChanged_ = mayHaveChanged_ || error.kind == Kind::Unfinished
                          || error.kind == Kind::Unsure;
    }
    // Whether a save that failed may have changed the files all the same.
    bool mayHaveChanged() const { return mayHaveChanged_; }
    void addLine(const QString &line) { lines_.append(line); }
    bool isEmpty() const { return lines_.isEmpty(); }
    QString message(Outcome outcome) const
    {
        return (lines_ + QStringList{outcomeText(outcome)}).join(QStringLiteral("\n\n"));
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

void ScoreBook::report(Trouble &problems, Outcome outcome)
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

bool ScoreBook::enterDoor(const platform::Lock &lock, Subject subject, Trouble &trouble)
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
    report(trouble, saved || trouble.mayHaveChanged() ? Outcome::TableShownAsRead : Outcome::TableNotChanged);
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
            trouble.addLine(ScoreBookWords::tr("Quintrel could not check the high score table: %1, "
                                       "and did not finish within a second.")
                                .arg(words(lock->why().reason)));
        else
            trouble.addLine(ScoreBookWords::tr("Quintrel could not check the high score table: the "
                                       "folder it was started in cannot be locked (%1).")
                                .arg(words(lock->why().reason)));
        readFile(HiScoresFile, HiScoresLength, hiscores, trouble);
    }
    readFile(CardBacksFile, 2, cardbacks, trouble);
    report(trouble, Outcome::StartsWithout);

    setBest(scoreAt(hiscores, 1));
    const int back = cardBackFrom(cardbacks);
    if (const int shown = back >= 0 && back < CardBacks ? back : 0; std::exchange(back_, shown) != shown)
        emit cardBackChanged(shown);
}

void ScoreBook::reload()
{
    Trouble trouble;
    scores::Table table;
    readTable(table, trouble);
    emit tableChanged(table);
    report(trouble, Outcome::TableShownAsRead);
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
            return report(trouble, Outcome::TableNotChanged);
        if (writeTable(*lock, scores::Table{}, trouble))
            setBest(0);
    }
    report(trouble, Outcome::TableNotChanged);
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
        if (enterDoor(*lock, Subject::Table, trouble) && readTable(table, trouble)) {
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
        cleared = enterDoor(*lock, Subject::Table, trouble) && writeTable(*lock, scores::Table{}, trouble);
    }
    showKept(trouble, cleared);
    return cleared;
}

bool ScoreBook::setCardBack(int back)
{
    if (std::exchange(back_, back) != back)
        emit cardBackChanged(back);
    Trouble trouble(true);
    bool saved = false;
    {
        const auto lock = store_.lock();
        StoreError error;
        const bool entered = enterDoor(*lock, Subject::Back, trouble);
        saved = entered && store_.write(*lock, {{CardBacksFile, 0, encodeCardBack(std::int16_t(back))}},
                                        error);
        if (entered && !saved)
            trouble.add(error, Subject::Back);
    }
    report(trouble, trouble.mayHaveChanged() ? Outcome::BackShown : Outcome::BackNotSaved);
    return saved;
}

} // namespace scores
