#include "app/frmQuintrel.h"

#include "app/BannerCaption.h"
#include "app/Narrator.h"
#include "assets/Art.h"
#include "cards/CardArt.h"
#include "cards/CardPicture.h"
#include "cards/CardSize.h"
#include "platform/Dialogs.h"
#include "scores/frmHiScores.h"
#include "ui/Announcer.h"
#include "ui/Button.h"
#include "ui/Colours.h"
#include "ui/Keys.h"
#include "ui/Label.h"
#include "ui/Layout.h"
#include "ui/Placement.h"
#include "ui/Reading.h"
#include "ui/Scale.h"
#include "windows/frmMenu.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <cmath>

using game::Phase;
using game::PlaceState;

namespace {

struct PlaceAt { int left, top; };
constexpr std::array<PlaceAt, game::PlaceCount> PlacePositions = {{
    {3960, 240},                                              // row 1
    {1680, 1080}, {3240, 1080}, {4680, 1080}, {6240, 1080},   // row 2
    {1080, 1920}, {2280, 1920}, {3960, 1920}, {5640, 1920}, {6840, 1920},
    {360, 2760}, {1560, 2760}, {2760, 2760}, {5160, 2760}, {6360, 2760}, {7560, 2760},
    {960, 3600}, {2160, 3600}, {5760, 3600}, {6960, 3600},
    {1560, 4440}, {6360, 4440},                                // row 6
    {4560, 5160},                                              // 22, the drawn card
    {3360, 5160},                                              // 23, the deck
}};

// The table's client area as designed, in pixels at the designed size.
constexpr int DesignedWidth = 592, DesignedHeight = 453;
// Below three quarters of the designed size the smallest captions, of 11
// pixels, would shrink under 8 and could no longer be read.
constexpr double SmallestScale = 0.75;
// Ctrl+Plus and Ctrl+Minus move the size a quarter of the designed size.
constexpr double ScaleStep = 0.25;

QString number(int value) { return QString::number(value); }

// The time bar is told in seconds by its name; as a bar, a reader would call
// out a percentage every few seconds. Its value is still there to be asked.
class TimeLeftAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TimeLeftAccessible(QProgressBar *bar) : QAccessibleWidget(bar, QAccessible::StaticText) {}
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    QProgressBar *bar() const { return static_cast<QProgressBar *>(widget()); }
};

// A screen reader sees the table as the game's window, not a bare panel.
QAccessibleInterface *tableAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("frmQuintrel") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String("QProgressBar") && object &&
        object->objectName() == QLatin1String("ProgressBar1"))
        return new TimeLeftAccessible(static_cast<QProgressBar *>(object));
    return nullptr;
}

} // namespace

frmQuintrel::frmQuintrel(const Services &services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::WindowMaximizeButtonHint),
      services_(services), table_(services.random, services.pacer), book_(services.store)
{
    buildControls();
    bindTable();
    narrator_ = new Narrator(table_, ui::Announcer::of(this), &cards::faceName, this);
    ui::addAction(this, ui::KeyAction::SayState, [this] { narrator_->sayState(); });
    ui::addAction(this, ui::KeyAction::ReadTable, [this] { narrator_->sayTable(); });
    addBetweenRoundsKeys();
    ui::addAction(this, ui::KeyAction::KeyHelp, [this] {
        services_.dialogs.message(ui::keyHelp(), platform::Buttons::Ok, platform::Icon::None,
                                  tr("Keys"));
    });
    // Named before the first deal too, as what they are: backs and the deck.
    for (int p = 0; p < game::PlaceCount; ++p)
        nameForReader(p, table_.place(p));

    // What the last games left behind: the best score and the chosen back.
    connect(&book_, &scores::ScoreBook::bestScoreChanged, this, &frmQuintrel::showBestScore);
    connect(&book_, &scores::ScoreBook::trouble, this, [this](const QString &message) {
        services_.dialogs.message(message, platform::Buttons::Ok, platform::Icon::Warning);
    });
    connect(&book_, &scores::ScoreBook::cardBackChanged, this, &frmQuintrel::useCardBack);
    book_.open();
}

frmQuintrel::~frmQuintrel() = default;

