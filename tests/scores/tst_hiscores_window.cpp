// The high score window with the real table window, offscreen: a finished game
// entering the table, another copy of the game writing meanwhile, Clear, OK,
// the close box, the first showing and failing files.

#include "game/frmQuintrel.h"
#include "scores/ScoreTable.h"
#include "scores/frmHiScores.h"
#include "support/FakePlatform.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace scores;

namespace {

// Counts the locks that are held right now, and lets writes fail alone.
class LockingPlatform : public FakePlatform {
public:
    int held = 0;
    QHash<QString, QString> failingWrites, failingReads;

    class Held : public platform::Lock {
    public:
        explicit Held(int &count) : count_(count) { ++count_; }
        ~Held() override { --count_; }

    private:
        int &count_;
    };

    std::unique_ptr<platform::Lock> lockTable() override
    {
        ++locks;
        return std::make_unique<Held>(held);
    }
    bool patchFile(const QString &name, qint64 offset, const QByteArray &bytes,
                   QString &error) override
    {
        if (failingWrites.contains(name)) {
            error = failingWrites.value(name);
            return false;
        }
        return FakePlatform::patchFile(name, offset, bytes, error);
    }
    bool openFile(const QString &name, QByteArray &content, QString &error) override
    {
        if (failingReads.contains(name)) {
            error = failingReads.value(name);
            return false;
        }
        return FakePlatform::openFile(name, content, error);
    }
};

// Puts a table into the fake's files as another copy of the game would.
void store(FakePlatform &fake, const QList<QPair<std::int32_t, QString>> &entries)
{
    Table t;
    for (int i = 0; i < entries.size(); ++i)
        t[std::size_t(i)] = {entries[i].first, storedName(entries[i].second)};
    FileTrouble trouble;
    QVERIFY(writeTable(fake, t, nullptr, trouble));
}

Table stored(FakePlatform &fake)
{
    return tableFrom(fake.files.value(HiScoresFile), fake.files.value(NamesFile));
}

} // namespace

class HiScoresWindowTest : public QObject {
    Q_OBJECT

private slots:
    void layoutAndFocus()
    {
        LockingPlatform fake;
        frmQuintrel main(fake);
        frmHiScores &w = main.hiScores();
        QCOMPARE(w.windowTitle(), QString("High Scores"));
        QCOMPARE(w.size(), QSize(402, 280));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(w.cmdOkay->geometry(), QRect(120, 240, 49, 33));
        QCOMPARE(w.cmdClear->geometry(), QRect(216, 240, 49, 33));
        QCOMPARE(w.lblOne->geometry(), QRect(16, 24, 33, 33));
        QCOMPARE(w.LblTen->geometry(), QRect(16, 216, 25, 17));
        QCOMPARE(w.lblName[1]->geometry(), QRect(56, 56, 161, 33));
        QCOMPARE(w.lblScore[4]->geometry(), QRect(256, 128, 97, 17));
        QVERIFY(w.lblScore[0]->alignment() & Qt::AlignRight);
        QCOMPARE(w.lblName[4]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(w.lblName[9]->palette().color(QPalette::Window), QColor(0, 0, 0));
        w.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.focusWidget(), w.cmdOkay);
    }

    void finishedGameEntersTheTable()
    {
        LockingPlatform fake;
        store(fake, {{5000, "ANN"}, {3000, "BOB"}});
        frmQuintrel main(fake);
        main.show();
        QCOMPARE(main.rules().highscore, 5000);

        fake.names = {QString::fromUtf8("Zoë Quintrel")};
        main.HighScores(4000, main.rules().highscore);

        QCOMPARE(fake.prompts.size(), 1);
        QCOMPARE(fake.prompts[0].title, QString("High Score!!"));
        QCOMPARE(fake.prompts[0].prompt,
                 QString("You Got A High Score!!\rEnter Your Name:\r(10 Characters Max.)"));
        frmHiScores &w = main.hiScores();
        QVERIFY(w.isVisible());
        QVERIFY(!main.isEnabled());
        QCOMPARE(w.lblName[1]->text(), QString::fromUtf8("Zoë Quintr"));
        QCOMPARE(w.lblScore[1]->text(), QString("4000"));
        QCOMPARE(w.lblName[2]->text(), QString("BOB       "));
        QCOMPARE(w.lblScore[3]->text(), QString("0"));
        QCOMPARE(fake.files[NamesFile].mid(19, 10), QByteArray("Zo\xEB Quintr"));
        // Below the best score: the main window's best stays.
        QCOMPARE(main.rules().highscore, 5000);
        QCOMPARE(main.lblHighScore->text(), QString("5000"));
        QVERIFY(fake.messages.isEmpty());

        QTest::mouseClick(w.cmdOkay, Qt::LeftButton);
        QVERIFY(main.isEnabled());
        QVERIFY(!w.isVisible());

        // A new best, Cancel in the dialog; the close box acts as OK.
        main.HighScores(6000, main.rules().highscore);
        QCOMPARE(w.lblName[0]->text(), QString(" NO NAME  "));
        QCOMPARE(main.lblHighScore->text(), QString("6000"));
        QCOMPARE(main.rules().highscore, 6000);
        QVERIFY(!main.isEnabled());
        QVERIFY(w.close());
        QVERIFY(main.isEnabled());
        QVERIFY(!w.isVisible());
    }

