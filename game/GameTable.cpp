#include "game/GameTable.h"

#include "platform/Platform.h"
#include "scores/DataFiles.h"
#include "scores/ScoreTable.h"

namespace game {

namespace {

constexpr int SecondsPerRound = 90;
constexpr int TimeBonusPerSecond = 100;
constexpr int ElevenBonusEach = 1000;
constexpr int ClearTableBonus = 10000;
constexpr int CardsLeftBonusEach = 1000;
constexpr int BonusRoundScore = 90000;
constexpr double ShortPause = 0.15;
constexpr double LongPause = 1.5;

constexpr int None = -1;

// The places lying over each place 0 to 19; -1 fills the unused slot.
constexpr std::array<std::array<int, 2>, 22> CoverTable = {{
    {2, 3},  {5, 6},   {6, 7},   {7, 8},   {8, 9},   {10, 11}, {11, 12},
    {None, None},      {13, 14}, {14, 15}, {16, None}, {16, 17}, {17, None},
    {18, None}, {18, 19}, {19, None}, {20, None}, {20, None}, {21, None}, {21, None},
    {None, None}, {None, None},
}};

QString num(int value) { return QString::number(value); }

} // namespace

GameTable::GameTable(platform::Platform &platform, TableView *view)
    : platform_(platform), view_(view)
{
    // The controls as the window is designed, before its load handler runs.
    labels[lblRunTot] = {QStringLiteral("11"), true};
    labels[lblEleven] = {QStringLiteral("0"), true};
    labels[lblScoreTot] = {QStringLiteral("200000"), true};
    labels[lblCardsLeft] = {QStringLiteral("30"), true};
    labels[lblBonusTxt] = {QStringLiteral("CLEAR SCREEN"), true};
    labels[lblBonusScore] = {QStringLiteral("90000"), true};
    labels[lblHighScore] = {QStringLiteral("200000"), true};
    buttonVisible.fill(true);
}

const std::array<int, 2> &GameTable::coveredBy(int p) { return CoverTable[std::size_t(p)]; }

int GameTable::pointsFor(int x)
{
    if (x == 0) return 700;
    if (x >= 1 && x <= 4) return 600;
    if (x >= 5 && x <= 9) return 500;
    if (x >= 10 && x <= 15) return 400;
    if (x >= 16 && x <= 19) return 300;
    if (x == 20 || x == 21) return 200;
    if (x == 22) return 100;
    return 0;
}

int GameTable::gameValue(int cardNumber)
{
    int value = cardNumber;
    if (cardNumber >= 40) value = cardNumber - 39;
    else if (cardNumber >= 27) value = cardNumber - 26;
    else if (cardNumber >= 14) value = cardNumber - 13;
    return value > 10 ? 1 : value;
}

// ---------------------------------------------------------------- input

void GameTable::clickPlace(int index)
{
    if (index < 0 || index >= PlaceCount || !acceptsTableInput())
        return;
    const Place &place = imgSpot[std::size_t(index)];
    if (!place.Visible || !place.Enabled)
        return;
    imgSpot_Click(index);
}

void GameTable::clickTake()
{
    if (sequenceDepth_ == 0 && buttonVisible[cmdTake])
        cmdTake_Click();
}

void GameTable::clickDeal()
{
    if (sequenceDepth_ == 0 && buttonVisible[cmdDeal])
        cmdDeal_Click();
}

void GameTable::tick()
{
    if (Timer1Enabled && sequenceDepth_ == 0)
        Timer1_Timer();
}

// ---------------------------------------------------------------- start and deal

void GameTable::Form_Load()
{
    platform_.seedRandom();
    scores::FileTrouble trouble;
    highscore = scores::scoreAt(scores::readFile(platform_, scores::HiScoresFile, trouble), 1);
    CardBack = scores::cardBackFrom(scores::readFile(platform_, scores::CardBacksFile, trouble));
    trouble.report(platform_, scores::StartsWithout);
    if (CardBack < 0 || CardBack > 9)
        CardBack = 0;
    setCaption(lblHighScore, num(highscore));
    setCaption(lblRunTot, QString());
    setLabelVisible(lblBonusTxt, false);
    setLabelVisible(lblBonusScore, false);
    setButtonVisible(cmdTake, false);
    setTimer(false);
    TimeLeft = SecondsPerRound;
    Score = 0;
    setProgress(SecondsPerRound);
    setCaption(lblScoreTot, QString());
    Round = 1;
    for (LoopIdx = 0; LoopIdx < PlaceCount; ++LoopIdx)
        setEnabled(LoopIdx, false);
    showCardBack(CardBack);
}

void GameTable::showCardBack(int index)
{
    const Picture back{Picture::Back, (index >= 0 && index <= 9) ? index : 0};
    for (int p = 0; p < PlaceCount; ++p) {
        imgSpot[std::size_t(p)].picture = back;
        if (view_)
            view_->placeChanged(p);
    }
}

void GameTable::setHighScore(std::int32_t value)
{
    highscore = value;
    setCaption(lblHighScore, num(value));
}

void GameTable::cmdDeal_Click()
{
    Sequence banner(*this);
    gameFinished_ = false;
    setButtonVisible(cmdDeal, false);
    setButtonVisible(cmdExit, false);
    setButtonVisible(cmdScores, false);
    setButtonVisible(cmdMenu, false);
    deck.ShuffleDeck(platform_);
    ReSetCards();
    FillSpots();
    TimeLeft = SecondsPerRound;
    if (Round == 1) {
        Score = 0;
        setCaption(lblScoreTot, QStringLiteral("0"));
    }
    setCaption(lblBonusTxt, QStringLiteral("ROUND ") + num(Round));
    setLabelVisible(lblBonusTxt, true);
    Pause2();
    setLabelVisible(lblBonusTxt, false);
    setButtonVisible(cmdTake, true);
    setTimer(true);
}

void GameTable::GetGameVal() { CardValue = std::int16_t(gameValue(CardNum)); }

void GameTable::ReSetCards()
{
    RunTotal = 0;
    setCaption(lblRunTot, QString());
    DeckPos = 23;
    Elevens = 0;
    TimeLeft = SecondsPerRound;
    setProgress(SecondsPerRound);
    DrawnTop = 1;
    for (LoopIdx = 0; LoopIdx <= 19; ++LoopIdx) {
        setEnabled(LoopIdx, false);
        setVisible(LoopIdx, true);
    }
    for (LoopIdx = 20; LoopIdx <= 23; ++LoopIdx) {
        setEnabled(LoopIdx, true);
        setVisible(LoopIdx, true);
    }
    setEnabled(7, true);
    setVisible(7, true);
}

void GameTable::FillSpots()
{
    for (LoopIdx = 0; LoopIdx <= 21; ++LoopIdx) {
        setEnabled(LoopIdx, false);
        setVisible(LoopIdx, true);
        putCard(LoopIdx, LoopIdx + 1);
        Selected[std::size_t(LoopIdx)] = false;
    }
    Selected[DrawnPlace] = false;
    setVisible(DrawnPlace, false);
    putCard(DrawnPlace, DeckPos);
    for (int p : {20, 21, 22, 23, 7})
        setEnabled(p, true);
}

// ---------------------------------------------------------------- the drawn card

void GameTable::PlaceCard()
{
    for (int i = 0; i < TablePlaces; ++i)
        if (Selected[std::size_t(i)])
            imgSpot_Click(i);

    for (int i = 0; i < TablePlaces; ++i) {
        Place &place = imgSpot[std::size_t(i)];
        if (place.Visible)
            continue;
        place.Visible = true;
        place.picture = imgSpot[DrawnPlace].picture;
        place.Tag = imgSpot[DrawnPlace].Tag;
        if (view_)
            view_->placeChanged(i);
        setVisible(DrawnPlace, false);
        CardPlaced = true;
        RestoreDrawn = true;
        RemoveCards();
        return;
    }

    // No empty place: the drawn card goes onto the stack, to come back when the
    // card that covers it is used. The stack records the card actually showing.
    if (DrawnTop < std::int16_t(DrawnStack.size())) {
        DrawnStack[std::size_t(DrawnTop)] =
            std::int16_t(deckPositionOf(imgSpot[DrawnPlace].Tag.toInt()));
        ++DrawnTop;
    }
}

int GameTable::deckPositionOf(int cardNumber) const
{
    for (int p = 1; p <= Shuffle::DeckSize; ++p)
        if (deck.at(p) == cardNumber)
            return p;
    return 0;
}

// ---------------------------------------------------------------- selecting and removing

void GameTable::imgSpot_Click(int Index)
{
    if (Index == DeckPlace) {
        Spot23();
        return;
    }
    CardNum = std::int16_t(imgSpot[std::size_t(Index)].Tag.toInt());
    if (Selected[std::size_t(Index)]) {
        mark(Index, false);
        Selected[std::size_t(Index)] = false;
        GetGameVal();
        RunTotal = std::int16_t(RunTotal - CardValue);
        setCaption(lblRunTot, num(RunTotal));
        return;
    }
    if (SkipSelect) {
        SkipSelect = false;
        return;
    }
    mark(Index, true);
    Selected[std::size_t(Index)] = true;
    GetGameVal();
    RunTotal = std::int16_t(RunTotal + CardValue);
    setCaption(lblRunTot, num(RunTotal));
    if (RunTotal == 11) {
        RemoveCards();
        RunTotal = 0;
    }
    setCaption(lblRunTot, num(RunTotal));
}

void GameTable::RemoveCards()
{
    if (RunTotal == 11) {
        ++Elevens;
        setCaption(lblEleven, num(Elevens));
    }
    if (Selected[DrawnPlace])
        RestoreDrawn = true;
    for (LoopIdx = 0; LoopIdx <= 22; ++LoopIdx) {
        if (Selected[std::size_t(LoopIdx)]) {
            setVisible(LoopIdx, false);
            Selected[std::size_t(LoopIdx)] = false;
            AddScore(LoopIdx);
            setCaption(lblScoreTot, num(Score));
        }
    }
    // The previous drawn card comes back when the drawn card has just left its
    // place. The flag is spent by this pass, so an old card never comes back
    // later over another drawn card.
    if (RestoreDrawn && DrawnTop > 1 && !imgSpot[DrawnPlace].Visible) {
        --DrawnTop;
        putCard(DrawnPlace, DrawnStack[std::size_t(DrawnTop)]);
        setVisible(DrawnPlace, true);
    }
    RestoreDrawn = false;
    EnableOpenCards();
}

void GameTable::AddScore(int x) { Score += pointsFor(x); }

// ---------------------------------------------------------------- cover rules and the Turn

void GameTable::applyCoverRule(int p)
{
    const auto &covers = coveredBy(p);
    bool anyVisible = false;
    for (int c : covers)
        if (c != None && imgSpot[std::size_t(c)].Visible)
            anyVisible = true;
    if (covers[0] == None)
        return;   // nothing lies over this place
    setEnabled(p, !anyVisible);
}

void GameTable::SpotOpen0() { applyCoverRule(0); }
void GameTable::SpotOpen1() { applyCoverRule(1); }
void GameTable::SpotOpen2() { applyCoverRule(2); }
void GameTable::SpotOpen3() { applyCoverRule(3); }
void GameTable::SpotOpen4() { applyCoverRule(4); }
void GameTable::SpotOpen5() { applyCoverRule(5); }
void GameTable::SpotOpen6() { applyCoverRule(6); }
void GameTable::SpotOpen7() {}
void GameTable::SpotOpen8() { applyCoverRule(8); }
void GameTable::SpotOpen9() { applyCoverRule(9); }
void GameTable::SpotOpen10() { applyCoverRule(10); }
void GameTable::SpotOpen11() { applyCoverRule(11); }
void GameTable::SpotOpen12() { applyCoverRule(12); }
void GameTable::SpotOpen13() { applyCoverRule(13); }
void GameTable::SpotOpen14() { applyCoverRule(14); }
void GameTable::SpotOpen15() { applyCoverRule(15); }
void GameTable::SpotOpen16() { applyCoverRule(16); }
void GameTable::SpotOpen17() { applyCoverRule(17); }
void GameTable::SpotOpen18() { applyCoverRule(18); }
void GameTable::SpotOpen19() { applyCoverRule(19); }

void GameTable::EnableOpenCards()
{
    using Rule = void (GameTable::*)();
    static constexpr Rule Rules[20] = {
        &GameTable::SpotOpen0,  &GameTable::SpotOpen1,  &GameTable::SpotOpen2,
        &GameTable::SpotOpen3,  &GameTable::SpotOpen4,  &GameTable::SpotOpen5,
        &GameTable::SpotOpen6,  &GameTable::SpotOpen7,  &GameTable::SpotOpen8,
        &GameTable::SpotOpen9,  &GameTable::SpotOpen10, &GameTable::SpotOpen11,
        &GameTable::SpotOpen12, &GameTable::SpotOpen13, &GameTable::SpotOpen14,
        &GameTable::SpotOpen15, &GameTable::SpotOpen16, &GameTable::SpotOpen17,
        &GameTable::SpotOpen18, &GameTable::SpotOpen19,
    };
    for (Rule rule : Rules)
        (this->*rule)();
    EmptyCount = 0;
    for (LoopIdx = 0; LoopIdx <= 21; ++LoopIdx)
        if (!imgSpot[std::size_t(LoopIdx)].Visible)
            ++EmptyCount;
    if (EmptyCount == TablePlaces) {
        setCaption(lblRunTot, QString());
        ClearBonus();
        cmdTake_Click();
    }
}

void GameTable::Spot23()
{
    SkipSelect = true;
    Spot22();
    // The flag only keeps the Turn from selecting the drawn card; it never
    // swallows the player's next click.
    SkipSelect = false;
    if (imgSpot[DrawnPlace].Visible) {
        PlaceCard();
        if (CardPlaced) {
            CardPlaced = false;
            return;
        }
    }
    setVisible(DrawnPlace, true);
    putCard(DrawnPlace, DeckPos);
    ++DeckPos;
    setCaption(lblCardsLeft, num(53 - DeckPos));
    if (DeckPos == 53) {
        setVisible(DeckPlace, false);
        DeckPos = 52;
    }
}

void GameTable::Spot22()
{
    CardNum = std::int16_t(imgSpot[DrawnPlace].Tag.toInt());
    if (Selected[DrawnPlace]) {
        mark(DrawnPlace, false);
        Selected[DrawnPlace] = false;
        GetGameVal();
        RunTotal = std::int16_t(RunTotal - CardValue);
        setCaption(lblRunTot, num(RunTotal));
    } else if (SkipSelect) {
        SkipSelect = false;
    }
}

// ---------------------------------------------------------------- clock, bonuses, game over

void GameTable::Timer1_Timer()
{
    --TimeLeft;
    if (TimeLeft == -1) {
        setTimer(false);
        platform_.messageBox(QStringLiteral("time is up!!!"));
        TimeLeft = 0;
        cmdTake_Click();
    }
    setProgress(TimeLeft);
}

void GameTable::cmdTake_Click()
{
    Sequence count(*this);
    setTimer(false);
    setButtonVisible(cmdTake, false);
    setCaption(lblRunTot, QString());
    ElevenBonus();
    TimerBonus();
    ++Round;
    if ((Round == 3 && Score < BonusRoundScore) || Round >= 4)
        GameOver();
    else
        cmdDeal_Click();
}

void GameTable::ElevenBonus()
{
    BonusTotal = 0;
    setCaption(lblBonusTxt, QStringLiteral("ELEVENS BONUS"));
    setLabelVisible(lblBonusTxt, true);
    setCaption(lblBonusScore, QString());
    setLabelVisible(lblBonusScore, true);
    const int count = Elevens;
    for (LoopIdx = 1; LoopIdx <= count; ++LoopIdx) {
        BonusTotal = std::int16_t(BonusTotal + ElevenBonusEach);
        setCaption(lblBonusScore, num(BonusTotal));
        Score += ElevenBonusEach;
        setCaption(lblScoreTot, num(Score));
        setCaption(lblEleven, num(labels[lblEleven].text.toInt() - 1));
        Pause1();
    }
}

void GameTable::TimerBonus()
{
    BonusTotal = 0;
    setCaption(lblBonusTxt, QStringLiteral("TIME LEFT BONUS"));
    setLabelVisible(lblBonusTxt, true);
    setCaption(lblBonusScore, QString());
    setLabelVisible(lblBonusScore, true);
    const int seconds = TimeLeft;
    for (LoopIdx = 1; LoopIdx <= seconds; ++LoopIdx) {
        BonusTotal = std::int16_t(BonusTotal + TimeBonusPerSecond);
        setCaption(lblBonusScore, num(BonusTotal));
        Score += TimeBonusPerSecond;
        setCaption(lblScoreTot, num(Score));
        setProgress(ProgressBar1 - 1);
        Pause1();
    }
    setLabelVisible(lblBonusTxt, false);
    setLabelVisible(lblBonusScore, false);
}

void GameTable::ClearBonus()
{
    Sequence count(*this);
    setTimer(false);
    BonusTotal = 0;
    setButtonVisible(cmdTake, false);
    setCaption(lblBonusTxt, QStringLiteral("CLEAR SCREEN"));
    setCaption(lblBonusScore, num(ClearTableBonus));
    setLabelVisible(lblBonusTxt, true);
    setLabelVisible(lblBonusScore, true);
    Score += ClearTableBonus;
    setCaption(lblScoreTot, num(Score));
    Pause2();
    setCaption(lblBonusTxt, QStringLiteral("CARDS LEFT"));
    setCaption(lblBonusScore, QString());
    const int left = 53 - DeckPos;
    for (LoopIdx = 1; LoopIdx <= left; ++LoopIdx) {
        BonusTotal = std::int16_t(BonusTotal + CardsLeftBonusEach);
        setCaption(lblBonusScore, num(BonusTotal));
        Score += CardsLeftBonusEach;
        setCaption(lblScoreTot, num(Score));
        setCaption(lblCardsLeft, num(left - LoopIdx));
        Pause1();
    }
    setLabelVisible(lblBonusTxt, false);
    setLabelVisible(lblBonusScore, false);
}

void GameTable::Pause1() { platform_.pause(ShortPause); }
void GameTable::Pause2() { platform_.pause(LongPause); }

void GameTable::GameOver()
{
    // The finished game's table stays on screen but takes no input until the
    // next Deal: a removal now would change a score already offered.
    gameFinished_ = true;
    setCaption(lblBonusTxt, QStringLiteral("GAME OVER"));
    setLabelVisible(lblBonusTxt, true);
    setButtonVisible(cmdTake, false);
    setButtonVisible(cmdDeal, true);
    setButtonVisible(cmdExit, true);
    setButtonVisible(cmdScores, true);
    setButtonVisible(cmdMenu, true);
    if (view_)
        view_->HighScores(Score, highscore);
    Round = 1;
}

// ---------------------------------------------------------------- control state

void GameTable::putCard(int place, int position)
{
    Place &p = imgSpot[std::size_t(place)];
    const int card = deck.at(position);
    p.picture = {Picture::Face, card - 1};
    p.Tag = num(card);
    if (view_)
        view_->placeChanged(place);
}

void GameTable::setVisible(int place, bool visible)
{
    Place &p = imgSpot[std::size_t(place)];
    if (p.Visible == visible)
        return;
    p.Visible = visible;
    if (view_)
        view_->placeChanged(place);
}

void GameTable::setEnabled(int place, bool enabled)
{
    Place &p = imgSpot[std::size_t(place)];
    if (p.Enabled == enabled)
        return;
    p.Enabled = enabled;
    if (view_)
        view_->placeChanged(place);
}

void GameTable::setCaption(LabelId id, const QString &text)
{
    labels[id].text = text;
    if (view_)
        view_->labelChanged(id);
}

void GameTable::setLabelVisible(LabelId id, bool visible)
{
    labels[id].visible = visible;
    if (view_)
        view_->labelChanged(id);
}

void GameTable::setButtonVisible(ButtonId id, bool visible)
{
    buttonVisible[id] = visible;
    if (view_)
        view_->buttonChanged(id);
}

void GameTable::setProgress(int value)
{
    ProgressBar1 = value;
    if (view_)
        view_->progressChanged();
}

void GameTable::setTimer(bool enabled)
{
    Timer1Enabled = enabled;
    if (view_)
        view_->timerChanged();
}

void GameTable::mark(int place, bool red)
{
    if (view_)
        view_->drawMark(place, red);
}

} // namespace game