void frmQuintrel::buildControls()
{
    // Before anything asks how a screen reader sees the window.
    static const bool accessible = (QAccessible::installFactory(tableAccessible), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("frmQuintrel"));
    setWindowTitle(tr("Quintrel"));
    setAccessibleName(tr("Quintrel"));
    // The window can take any size; the table keeps its shape in the middle
    // of it, and the window's blue fills the rest. Made to fit a screen, it
    // keeps the table's shape too.
    setGeometry(QRect(ui::Scale::instance().tableAt(), QSize(DesignedWidth, DesignedHeight)));
    setMinimumSize(QSizeF(DesignedWidth * SmallestScale, DesignedHeight * SmallestScale).toSize());
    setProperty("keepsShape", true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ui::Blue);
    setPalette(pal);

    // Places first, in index order, so that a higher index lies over a lower
    // one; the labels come after them and lie over the places.
    ui::Layout &layout = ui::Layout::of(this);
    for (int i = 0; i < game::PlaceCount; ++i) {
        auto *place = new CardPicture(i, this, 2);
        place->setObjectName(QStringLiteral("imgSpot%1").arg(i));
        const PlaceAt at = PlacePositions[std::size_t(i)];
        layout.add(place, QRect(at.left, at.top, cards::CardWidth * 15, cards::CardHeight * 15));
        place->setEnabled(false);
        connect(place, &CardPicture::picked, &table_, &game::Table::clickPlace);
        places_[std::size_t(i)] = place;
    }

    const QFont dialog = art::font(art::FontFace::SansSerif, 8.25, false);
    auto makeButton = [this, &dialog](const char *name, const QString &caption, QRect twips) {
        return ui::makeButton(this, name, caption, twips, dialog);
    };
    cmdMenu_ = makeButton("cmdMenu", ui::caption(ui::KeyAction::Menu), QRect(120, 120, 1215, 495));
    cmdScores_ = makeButton("cmdScores", ui::caption(ui::KeyAction::HighScores), QRect(1680, 120, 1215, 495));
    cmdTake_ = makeButton("cmdTake", ui::caption(ui::KeyAction::TakeScore), QRect(7560, 840, 1215, 495));
    cmdDeal_ = makeButton("cmdDeal", ui::caption(ui::KeyAction::Deal), QRect(3510, 4440, 975, 495));
    cmdExit_ = makeButton("cmdExit", ui::caption(ui::KeyAction::Exit), QRect(4560, 4440, 975, 495));

    // The captions do not wrap (but "CARDS LEFT:", which is made to), and a
    // click goes through them to the card below.
    auto makeLabel = [this](const char *name, const QString &caption, QRect twips,
                            QColor colour, Qt::Alignment align, art::FontFace face,
                            double points) {
        QLabel *l = ui::makeLabel(this, name, caption, twips, colour, align,
                                  art::font(face, points, true), ui::Blue, false);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        return l;
    };
    using art::FontFace;
    using ui::Red, ui::Cyan, ui::Green, ui::Yellow;
    makeLabel("lblElevens", tr("ELEVENS"), QRect(120, 840, 1215, 375),
                           Red, Qt::AlignHCenter, FontFace::Futura, 14.25);
    lblEleven_ = makeLabel("lblEleven", QStringLiteral("0"), QRect(240, 1200, 735, 495), Yellow,
                          Qt::AlignHCenter, FontFace::Times, 26.25);
    makeLabel("lblHigh", tr("HIGH SCORE:"), QRect(5400, 120, 1815, 255),
                        Cyan, Qt::AlignLeft, FontFace::Futura, 12);
    lblHighScore_ = makeLabel("lblHighScore", QStringLiteral("200000"),
                             QRect(7320, 120, 1095, 255), Cyan, Qt::AlignLeft, FontFace::Futura, 12);
    ui::keepWhole(lblHighScore_);   // read from a file: any ten digits
    lblBonusTxt_ = makeLabel("lblBonusTxt", QString(),
                            QRect(2280, 1920, 4455, 615), Green, Qt::AlignHCenter, FontFace::Futura, 24);
    lblBonusScore_ = makeLabel("lblBonusScore", QStringLiteral("90000"),
                              QRect(3600, 2760, 1935, 615), Cyan, Qt::AlignHCenter, FontFace::Futura, 24);
    lblRunTot_ = makeLabel("lblRunTot", QStringLiteral("11"), QRect(4080, 3600, 855, 615), Red,
                          Qt::AlignHCenter, FontFace::Futura, 26.25);
    auto *lblCards = makeLabel("lblCards", tr("CARDS LEFT:"), QRect(2700, 5880, 615, 375),
                         Red, Qt::AlignLeft, FontFace::Futura, 8.25);
    lblCards->setWordWrap(true);
    lblCardsLeft_ = makeLabel("lblCardsLeft", QStringLiteral("30"), QRect(2880, 6360, 375, 255),
                             Yellow, Qt::AlignHCenter, FontFace::Futura, 12);
    makeLabel("lblTime", tr("TIME LEFT:"), QRect(360, 6000, 1455, 255), Red,
                        Qt::AlignLeft, FontFace::Futura, 12);
    makeLabel("lblScore", tr("SCORE:"), QRect(7080, 6000, 1215, 375), Red,
                         Qt::AlignRight, FontFace::Futura, 14.25);
    lblScoreTot_ = makeLabel("lblScoreTot", QStringLiteral("200000"), QRect(7080, 6360, 1335, 375),
                            Green, Qt::AlignHCenter, FontFace::Futura, 15.75);

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    layout.add(progressBar_, QRect(120, 6360, 2535, 315));
    progressBar_->setRange(0, 90);
    progressBar_->setValue(90);
    progressBar_->setTextVisible(false);

    setTabOrder(cmdMenu_, cmdScores_);
    setTabOrder(cmdScores_, cmdTake_);
    setTabOrder(cmdTake_, cmdDeal_);
    setTabOrder(cmdDeal_, cmdExit_);
    setTabOrder(cmdExit_, progressBar_);

    // The window as it waits for the first Deal, which Space or Enter makes.
    cmdDeal_->setFocus(Qt::OtherFocusReason);
    lblRunTot_->clear();
    lblScoreTot_->clear();
    lblBonusTxt_->hide();
    lblBonusScore_->hide();
    cmdTake_->hide();

    // The desktop's own keys for a new game and for quitting: Ctrl+N deals
    // only where Deal could be pressed, Ctrl+Q leaves as Exit and the close
    // box do, in a round too.
    ui::addAction(this, ui::KeyAction::Deal, [this] {
        if (cmdDeal_->isVisible() && cmdDeal_->isEnabled())
            cmdDeal_->click();
        else
            ui::Announcer::of(this).say(tr("Deal is there between rounds"));
    });
    ui::addAction(this, ui::KeyAction::Exit, [this] { emit exitRequested(); });
    // N turns the next card wherever the focus is on the table.
    ui::addAction(this, ui::KeyAction::Turn, [this] {
        if (table_.phase() == Phase::Playing && !table_.place(game::DeckPlace).open)
            narrator_->sayDeckEmpty();
        table_.clickPlace(game::DeckPlace);
    });
    progressBar_->setAccessibleName(tr("Time left %n second(s)", nullptr, 90));

    addSizeActions();
    // The arrows go to the nearest card or button that way, as in every
    // window; the buttons would otherwise follow the focus chain.
    ui::arrowsFollowLayout(this);

    connect(cmdDeal_, &QPushButton::clicked, &table_, &game::Table::deal);
    connect(cmdTake_, &QPushButton::clicked, &table_, &game::Table::takeScore);
    connect(cmdExit_, &QPushButton::clicked, this, &frmQuintrel::exitRequested);
    connect(cmdMenu_, &QPushButton::clicked, this, &frmQuintrel::openMenu);
    connect(cmdScores_, &QPushButton::clicked, this, &frmQuintrel::openHighScores);
}