    void scoreThatEntersNowhere()
    {
        LockingPlatform fake;
        store(fake, {{90, "A"}, {80, "B"}, {70, "C"}, {60, "D"}, {50, "E"},
                     {40, "F"}, {30, "G"}, {20, "H"}, {10, "I"}, {5, "J"}});
        fake.files[HiScoresFile].append("surplus");
        frmQuintrel main(fake);
        const auto before = fake.files;
        main.HighScores(5, main.rules().highscore);
        QVERIFY(fake.prompts.isEmpty());
        QVERIFY(!main.hiScores().isVisible());
        QVERIFY(main.isEnabled());
        QCOMPARE(fake.files, before);

        // A game of 0 on a first start writes the whole empty table.
        LockingPlatform first;
        frmQuintrel fresh(first);
        fresh.HighScores(0, fresh.rules().highscore);
        QVERIFY(first.prompts.isEmpty());
        QCOMPARE(first.files[HiScoresFile], QByteArray(49, '\0'));
        QCOMPARE(first.files[NamesFile].size(), 109);
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
        QCOMPARE(fake.held, 0);
        Table t = stored(fake);
        QCOMPARE(t[0].name, QByteArray("OTHER     "));
        QCOMPARE(t[1].score, 500);
        QCOMPARE(t[2], (Entry{450, QByteArray("ME        ")}));
        QCOMPARE(t[3].score, 400);
        QCOMPARE(main.hiScores().lblName[2]->text(), QString("ME        "));
        // The best score is the caller's, and 450 does not beat it.
        QCOMPARE(main.lblHighScore->text(), QString("500"));

        // A score that no longer enters after the other copy's write stays out.
        QTest::mouseClick(main.hiScores().cmdOkay, Qt::LeftButton);
        store(fake, {{90, "A"}, {80, "B"}, {70, "C"}, {60, "D"}, {50, "E"},
                     {40, "F"}, {30, "G"}, {20, "H"}, {10, "I"}});
        fake.onInput = [&] {
            store(fake, {{90, "A"}, {80, "B"}, {70, "C"}, {60, "D"}, {50, "E"},
                         {40, "F"}, {30, "G"}, {20, "H"}, {10, "I"}, {9, "X"}});
        };
        const int before = fake.locks;
        fake.names = {"LATE"};
        main.HighScores(5, main.rules().highscore);
        QCOMPARE(fake.prompts.size(), 2);
        QCOMPARE(fake.locks, before + 1);
        t = stored(fake);
        QCOMPARE(t[9], (Entry{9, QByteArray("X         ")}));
        QCOMPARE(main.hiScores().lblName[9]->text(), QString("X         "));
    }

    void failingFilesTellOnceAndChangeNothing()
    {
        // hiscores.dat is a folder: the game goes on with the names it could
        // read and writes nothing over names.dat.
        LockingPlatform fake;
        store(fake, {{500, "ANN"}});
        fake.files.remove(HiScoresFile);
        fake.failing[HiScoresFile] = "it is a folder, not a file";
        frmQuintrel main(fake);
        fake.messages.clear();
        const QByteArray names = fake.files[NamesFile];
        fake.names = {"ME"};
        main.HighScores(100, main.rules().highscore);
        QCOMPARE(fake.messages.size(), 1);
        QVERIFY(fake.messages[0].text.contains("hiscores.dat"));
        QVERIFY(fake.messages[0].text.contains("it is a folder, not a file"));
        QCOMPARE(fake.files[NamesFile], names);
        QCOMPARE(main.hiScores().lblName[0]->text(), QString("ME        "));
        QCOMPARE(main.lblHighScore->text(), QString("100"));

        // The High Scores button: one message for showing and filling.
        QTest::mouseClick(main.hiScores().cmdOkay, Qt::LeftButton);
        fake.messages.clear();
        main.cmdScores_Click();
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.files[NamesFile], names);

