// The high score window with the real table window, offscreen: a finished game
// entering the table, another copy of the game writing meanwhile, failing
// files, Clear, and the first showing.

#include "game/frmQuintrel.h"
#include "scores/ScoreTable.h"
#include "scores/frmHiScores.h"
#include "support/FakePlatform.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace scores;

namespace {

// Knows how many locks are held, and lets reads or writes fail on their own.
class LockingPlatform : public FakePlatform {
public:
    int held = 0;
    QHash<QString, QString> failingWrites, failingReads;

    struct Held : platform::Lock {
        explicit Held(int &count) : count(count) { ++count; }
        ~Held() override { --count; }
        int &count;
    };
    std::unique_ptr<platform::Lock> lockTable() override
    {
        ++locks;
        return std::make_unique<Held>(held);
    }
    bool patchFile(const QString &name, qint64 offset, const QByteArray &bytes,
                   QString &error) override
    {
        error = failingWrites.value(name);
        return error.isEmpty() && FakePlatform::patchFile(name, offset, bytes, error);
    }
    bool openFile(const QString &name, QByteArray &content, QString &error) override
    {
        error = failingReads.value(name);
        return error.isEmpty() && FakePlatform::openFile(name, content, error);
    }
};

// Writes a table as another copy of the game would.
void store(FakePlatform &fake, const QList<QPair<std::int32_t, QString>> &entries)
{
    Table t;
    for (int i = 0; i < entries.size(); ++i)
        t[std::size_t(i)] = {entries[i].first, storedName(entries[i].second)};
    FileTrouble trouble;
    QVERIFY(writeTable(fake, t, nullptr, trouble));
}

const QList<QPair<std::int32_t, QString>> NineEntries = {
    {90, "A"}, {80, "B"}, {70, "C"}, {60, "D"}, {50, "E"}, {40, "F"}, {30, "G"}, {20, "H"}, {10, "I"}};

} // namespace

class HiScoresWindowTest : public QObject {
    Q_OBJECT

private slots:
    void finishedGameEntersTheTable()
    {
        LockingPlatform fake;
        store(fake, {{5000, "ANN"}, {3000, "BOB"}});
        frmQuintrel main(fake);
        main.show();
        fake.names = {QString::fromUtf8("Zoë Quintrel")};
        main.HighScores(4000, main.rules().highscore);

        QCOMPARE(fake.prompts.size(), 1);
        QCOMPARE(fake.prompts[0].title, QString("High Score!!"));
        QCOMPARE(fake.prompts[0].prompt,
                 QString("You Got A High Score!!\rEnter Your Name:\r(10 Characters Max.)"));
        frmHiScores &w = main.hiScores();
        QVERIFY(w.isVisible());
        QCOMPARE(w.focusWidget(), w.cmdOkay);
        QVERIFY(!main.isEnabled());
        QCOMPARE(w.lblName[1]->text(), QString::fromUtf8("Zoë Quintr"));
        QCOMPARE(w.lblScore[1]->text(), QString("4000"));
        QCOMPARE(w.lblName[2]->text(), QString("BOB       "));
        QCOMPARE(fake.files[NamesFile].mid(19, 10), QByteArray("Zo\xEB Quintr"));
        QCOMPARE(main.lblHighScore->text(), QString("5000"));   // not beaten
        QVERIFY(fake.messages.isEmpty());

        QTest::mouseClick(w.cmdOkay, Qt::LeftButton);
        QVERIFY(main.isEnabled());
        QVERIFY(!w.isVisible());

        // A new best, Cancel in the dialog; the close box acts as OK.
        main.HighScores(6000, main.rules().highscore);
        QCOMPARE(w.lblName[0]->text(), QString(" NO NAME  "));
        QCOMPARE(main.lblHighScore->text(), QString("6000"));
        QCOMPARE(main.rules().highscore, 6000);
        QVERIFY(w.close());
        QVERIFY(main.isEnabled());
        QVERIFY(!w.isVisible());

        // A score that enters nowhere asks nothing, shows nothing and leaves
        // the files as they were.
        store(fake, NineEntries + QList<QPair<std::int32_t, QString>>{{5, "J"}});
        fake.files[HiScoresFile].append("surplus");
        const auto before = fake.files;
        main.HighScores(5, main.rules().highscore);
        QCOMPARE(fake.prompts.size(), 2);
        QVERIFY(!w.isVisible());
        QVERIFY(main.isEnabled());
        QCOMPARE(fake.files, before);
    }

    void anotherCopyWritesWhileTheNameIsAsked()
    {
        LockingPlatform fake;
        store(fake, {{500, "ANN"}, {400, "BOB"}});
        frmQuintrel main(fake);
        int heldDuringDialog = -1;
        fake.onInput = [&] {
            heldDuringDialog = fake.held;
            store(fake, {{600, "OTHER"}, {500, "ANN"}, {400, "BOB"}});
        };
        fake.names = {"ME"};
        main.HighScores(450, main.rules().highscore);
        QCOMPARE(heldDuringDialog, 0);
        Table t = tableFrom(fake.files[HiScoresFile], fake.files[NamesFile]);
        QCOMPARE(t[0].name, QByteArray("OTHER     "));
        QCOMPARE(t[2], (Entry{450, QByteArray("ME        ")}));
        QCOMPARE(t[3].score, 400);
        QCOMPARE(main.hiScores().lblName[2]->text(), QString("ME        "));

        // A score that no longer enters after the other copy's write stays out.
        QTest::mouseClick(main.hiScores().cmdOkay, Qt::LeftButton);
        store(fake, NineEntries);
        fake.onInput = [&] { store(fake, NineEntries + QList<QPair<std::int32_t, QString>>{{9, "X"}}); };
        main.HighScores(5, main.rules().highscore);
        t = tableFrom(fake.files[HiScoresFile], fake.files[NamesFile]);
        QCOMPARE(t[9], (Entry{9, QByteArray("X         ")}));
        QCOMPARE(fake.held, 0);
    }