void frmQuintrel::addSizeActions()
{
    // A window sized for a step can fall short of it by a few pixels (its
    // size is rounded down, and at 150 % the window manager rounds it once
    // more): within a tenth of a step, the table counts as on it, so that
    // every press moves it.
    constexpr double Near = 0.1;
    // A listener hears the size the table has taken.
    auto sized = [this](double wanted) {
        useScale(wanted);
        ui::Announcer::of(this).say(
            tr("Table at %1 percent of its designed size").arg(std::lround(tableScale() * 100)));
    };
    ui::addAction(this, ui::KeyAction::LargerTable, [this, sized] {
        sized((std::floor(tableScale() / ScaleStep + Near) + 1) * ScaleStep);
    });
    ui::addAction(this, ui::KeyAction::SmallerTable, [this, sized] {
        sized((std::ceil(tableScale() / ScaleStep - Near) - 1) * ScaleStep);
    });
    ui::addAction(this, ui::KeyAction::DesignedSize, [sized] { sized(1.0); });
}

void frmQuintrel::addBetweenRoundsKeys()
{
    const std::array<std::pair<QPushButton *, QString>, 4> keys = {{
        {cmdMenu_, tr("The menu opens between rounds")},
        {cmdScores_, tr("The high scores open between rounds")},
        {cmdExit_, tr("Exit is there between rounds; Ctrl+Q leaves the game now")},
        {cmdDeal_, tr("Deal is there between rounds")},
    }};
    for (const auto &[button, why] : keys) {
        auto *action = new QAction(why, this);
        action->setObjectName(QLatin1String("actWhyNo") + button->objectName());
        action->setShortcut(QKeySequence::mnemonic(button->text()));
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, why] { ui::Announcer::of(this).say(why); });
        // Only while the buttons are away: their own Alt letters work between rounds.
        connect(&table_, &game::Table::phaseChanged, action,
                [action](Phase phase) { action->setEnabled(phase != Phase::Idle && phase != Phase::Over); });
        addAction(action);
    }
}

