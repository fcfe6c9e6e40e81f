#include "game/Table.h"

#include "platform/Pacer.h"
#include "platform/Random.h"

#include <algorithm>

namespace game {

namespace {

constexpr int TimeBonusEach = 100;
constexpr int ElevenBonusEach = 1000;
constexpr int ClearTableBonus = 10000;
constexpr int CardsLeftBonusEach = 1000;
constexpr int BonusRoundScore = 90000;
constexpr int ShortPauseMs = 150;    // each step of a count
constexpr int LongPauseMs = 1500;    // the round banner, and after "CLEAR SCREEN"
constexpr int FirstTurnPosition = 23;

// The places lying over each place 0 to 19 (-1: none). Each row of the
// pyramid lies over the lower edge of the row above; place 7 sits in a gap of
// the row below it, and nothing lies over the bottom row, 20 and 21.
constexpr std::array<std::array<int, 2>, 20> CoveredBy = {{
    {2, 3},   {5, 6},   {6, 7},    {7, 8},    {8, 9},   {10, 11}, {11, 12},
    {-1, -1}, {13, 14}, {14, 15},  {16, -1},  {16, 17}, {17, -1}, {18, -1},
    {18, 19}, {19, -1}, {20, -1},  {20, -1},  {21, -1}, {21, -1},
}};

// Points for a card removed from each place: the higher it lay, the more.
constexpr std::array<int, TablePlaces + 1> Points = {
    700,                              // row 1
    600, 600, 600, 600,               // row 2
    500, 500, 500, 500, 500,          // row 3
    400, 400, 400, 400, 400, 400,     // row 4
    300, 300, 300, 300,               // row 5
    200, 200,                         // row 6
    100,                              // the drawn card
};

} // namespace

Table::Table(platform::Random &random, platform::Pacer &pacer, QObject *parent)
    : QObject(parent), random_(random), pacer_(pacer)
{
    random_.seed();
    // Before the first deal every place shows the back and takes no click.
    announced_.fill(PlaceState{});
}

// ---------------------------------------------------------------- state

bool Table::isOpen(int place) const
{
    if (place == DeckPlace)
        return !deckEmpty_;
    if (!cards_[std::size_t(place)])
        return false;
    if (place >= int(CoveredBy.size()))
        return true;   // the bottom row and the drawn card lie under nothing
    for (int cover : CoveredBy[std::size_t(place)])
        if (cover >= 0 && cards_[std::size_t(cover)])
            return false;
    return true;
}

PlaceState Table::place(int place) const
{
    PlaceState state;
    // Before the first deal every place shows the back.
    if (phase_ == Phase::Idle || place < 0 || place >= PlaceCount)
        return state;
    if (place == DeckPlace) {
        state.shows = deckEmpty_ ? PlaceState::Shows::Nothing : PlaceState::Shows::Back;
    } else if (const auto &card = cards_[std::size_t(place)]) {
        state.shows = PlaceState::Shows::Face;
        state.card = *card;
        state.selected = selected_[std::size_t(place)] && phase_ == Phase::Playing;
    } else {
        state.shows = PlaceState::Shows::Nothing;
    }
    state.open = isOpen(place);
    return state;
}

bool Table::tableCleared() const
{
    return std::none_of(cards_.begin(), cards_.begin() + TablePlaces,
                        [](const auto &card) { return card.has_value(); });
}

// ---------------------------------------------------------------- input

// What each phase takes. No table input while a banner shows or a count runs:
// a second end of round could start inside the first.
bool Table::accepts(Input input) const
{
    switch (input) {
    case Input::Deal:
        return phase_ == Phase::Idle || phase_ == Phase::Over;
    case Input::Place:
    case Input::TakeScore:
        return phase_ == Phase::Playing;
    case Input::Tick:
        return phase_ == Phase::Playing && clockRunning_;
    case Input::TimeUpSeen:
        return phase_ == Phase::TimeUp;
    }
    return false;
}

void Table::deal()
{
    if (!accepts(Input::Deal))
        return;
    startRound();
}

void Table::clickPlace(int place)
{
    if (!accepts(Input::Place) || place < 0 || place >= PlaceCount || !isOpen(place))
        return;
    if (place == DeckPlace)
        turn();
    else if (selected_[std::size_t(place)])
        unselect(place);
    else
        select(place);
    publish();
}

void Table::takeScore()
{
    if (!accepts(Input::TakeScore))
        return;
    endRound();
}

void Table::tick()
{
    if (!accepts(Input::Tick))
        return;
    // A round lasts 91 ticks: the first shows 89 seconds, the ninetieth 0, and
    // the next one ends the round.
    if (secondsLeft_ == 0) {
        setClockRunning(false);
        setPhase(Phase::TimeUp);
        emit timeUp();
        return;
    }
    showSeconds(--secondsLeft_);
}

void Table::acknowledgeTimeUp()
{
    if (!accepts(Input::TimeUpSeen))
        return;
    endRound();
}

// ---------------------------------------------------------------- selecting and removing

void Table::unselect(int place, bool told)
{
    selected_[std::size_t(place)] = false;
    setRunningTotal(runningTotal_.value_or(0) - cards_[std::size_t(place)]->value());
    if (told)
        emit cardSelected(place, false, *runningTotal_);
}

void Table::select(int place)
{
    selected_[std::size_t(place)] = true;
    const int total = runningTotal_.value_or(0) + cards_[std::size_t(place)]->value();
    setRunningTotal(total);
    // Below 11 the selection waits for more cards; above, for the player to
    // unselect some.
    if (total != 11) {
        emit cardSelected(place, true, total);
        return;
    }
    ++elevens_;
    ++gameElevens_;
    emit elevensChanged(elevens_);
    removeSelected();
    if (phase_ == Phase::Playing)
        setRunningTotal(0);
}

void Table::removeSelected()
{
    const bool drawnLeft = selected_[DrawnPlace];
    QList<int> places;
    int points = 0;
    for (int p = 0; p <= DrawnPlace; ++p) {
        if (!selected_[std::size_t(p)])
            continue;
        selected_[std::size_t(p)] = false;
        cards_[std::size_t(p)].reset();
        places.append(p);
        points += Points[std::size_t(p)];
    }
    setScore(score_ + points);
    // When the drawn card has just left its place, the one it covered comes back.
    if (drawnLeft && !cards_[DrawnPlace] && !covered_.empty()) {
        cards_[DrawnPlace] = covered_.back();
        covered_.pop_back();
    }
    emit elevenMade(points, places);
    if (tableCleared())
        startClearBonus();
}

// The Turn: a click on the deck.
void Table::turn()
{
    // The drawn card leaves its place or goes under the new one: what
    // happens to it is told, not that it is no longer selected.
    if (selected_[DrawnPlace])
        unselect(DrawnPlace, false);
    if (cards_[DrawnPlace]) {
        // A drawn card still showing fills the first empty place in the
        // table's order (the lowest number, so usually the highest on
        // screen), and no card is turned; the table's selection is dropped.
        for (int p = 0; p < TablePlaces; ++p)
            if (selected_[std::size_t(p)])
                unselect(p);
        const auto empty = std::find_if(cards_.begin(), cards_.begin() + TablePlaces,
                                         [](const auto &card) { return !card.has_value(); });
        if (empty != cards_.begin() + TablePlaces) {
            *empty = cards_[DrawnPlace];
            cards_[DrawnPlace].reset();
            if (!covered_.empty()) {
                cards_[DrawnPlace] = covered_.back();
                covered_.pop_back();
            }
            emit gapFilled(int(empty - cards_.begin()), **empty);
            return;
        }
        // Otherwise the new card covers it, until the new one is used.
        covered_.push_back(*cards_[DrawnPlace]);
    }
    cards_[DrawnPlace] = deck_.at(deckPosition_);
    ++deckPosition_;
    const int left = Deck::Size + 1 - deckPosition_;
    if (deckPosition_ > Deck::Size) {
        deckEmpty_ = true;
        deckPosition_ = Deck::Size;
    }
    showCards(left);
    emit turned(*cards_[DrawnPlace], left);
}

// ---------------------------------------------------------------- rounds and bonuses

void Table::startRound()
{
    deck_.shuffle(random_);
    for (int p = 0; p < TablePlaces; ++p)
        cards_[std::size_t(p)] = deck_.at(p + 1);
    cards_[DrawnPlace].reset();
    selected_.fill(false);
    covered_.clear();
    deckPosition_ = FirstTurnPosition;
    deckEmpty_ = false;
    setRunningTotal(std::nullopt);
    elevens_ = 0;
    emit elevensChanged(0);
    secondsLeft_ = SecondsPerRound;
    showSeconds(secondsLeft_);
    showCards(Deck::Size + 1 - deckPosition_);
    if (round_ == 1) {
        setScore(0);
        gameElevens_ = 0;
    }
    setBanner({BannerKind::Round, round_, false, {}});
    setPhase(Phase::Announcing);   // and the new table shows
    step_ = Step::RoundBanner;
    pacer_.after(LongPauseMs, this, [this] { advance(); });
}

void Table::endRound()
{
    setClockRunning(false);
    setPhase(Phase::Counting);
    setRunningTotal(std::nullopt);
    startCount(Step::Elevens, BannerKind::ElevensBonus, elevens_);
}

void Table::startClearBonus()
{
    setClockRunning(false);
    setPhase(Phase::Counting);
    setRunningTotal(std::nullopt);
    setBanner({BannerKind::ClearScreen, 0, true, ClearTableBonus});
    setScore(score_ + ClearTableBonus);
    step_ = Step::ClearPause;
    pacer_.after(LongPauseMs, this, [this] { advance(); });
}

void Table::startCount(Step count, BannerKind kind, int steps)
{
    step_ = count;
    stepsDone_ = 0;
    stepsTotal_ = steps;
    bonus_ = 0;
    setBanner({kind, 0, true, {}});
    countStep();
}

// One step of a count, then a short pause before the next; a count of no
// steps ends at once.
void Table::countStep()
{
    if (stepsDone_ == stepsTotal_) {
        finishCount();
        return;
    }
    ++stepsDone_;
    const int left = stepsTotal_ - stepsDone_;
    int each = 0;
    switch (step_) {
    case Step::Elevens:
        each = ElevenBonusEach;
        emit elevensChanged(left);
        break;
    case Step::TimeBonus:
        each = TimeBonusEach;
        showSeconds(left);
        break;
    case Step::CardsLeft:
        each = CardsLeftBonusEach;
        showCards(left);
        break;
    default:
        return;
    }
    bonus_ += each;
    setBanner({banner_.kind, 0, true, bonus_});
    setScore(score_ + each);
    pacer_.after(ShortPauseMs, this, [this] { advance(); });
}

void Table::advance()
{
    switch (step_) {
    case Step::RoundBanner:
        step_ = Step::None;
        setBanner({});
        setPhase(Phase::Playing);
        setClockRunning(true);
        break;
    case Step::ClearPause:
        startCount(Step::CardsLeft, BannerKind::CardsLeftBonus,
                   Deck::Size + 1 - deckPosition_);
        break;
    case Step::CardsLeft:
    case Step::Elevens:
    case Step::TimeBonus:
        countStep();
        break;
    case Step::None:
        break;
    }
}

void Table::finishCount()
{
    if (stepsTotal_ > 0)
        emit countFinished(banner_.kind, bonus_);
    switch (step_) {
    case Step::CardsLeft:
        // The cleared table then ends its round like Take Score.
        setBanner({});
        endRound();
        break;
    case Step::Elevens:
        startCount(Step::TimeBonus, BannerKind::TimeLeftBonus, secondsLeft_);
        break;
    case Step::TimeBonus:
        step_ = Step::None;
        setBanner({});
        ++round_;
        // Round 3, the bonus round, only from 90000 points after round 2.
        if ((round_ == 3 && score_ < BonusRoundScore) || round_ > 3)
            endGame();
        else
            startRound();
        break;
    default:
        break;
    }
}

void Table::endGame()
{
    round_ = 1;
    setBanner({BannerKind::GameOver, 0, false, score_});
    setPhase(Phase::Over);
    emit gameOver(score_);
}

// ---------------------------------------------------------------- announcing

void Table::setPhase(Phase phase)
{
    if (phase_ == phase)
        return;
    phase_ = phase;
    emit phaseChanged(phase);
    publish();   // a selection shows only in play
}

void Table::setScore(int score)
{
    score_ = score;
    emit scoreChanged(score);
}

void Table::setRunningTotal(std::optional<int> total)
{
    runningTotal_ = total;
    emit runningTotalChanged(total);
}

void Table::setBanner(const Banner &banner)
{
    if (banner_ == banner)
        return;
    banner_ = banner;
    emit bannerChanged(banner);
}

void Table::setClockRunning(bool running)
{
    if (clockRunning_ == running)
        return;
    clockRunning_ = running;
    if (running)
        pacer_.startClock(1000, this, [this] { tick(); });
    else
        pacer_.stopClock();
    emit clockRunningChanged(running);
}

void Table::showSeconds(int seconds)
{
    secondsShown_ = seconds;
    emit secondsLeftChanged(seconds);
}

void Table::showCards(int cards)
{
    cardsShown_ = cards;
    emit cardsLeftChanged(cards);
}

void Table::publish()
{
    for (int p = 0; p < PlaceCount; ++p) {
        const PlaceState now = place(p);
        if (now == announced_[std::size_t(p)])
            continue;
        announced_[std::size_t(p)] = now;
        emit placeChanged(p);
    }
}

} // namespace game