    void failingFilesTellOnceAndChangeNothing()
    {
        // hiscores.dat is a folder: the names that could be read are shown,
        // nothing is written over names.dat.
        LockingPlatform fake;
        store(fake, {{500, "ANN"}});
        fake.files.remove(HiScoresFile);
        fake.failing[HiScoresFile] = "it is a folder, not a file";
        frmQuintrel main(fake);
        fake.messages.clear();
        const QByteArray names = fake.files[NamesFile];
        main.HighScores(100, main.rules().highscore);
        QCOMPARE(fake.messages.size(), 1);
        QVERIFY(fake.messages[0].text.contains("hiscores.dat"));
        QVERIFY(fake.messages[0].text.contains("it is a folder, not a file"));
        QCOMPARE(main.hiScores().lblName[1]->text(), QString("ANN       "));

        // The High Scores button, then Clear: one message each besides the
        // question; the table and the best score stay.
        QTest::mouseClick(main.hiScores().cmdOkay, Qt::LeftButton);
        main.cmdScores_Click();
        QTest::mouseClick(main.hiScores().cmdClear, Qt::LeftButton);
        QCOMPARE(fake.messages.size(), 4);
        QCOMPARE(fake.files[NamesFile], names);
        QCOMPARE(main.lblHighScore->text(), QString("100"));

        // A full disk under names.dat: hiscores.dat keeps its old scores.
        LockingPlatform full;
        store(full, {{500, "ANN"}, {300, "BOB"}});
        full.failingWrites[NamesFile] = "No space left on device";
        frmQuintrel other(full);
        const auto before = full.files;
        other.HighScores(400, other.rules().highscore);
        QCOMPARE(full.messages.size(), 1);
        QVERIFY(full.messages[0].text.contains("names.dat"));
        QCOMPARE(full.files, before);
    }

    void clearAsksFirst()
    {
        LockingPlatform fake;
        store(fake, {{5000, "ANN"}, {3000, "BOB"}});
        fake.files[NamesFile].append("keep");
        frmQuintrel main(fake);
        main.cmdScores_Click();
        frmHiScores &w = main.hiScores();

        fake.answers = {platform::Answer::No};
        QTest::mouseClick(w.cmdClear, Qt::LeftButton);
        QCOMPARE(fake.messages.size(), 1);
        const auto &m = fake.messages[0];
        QCOMPARE(m.text, QString("Are you sure you want clear the highscores"));
        QCOMPARE(m.title, QString("quintrel"));
        QCOMPARE(m.buttons, platform::Buttons::YesNo);
        QCOMPARE(m.icon, platform::Icon::Question);
        QCOMPARE(m.defaultAnswer, platform::Answer::Yes);
        QCOMPARE(w.lblScore[0]->text(), QString("5000"));
        QCOMPARE(main.lblHighScore->text(), QString("5000"));

        fake.answers = {platform::Answer::Yes};
        QTest::mouseClick(w.cmdClear, Qt::LeftButton);
        QCOMPARE(tableFrom(fake.files[HiScoresFile], fake.files[NamesFile]), Table{});
        QVERIFY(fake.files[NamesFile].endsWith("keep"));
        QCOMPARE(w.lblScore[9]->text(), QString("0"));
        QCOMPARE(w.lblName[0]->text(), QString(10, ' '));
        QCOMPARE(main.lblHighScore->text(), QString("0"));
        QCOMPARE(main.rules().highscore, 0);
    }

    void firstShowingClearsAnEmptyTable()
    {
        LockingPlatform fake;
        frmQuintrel main(fake);
        main.setHighScore(77);
        frmHiScores &w = main.hiScores();
        w.showWindow();
        QCOMPARE(fake.files[HiScoresFile], QByteArray(49, '\0'));
        QCOMPARE(fake.files[NamesFile], QByteArray(9, '\0') + QByteArray(100, ' '));
        QCOMPARE(main.lblHighScore->text(), QString("0"));
        QCOMPARE(w.lblScore[0]->text(), QString());   // labels untouched
        QCOMPARE(fake.held, 0);

        // A best score, or a score file that cannot be read (though it could
        // be written), is never cleared.
        LockingPlatform kept;
        store(kept, {{10, "A"}});
        frmQuintrel other(kept);
        const auto before = kept.files;
        other.hiScores().showWindow();
        kept.failingReads[HiScoresFile] = "Permission denied";
        frmQuintrel third(kept);
        third.hiScores().showWindow();
        QCOMPARE(kept.files, before);
    }
};

QTEST_MAIN(HiScoresWindowTest)
#include "tst_hiscores_window.moc"