double frmQuintrel::tableScale() const
{
    return std::min(double(width()) / DesignedWidth, double(height()) / DesignedHeight);
}

void frmQuintrel::useScale(double wanted)
{
    // The saved size comes from a file like any other: what is not a size
    // means the designed one.
    if (!std::isfinite(wanted))
        wanted = 1.0;
    // A maximised or full-screen table already fills the screen, and the
    // window manager still has it in that state: it stays so.
    if (isMaximized() || isFullScreen())
        return;
    // Never beyond what the screen holds with the window's frame, nor below
    // what keeps the captions readable; the size is rounded down, so that
    // the largest table never takes its frame past the screen's edge.
    const QRect available = ui::wholeOnScreen(screen()->availableGeometry(), devicePixelRatioF());
    const QSize frame = ui::framedGeometry(this).size() - size();
    const double largest = std::min(double(available.width() - frame.width()) / DesignedWidth,
                                    double(available.height() - frame.height()) / DesignedHeight);
    const double factor = std::max(SmallestScale, std::min(wanted, largest));
    resize(int(std::floor(DesignedWidth * factor + 1e-6)), int(std::floor(DesignedHeight * factor + 1e-6)));
    if (isVisible()) {
        const QRect framed(ui::framedGeometry(this).topLeft(), size() + frame);
        const QRect placed = ui::placeOnScreen(framed, available);
        if (placed != framed)
            move(pos() + placed.topLeft() - framed.topLeft());
    }
}

QPoint frmQuintrel::tableOrigin() const
{
    const double factor = tableScale();
    return {(width() - int(std::lround(DesignedWidth * factor))) / 2,
            (height() - int(std::lround(DesignedHeight * factor))) / 2};
}

void frmQuintrel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ui::Layout::of(this).apply(tableScale(), tableOrigin());
    ui::Scale::instance().set(tableScale(), mapToGlobal(tableOrigin()));
}

void frmQuintrel::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    ui::Scale::instance().set(tableScale(), mapToGlobal(tableOrigin()));
}

