#include "app/Narrator.h"

#include "app/BannerCaption.h"
#include "ui/Announcer.h"
#include "ui/Keys.h"

using game::Phase;
using game::PlaceState;

namespace {

// The first place of each row of the pyramid, top to bottom, and the end of
// the last row.
constexpr std::array<int, 7> RowStarts = {0, 1, 5, 10, 16, 20, game::TablePlaces};

// A long count is told as it goes, so that a listener never waits long in
// silence: one word for so many steps (a step is 0.15 seconds).
constexpr int StepsBetweenWords = 16;

} // namespace

Narrator::Narrator(const game::Table &table, ui::Announcer &announcer,
                   std::function<QString(int)> cardName, QObject *parent)
    : QObject(parent), table_(table), announcer_(announcer), cardName_(std::move(cardName))
{
    using game::Table;
    for (int p = 0; p < game::PlaceCount; ++p)
        known_[std::size_t(p)] = table.place(p);
    connect(&table, &Table::placeChanged, this, &Narrator::placeChanged);
    connect(&table, &Table::bannerChanged, this, &Narrator::bannerChanged);
    connect(&table, &Table::secondsLeftChanged, this, &Narrator::secondsLeftChanged);
    connect(&table, &Table::cardsLeftChanged, this, &Narrator::cardsLeftChanged);
    connect(&table, &Table::elevensChanged, this, [this](int shown) {
        if (table_.phase() == Phase::Playing && shown > 0) {
            elevenTold_ = false;
            scoreBeforeEleven_ = table_.score();
        }
    });
}

QString Narrator::state() const
{
    if (table_.phase() == Phase::Idle)
        return tr("No game yet: %1 deals").arg(ui::keyText(ui::KeyAction::Deal).section(QLatin1Char(','), 0, 0));
    if (table_.phase() == Phase::Over)
        return tr("Game over, final score %1, %2 in the game")
            .arg(table_.score())
            .arg(elevens(table_.gameElevens()));
    return tr("Score %1, %2 left, %3, %4 left, round %5")
        .arg(table_.score())
        .arg(seconds(secondsLeft_), elevens(table_.elevens()), cards(cardsLeft_))
        .arg(table_.round());
}

void Narrator::sayState() { say(state()); }

QString Narrator::seconds(int n) const { return tr("%n second(s)", nullptr, n); }
QString Narrator::elevens(int n) const { return tr("%n eleven(s)", nullptr, n); }
QString Narrator::cards(int n) const { return tr("%n card(s)", nullptr, n); }

QString Narrator::tableText() const
{
    if (table_.phase() == Phase::Idle)
        return state();
    QStringList rows;
    for (std::size_t row = 0; row + 1 < RowStarts.size(); ++row) {
        QStringList places;
        for (int p = RowStarts[row]; p < RowStarts[row + 1]; ++p) {
            const PlaceState place = table_.place(p);
            if (place.shows != PlaceState::Shows::Face)
                places.append(tr("gone"));
            else
                places.append((place.open ? tr("%1, open") : tr("%1, covered")).arg(cardAt(p)));
        }
        rows.append(tr("Row %1: %2").arg(row + 1).arg(places.join(tr("; ", "between the cards of a row"))));
    }
    const PlaceState drawn = table_.place(game::DrawnPlace);
    rows.append(drawn.shows == PlaceState::Shows::Face ? tr("Drawn card: %1").arg(cardAt(game::DrawnPlace))
                                                       : tr("No drawn card"));
    rows.append(table_.place(game::DeckPlace).shows == PlaceState::Shows::Back
                    ? tr("Deck: %1").arg(cards(cardsLeft_))
                    : tr("The deck is empty"));
    return rows.join(tr(". ", "between the rows"));
}

void Narrator::sayTable() { say(tableText()); }

void Narrator::sayDeckEmpty() { say(tr("The deck is empty")); }

