#include "scores/frmHiScores.h"

#include "assets/Art.h"
#include "platform/Dialogs.h"
#include "ui/Announcer.h"
#include "ui/Button.h"
#include "ui/Colours.h"
#include "ui/Keys.h"
#include "ui/Label.h"
#include "ui/Layout.h"
#include "ui/Placement.h"
#include "ui/Reading.h"
#include "ui/Scale.h"
#include "scores/ScoreBook.h"
#include "scores/ScoreTable.h"
#include "version/Version.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using scores::Table;

namespace {

struct Row {
    int top;
    int rankWidth, rankHeight;
    int nameHeight, scoreHeight;
    QColor colour;
    double points;
};

using ui::Magenta;

const std::array<Row, scores::Entries> Rows = {{
    {24, 33, 33, 33, 33, ui::Red, 20.25},
    {56, 25, 25, 33, 25, ui::Yellow, 18},
    {80, 25, 25, 25, 25, ui::Green, 15.75},
    {104, 25, 25, 25, 25, ui::Cyan, 14.25},
    {128, 17, 17, 17, 17, ui::Blue, 12},
    {152, 17, 17, 17, 17, Magenta, 9.75},
    {168, 17, 17, 17, 17, Magenta, 9.75},
    {184, 17, 17, 17, 17, Magenta, 9.75},
    {200, 17, 17, 17, 17, Magenta, 9.75},
    {216, 25, 17, 17, 17, Magenta, 9.75},
}};

constexpr const char *RankNames[scores::Entries] = {
    "lblOne", "lblTwo", "lblThree", "lblFour", "lblFive",
    "lblSix", "lblSeven", "lblEight", "lblNine", "LblTen",
};

constexpr int RankLeft = 16;
constexpr int NameLeft = 56, NameWidth = 161;
constexpr int ScoreLeft = 256, ScoreWidth = 97;

} // namespace

frmHiScores::frmHiScores(scores::ScoreBook &book, platform::Dialogs &dialogs, QWidget *owner)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      book_(book), dialogs_(dialogs), owner_(owner)
{
    art::registerFonts();
    setObjectName(QStringLiteral("frmHiScores"));
    setWindowTitle(tr("High Scores"));
    fitToScale();
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ui::Black);
    setPalette(pal);
    connect(&ui::Scale::instance(), &ui::Scale::changed, this, [this] {
        if (isVisible())
            fitToScale();
    });

    // The buttons come first so that OK leads the focus chain.
    // The desktop's own font, as the buttons have always had it.
    QFont dialog = font();
    dialog.setPixelSize(QFontInfo(dialog).pixelSize());
    cmdOkay_ = ui::makeButton(this, "cmdOkay", tr("OK"),
                              ui::fromPixels(120, 240, 49, 33), dialog);
    QPushButton *cmdClear = ui::makeButton(this, "cmdClear", tr("Clear"),
                                           ui::fromPixels(216, 240, 49, 33), dialog);
    setTabOrder(cmdOkay_, cmdClear);

    auto makeLabel = [this](const QString &name, const Row &row, int left, int width,
                            int height, Qt::Alignment align) {
        return ui::makeLabel(this, name.toLatin1().constData(), QString(),
                             ui::fromPixels(left, row.top, width, height), row.colour, align,
                             art::font(art::FontFace::Times, row.points, true), ui::Black, false);
    };
    for (int i = 0; i < scores::Entries; ++i) {
        const Row &row = Rows[std::size_t(i)];
        makeLabel(QLatin1String(RankNames[i]), row, RankLeft, row.rankWidth, row.rankHeight,
                  Qt::AlignLeft)->setText(QStringLiteral("#%1").arg(i + 1));
        lblName_[std::size_t(i)] = makeLabel(QStringLiteral("lblName%1").arg(i), row, NameLeft,
                                             NameWidth, row.nameHeight, Qt::AlignLeft);
        ui::keepWhole(lblName_[std::size_t(i)]);
        lblScore_[std::size_t(i)] = makeLabel(QStringLiteral("lblScore%1").arg(i), row,
                                              ScoreLeft, ScoreWidth, row.scoreHeight,
                                              Qt::AlignRight);
        ui::keepWhole(lblScore_[std::size_t(i)]);
    }

    // The arrows go by the buttons' places, as in every window, not round
    // the focus chain.
    ui::arrowsFollowLayout(this);
    connect(cmdOkay_, &QPushButton::clicked, this, &frmHiScores::cmdOkay_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmHiScores::cmdClear_Click);
    connect(&book_, &scores::ScoreBook::tableChanged, this, &frmHiScores::showEntries);
    ui::readWhenActivated(this, [this] { return tableText(); });
}