void frmQuintrel::bindTable()
{
    using game::Table;
    connect(&table_, &Table::placeChanged, this, &frmQuintrel::showPlace);
    connect(&table_, &Table::phaseChanged, this, &frmQuintrel::showPhase);
    connect(&table_, &Table::bannerChanged, this, &frmQuintrel::showBanner);
    // Each figure also tells a screen reader what it is.
    auto show = [](QLabel *label, const QString &name, int value) {
        label->setText(number(value));
        label->setAccessibleName(name.arg(value));
    };
    connect(&table_, &Table::scoreChanged, this,
            [this, show](int score) { show(lblScoreTot_, tr("Score %1"), score); });
    connect(&table_, &Table::elevensChanged, this,
            [this, show](int shown) { show(lblEleven_, tr("Elevens %1"), shown); });
    connect(&table_, &Table::cardsLeftChanged, this, [this, show](int cards) {
        show(lblCardsLeft_, tr("Cards left %1"), cards);
        showPlace(game::DeckPlace);
    });
    connect(&table_, &Table::secondsLeftChanged, this, [this](int seconds) {
        progressBar_->setValue(seconds);
        progressBar_->setAccessibleName(tr("Time left %n second(s)", nullptr, seconds));
    });
    connect(&table_, &Table::runningTotalChanged, this, [this](std::optional<int> total) {
        lblRunTot_->setText(total ? number(*total) : QString());
        // Read as a number where no card is selected too.
        lblRunTot_->setAccessibleName(tr("Running total %1").arg(total.value_or(0)));
    });
    // Both wait for a dialog, so they run once the table has finished its step.
    connect(&table_, &Table::timeUp, this, [this] {
        services_.dialogs.message(tr("time is up!!!"));
        table_.acknowledgeTimeUp();
    }, Qt::QueuedConnection);
    // The name prompt keeps "GAME OVER" in view. A listener hears GAME OVER,
    // the final score and the place it takes before the name is asked.
    connect(&table_, &Table::gameOver, this, [this](int finalScore) {
        if (const int place = book_.placeFor(finalScore))
            narrator_->sayPlace(place, scores::Entries);
        ui::Announcer::of(this).afterSaying([this, finalScore] {
            const QRect banner(lblBonusTxt_->mapToGlobal(QPoint()), lblBonusTxt_->size());
            hiScores().HighScores(finalScore, banner);
        });
    }, Qt::QueuedConnection);
}

void frmQuintrel::showPlace(int index)
{
    const PlaceState state = table_.place(index);
    CardPicture *place = places_[std::size_t(index)];
    const bool hadFocus = place->hasFocus();
    const QString nameBefore = place->accessibleName();
    switch (state.shows) {
    case PlaceState::Shows::Back:
        place->showBack(book_.cardBack());
        break;
    case PlaceState::Shows::Face:
        place->showFace(state.card.face());
        break;
    case PlaceState::Shows::Nothing:
        place->showNothing();
        break;
    }
    // An empty drawn-card place stays, so a screen reader can say it is empty.
    place->setVisible(state.shows != PlaceState::Shows::Nothing || index == game::DrawnPlace);
    place->setEnabled(state.open && table_.phase() == Phase::Playing);
    place->setOutline(state.selected ? ui::Red : QColor());
    place->setSelected(state.selected);
    nameForReader(index, state);
    if (hadFocus)
        keepFocus(place);
    // A card that came under the focus in place of another (a covered drawn
    // card back after an eleven or a Turn) is named too.
    if (hadFocus && place->hasFocus() && index != game::DeckPlace && place->accessibleName() != nameBefore)
        tellFocus();
}

void frmQuintrel::nameForReader(int index, const PlaceState &state)
{
    CardPicture *place = places_[std::size_t(index)];
    QString name, description;
    if (index == game::DeckPlace) {
        name = table_.phase() == Phase::Idle ? tr("Deck") : tr("Deck, %n card(s)", nullptr, table_.cardsLeft());
    } else if (state.shows == PlaceState::Shows::Face) {
        name = cards::faceName(state.card.face());
        if (state.selected)
            description = tr("selected");
        else if (!state.open)
            description = tr("covered");
    } else if (state.shows == PlaceState::Shows::Back) {
        name = tr("Card face down");
    } else {
        name = tr("No drawn card");
    }
    // Each change is an event a screen reader must work through; a deal
    // makes enough of them for it to start dropping the banner's.
    if (place->accessibleName() != name)
        place->setAccessibleName(name);
    if (place->accessibleDescription() != description)
        place->setAccessibleDescription(description);
}

// A card that leaves, or closes, passes the focus to the nearest card that
// can take it; with none, to the deck, then to the buttons.
void frmQuintrel::keepFocus(CardPicture *leaving)
{
    if (leaving->isVisible() && leaving->isEnabled())
        return;
    if (CardPicture *nearest = leaving->neighbour())
        nearest->setFocus(Qt::TabFocusReason);
    else if (cmdTake_->isVisible())
        cmdTake_->setFocus(Qt::TabFocusReason);
    tellFocus();
}

void frmQuintrel::tellFocus()
{
    // Told once the table's step is over, when the focus has come to rest.
    if (!std::exchange(focusToBeTold_, true))
        QTimer::singleShot(0, this, &frmQuintrel::sayFocus);
}