        // Clear: the table and the best score stay.
        fake.messages.clear();
        QTest::mouseClick(main.hiScores().cmdClear, Qt::LeftButton);
        QCOMPARE(fake.messages.size(), 2);   // the question, then one problem
        QCOMPARE(fake.files[NamesFile], names);
        QCOMPARE(main.lblHighScore->text(), QString("100"));

        // A full disk under names.dat: hiscores.dat keeps its old scores.
        LockingPlatform full;
        store(full, {{500, "ANN"}, {300, "BOB"}});
        full.failingWrites[NamesFile] = "No space left on device";
        frmQuintrel other(full);
        const auto before = full.files;
        full.names = {"ME"};
        other.HighScores(400, other.rules().highscore);
        QCOMPARE(full.messages.size(), 1);
        QVERIFY(full.messages[0].text.contains("names.dat"));
        QCOMPARE(full.files, before);
        QCOMPARE(other.hiScores().lblName[1]->text(), QString("ME        "));
    }

    void clearAskedFirst()
    {
        LockingPlatform fake;
        store(fake, {{5000, "ANN"}, {3000, "BOB"}});
        fake.files[NamesFile].append("keep");
        frmQuintrel main(fake);
        main.cmdScores_Click();
        frmHiScores &w = main.hiScores();
        QCOMPARE(w.lblName[0]->text(), QString("ANN       "));

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
        QCOMPARE(stored(fake)[0].score, 5000);
        QCOMPARE(main.lblHighScore->text(), QString("5000"));

        fake.answers = {platform::Answer::Yes};
        QTest::mouseClick(w.cmdClear, Qt::LeftButton);
        QCOMPARE(stored(fake), Table{});
        QVERIFY(fake.files[NamesFile].endsWith("keep"));
        for (int i = 0; i < Entries; ++i) {
            QCOMPARE(w.lblScore[std::size_t(i)]->text(), QString("0"));
            QCOMPARE(w.lblName[std::size_t(i)]->text(), QString(10, ' '));
        }
        QCOMPARE(main.lblHighScore->text(), QString("0"));
        QCOMPARE(main.rules().highscore, 0);
        QVERIFY(w.isVisible());
        QVERIFY(!main.isEnabled());
    }

    void firstShowingClearsAnEmptyTable()
    {
        LockingPlatform fake;
        frmQuintrel main(fake);
        main.setHighScore(77);   // as if a stale best score were showing
        frmHiScores &w = main.hiScores();
        w.showWindow();
        QCOMPARE(fake.files[HiScoresFile], QByteArray(49, '\0'));
        QCOMPARE(fake.files[NamesFile], QByteArray(9, '\0') + QByteArray(100, ' '));
        QCOMPARE(main.lblHighScore->text(), QString("0"));
        QCOMPARE(w.lblScore[0]->text(), QString());   // labels untouched
        QVERIFY(!w.ClearFromLoad);
        QCOMPARE(fake.held, 0);

        // Later showings leave the table alone; a table with a best score is
        // never cleared by the first showing.
        fake.files[HiScoresFile] = QByteArray(9, '\0');
        w.hide();
        w.showWindow();
        QCOMPARE(fake.files[HiScoresFile], QByteArray(9, '\0'));

        LockingPlatform kept;
        store(kept, {{10, "A"}});
        frmQuintrel other(kept);
        const auto before = kept.files;
        other.hiScores().showWindow();
        QCOMPARE(kept.files, before);

        // Nor is one that cannot be read, even where it could be written.
        kept.failingReads[HiScoresFile] = "Permission denied";
        frmQuintrel third(kept);
        third.hiScores().showWindow();
        QCOMPARE(kept.files, before);
    }
};

QTEST_MAIN(HiScoresWindowTest)
#include "tst_hiscores_window.moc"