// ---------------------------------------------------------------- showing

void frmHiScores::fitToScale()
{
    setFixedSize(ui::scaled(ui::fromPixels(0, 0, 402, 280)).size());
    ui::Layout::of(this).apply(ui::scale());
}

void frmHiScores::showWindow()
{
    if (!loaded_) {
        loaded_ = true;
        book_.clearIfEmpty();
    }
    fitToScale();
    // It has no place of its own: it opens over the table, where the player
    // looks, as the platform allows (Wayland's compositor places it itself).
    if (owner_ && !isVisible())
        ui::centreOver(this, owner_);
    // Above the table it belongs to, like every other window of the game: a
    // click on the disabled table cannot bury it.
    ui::keepAbove(this, owner_);
    ui::showInFront(this);
    cmdOkay_->setFocus();
}

void frmHiScores::GetScores()
{
    playerRow_ = -1;
    book_.reload();
}

// The name kept for an entry made without one is shown in the player's
// language; the file keeps its own bytes.
QString frmHiScores::shownName(const QByteArray &name)
{
    return name == scores::storedName({}) ? tr(" NO NAME  ") : scores::decodeName(name);
}

void frmHiScores::showEntries(const Table &table)
{
    shown_ = table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        lblScore_[i]->setText(QString::number(table[i].score));
        lblName_[i]->setText(shownName(table[i].name));
    }
}

QString frmHiScores::tableText() const
{
    const auto empty = [this](int i) {
        return shown_[std::size_t(i)] == scores::Entry{};
    };
    QStringList rows;
    for (int i = 0; i < scores::Entries; ++i) {
        if (empty(i)) {
            int last = i;
            while (last + 1 < scores::Entries && empty(last + 1))
                ++last;
            rows.append(last == i ? tr("Place %1 empty.").arg(i + 1)
                                  : tr("Places %1 to %2 empty.").arg(i + 1).arg(last + 1));
            i = last;
            continue;
        }
        const QString name = shownName(shown_[std::size_t(i)].name).trimmed();
        const int score = shown_[std::size_t(i)].score;
        rows.append((i == playerRow_ ? tr("#%1, %2, %3, your score.") : tr("#%1, %2, %3."))
                        .arg(QString::number(i + 1), name, QString::number(score)));   // one pass: a name may hold "%3"
    }
    return rows.join(QLatin1Char(' '));
}

void frmHiScores::ClearScores() { book_.clear(); }

// ---------------------------------------------------------------- a finished game

void frmHiScores::HighScores(std::int32_t score, const QRect &keepClear)
{
    // The name is asked without holding the table, so that another copy of
    // the game can finish its own entry meanwhile.
    const bool asked = book_.placeFor(score) > 0;
    QByteArray name;
    if (asked)
        name = scores::storedName(dialogs_.input(
            // Three lines, each ended by a carriage return as the prompt has always had.
            tr("You Got A High Score!!\rEnter Your Name:\r(10 Characters Max.)"), tr("High Score!!"), keepClear, scores::NameLength,
            [](QWidget *dialog) { ui::Announcer::of(dialog).say(tr("The name holds ten characters")); }));
    // The window then shows the table as it is kept: the new entry is in it
    // when it was saved. A tie enters below the entry it ties with.
    book_.enter(score, name);
    playerRow_ = -1;
    for (int i = 0; i < scores::Entries && !name.isEmpty(); ++i)
        if (shown_[std::size_t(i)].score == score && shown_[std::size_t(i)].name == name)
            playerRow_ = i;
    if (asked) {
        showWindow();
        emit opened();
    }
}

// ---------------------------------------------------------------- commands

void frmHiScores::cmdClear_Click()
{
    const platform::Answer answer = dialogs_.message(
        tr("Are you sure you want clear the highscores"), platform::Buttons::YesNo,
        platform::Icon::Question, QString::fromLatin1(version::Title), platform::Answer::Yes);
    if (answer == platform::Answer::Yes)
        ClearScores();
}

void frmHiScores::cmdOkay_Click()
{
    // The owner is back on before this window goes, so the focus returns to it.
    emit closed();
    hide();
}

void frmHiScores::keyPressEvent(QKeyEvent *event)
{
    if (ui::isKey(event, ui::KeyAction::GoBack))
        cmdOkay_->click();   // Escape acts as OK
    else
        QWidget::keyPressEvent(event);
}

void frmHiScores::closeEvent(QCloseEvent *event)
{
    // The close box acts as OK.
    event->accept();
    emit closed();
}