void frmQuintrel::sayFocus()
{
    focusToBeTold_ = false;
    const QWidget *focus = focusWidget();
    if (!focus || !focus->isVisible() || table_.phase() != Phase::Playing)
        return;
    // Not again where the step's own words name it already (a Turn's card).
    ui::Announcer &announcer = ui::Announcer::of(this);
    const QString description = focus->accessibleDescription();
    if (!announcer.waiting(focus->accessibleName()))
        announcer.say(description.isEmpty() ? focus->accessibleName()
                                            : tr("%1, %2", "a card and what it is").arg(focus->accessibleName(), description));
}

void frmQuintrel::showPhase(Phase phase)
{
    const bool between = phase == Phase::Idle || phase == Phase::Over;
    cmdMenu_->setVisible(between);
    cmdScores_->setVisible(between);
    cmdDeal_->setVisible(between);
    cmdExit_->setVisible(between);
    cmdTake_->setVisible(phase == Phase::Playing);
    for (int p = 0; p < game::PlaceCount; ++p)
        places_[std::size_t(p)]->setEnabled(phase == Phase::Playing && table_.place(p).open);
    // A round starts with the focus and its ring on the deck, a game ends
    // with the focus on Deal. While the round is announced or counted the
    // buttons are gone and the cards wait: the table itself holds the focus,
    // which would otherwise go with the hidden button or the closed card.
    if (phase == Phase::Playing)
        places_[game::DeckPlace]->setFocus(Qt::TabFocusReason);
    else if (between)
        cmdDeal_->setFocus(Qt::OtherFocusReason);
    else if (QWidget *focus = focusWidget(); !focus || !focus->isVisible() || !focus->isEnabled())
        setFocus(Qt::OtherFocusReason);
}

void frmQuintrel::showBanner(const game::Banner &banner)
{
    const QString title = bannerCaption(banner);
    lblBonusTxt_->setText(title);
    ui::Layout::of(this).fit(lblBonusTxt_);
    lblBonusTxt_->setVisible(!title.isEmpty());
    lblBonusScore_->setText(banner.amount ? number(*banner.amount) : QString());
    lblBonusScore_->setVisible(banner.amountShown);
    // A listener hears the banner and each step of a count as a change of
    // the banner's name.
    lblBonusTxt_->setAccessibleName(banner.amountShown && banner.amount ? tr("%1 %2", "a banner and its amount").arg(title).arg(*banner.amount)
                                                  : title);
}

void frmQuintrel::showBestScore(std::int32_t best)
{
    lblHighScore_->setText(number(best));
    lblHighScore_->setAccessibleName(tr("High score %1").arg(best));
}

void frmQuintrel::useCardBack(int back)
{
    for (int p = 0; p < game::PlaceCount; ++p)
        if (table_.place(p).shows == PlaceState::Shows::Back)
            places_[std::size_t(p)]->showBack(back);
}

frmHiScores &frmQuintrel::hiScores()
{
    if (!hiScores_) {
        hiScores_ = std::make_unique<frmHiScores>(book_, services_.dialogs, this);
        connect(hiScores_.get(), &frmHiScores::opened, this, [this] { setEnabled(false); });
        connect(hiScores_.get(), &frmHiScores::closed, this, &frmQuintrel::takeInputBack);
    }
    return *hiScores_;
}

frmMenu &frmQuintrel::menu()
{
    if (!menu_) {
        menu_ = std::make_unique<frmMenu>(services_.dialogs, services_.systemInfo,
                                          [this] { return book_.cardBack(); }, this);
        connect(menu_.get(), &frmMenu::closed, this, &frmQuintrel::takeInputBack);
        // Shown for this run even when it could not be saved.
        connect(menu_.get(), &frmMenu::backChosen, &book_, &scores::ScoreBook::setCardBack);
    }
    return *menu_;
}

void frmQuintrel::openMenu()
{
    setEnabled(false);
    menu().showWindow();
}

void frmQuintrel::openHighScores()
{
    hiScores().showWindow();
    hiScores().GetScores();
    setEnabled(false);
}

void frmQuintrel::takeInputBack()
{
    setEnabled(true);
    // Between games the way on is Deal, not the first button of the row.
    if (cmdDeal_->isVisible())
        cmdDeal_->setFocus(Qt::OtherFocusReason);
    show();
    raise();
    activateWindow();
}

void frmQuintrel::closeEvent(QCloseEvent *event)
{
    // Closing the table by its title bar ends the game like Exit, also in the
    // middle of a round or a count.
    event->accept();
    emit exitRequested();
}