void Narrator::sayPlace(int place, int places)
{
    say(tr("A high score: place %1 of %2").arg(place).arg(places));
}

QString Narrator::cardAt(int place) const
{
    return cardName_(table_.place(place).card.face());
}

QString Narrator::totalNow() const
{
    const int total = table_.runningTotal().value_or(0);
    return total > 11 ? tr("total %1, over eleven").arg(total) : tr("total %1").arg(total);
}

void Narrator::placeChanged(int place)
{
    const PlaceState was = known_[std::size_t(place)];
    const PlaceState now = table_.place(place);
    known_[std::size_t(place)] = now;
    if (table_.phase() != Phase::Playing && table_.phase() != Phase::Counting)
        return;
    const bool sameCard = was.shows == PlaceState::Shows::Face && now.shows == PlaceState::Shows::Face &&
                          was.card == now.card;
    if (sameCard && now.selected && !was.selected) {
        say(tr("%1, selected, %2").arg(cardAt(place), totalNow()));
    } else if (sameCard && was.selected && !now.selected && table_.phase() == Phase::Playing) {
        say(tr("%1, unselected, %2").arg(cardAt(place), totalNow()));
    } else if (was.selected && !sameCard) {
        // The selected cards have gone as an eleven: told once for them all.
        if (!elevenTold_) {
            elevenTold_ = true;
            const int points = table_.score() - scoreBeforeEleven_;
            say(tr("Eleven, %n point(s), score %1", nullptr, points).arg(table_.score()));
        }
    } else if (place < game::TablePlaces && was.shows == PlaceState::Shows::Nothing &&
               now.shows == PlaceState::Shows::Face) {
        say(tr("No card turned: the drawn %1 fills the gap in the pyramid")
                .arg(cardAt(place)));
    }
}

void Narrator::cardsLeftChanged(int cards)
{
    const bool turned = table_.phase() == Phase::Playing && cards == cardsLeft_ - 1;
    cardsLeft_ = cards;
    if (turned)
        say(tr("Turned %1, %2 left").arg(cardAt(game::DrawnPlace), this->cards(cards)));
}

void Narrator::secondsLeftChanged(int seconds)
{
    secondsLeft_ = seconds;
    if (table_.phase() != Phase::Playing || seconds <= 0)
        return;
    if (seconds <= 10 || (seconds % 30 == 0 && seconds < game::SecondsPerRound))
        say(tr("%n second(s) left", nullptr, seconds));
}

void Narrator::bannerChanged(const game::Banner &banner)
{
    using game::BannerKind;
    const bool another = banner.kind != banner_.kind || banner.round != banner_.round;
    // A count is told when its first step comes, every so many steps as it
    // goes, and with its amount when its banner gives way; a fixed amount
    // (CLEAR SCREEN) is told with its banner.
    if (another && banner_.amountShown && countSteps_ > 0)
        say(tr("%1 %2", "a banner and its amount").arg(bannerCaption(banner_)).arg(banner_.amount.value_or(0)));
    if (another)
        countSteps_ = 0;
    if (another && banner.amountShown && banner.amount) {
        say(tr("%1 %2", "a banner and its amount").arg(bannerCaption(banner)).arg(*banner.amount));
    } else if (!another && banner.amountShown && banner.amount) {
        if (++countSteps_ == 1)
            say(bannerCaption(banner));
        else if (countSteps_ % StepsBetweenWords == 0)
            say(QString::number(*banner.amount));
    } else if (another && banner.kind == BannerKind::GameOver) {
        say(tr("%1, final score %2").arg(bannerCaption(banner)).arg(table_.score()));
    } else if (another && banner.kind == BannerKind::Round) {
        // A new round's banner comes with a whole new table.
        announcer_.say(bannerCaption(banner), ui::Announcer::LongSettleMs);
    }
    banner_ = banner;
}

void Narrator::say(const QString &message) { announcer_.say(message); }
