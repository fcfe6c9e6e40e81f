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
    connect(&table, &Table::bannerChanged, this, &Narrator::bannerChanged);
    connect(&table, &Table::secondsLeftChanged, this, &Narrator::secondsLeftChanged);
    connect(&table, &Table::cardSelected, this, [this](int place, bool selected, int sum) {
        say((selected ? tr("%1, selected, %2") : tr("%1, unselected, %2")).arg(cardAt(place), total(sum)));
    });
    connect(&table, &Table::elevenMade, this, [this](int points, const QList<int> &) {
        say(tr("Eleven, %n point(s), score %1", nullptr, points).arg(table_.score()));
    });
    connect(&table, &Table::gapFilled, this, [this](int, game::Card card) {
        say(tr("No card turned: the drawn %1 fills the gap in the pyramid").arg(cardName_(card.face())));
    });
    connect(&table, &Table::turned, this, [this](game::Card card, int left) {
        say(tr("Turned %1, %2 left").arg(cardName_(card.face()), cards(left)));
    });
    // A count is told with its amount when it ends.
    connect(&table, &Table::countFinished, this, [this](game::BannerKind kind, int amount) {
        say(tr("%1 %2", "a banner and its amount").arg(bannerCaption({kind})).arg(amount));
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
        .arg(seconds(table_.secondsLeft()), elevens(table_.elevens()), cards(table_.cardsLeft()))
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
                    ? tr("Deck: %1").arg(cards(table_.cardsLeft()))
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

QString Narrator::total(int total) const
{
    return total > 11 ? tr("total %1, over eleven").arg(total) : tr("total %1").arg(total);
}

void Narrator::secondsLeftChanged(int seconds)
{
    if (table_.phase() != Phase::Playing || seconds <= 0)
        return;
    if (seconds <= 10 || (seconds % 30 == 0 && seconds < game::SecondsPerRound))
        say(tr("%n second(s) left", nullptr, seconds));
}

void Narrator::bannerChanged(const game::Banner &banner)
{
    using game::BannerKind;
    const bool another = banner.kind != banner_.kind || banner.round != banner_.round;
    // A count is told when its first step comes and every so many steps as
    // it goes (its end is a countFinished); a fixed amount (CLEAR SCREEN) is
    // told with its banner.
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
        say(tr("%1, final score %2").arg(bannerCaption(banner)).arg(banner.amount.value_or(0)));
    } else if (another && banner.kind == BannerKind::Round) {
        // A new round's banner comes with a whole new table.
        announcer_.say(bannerCaption(banner), ui::Announcer::LongSettleMs);
    }
    banner_ = banner;
}

void Narrator::say(const QString &message) { announcer_.say(message); }
