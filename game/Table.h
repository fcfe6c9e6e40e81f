#pragma once
// The game table: the 22-card pyramid, the drawn card and the deck, the
// selection and its running total, the score, the round clock and the
// bonuses counted out at the end of a round. It holds no widgets: it takes one
// input per event, refuses what the current phase does not allow, and
// announces every change as a signal.

#include "game/Card.h"
#include "game/Deck.h"

#include <QObject>

#include <array>
#include <optional>
#include <vector>

namespace platform {
class Pacer;
class Random;
}

namespace game {

inline constexpr int PlaceCount = 24;
inline constexpr int TablePlaces = 22;   // the pyramid, places 0 to 21
inline constexpr int DrawnPlace = 22;    // the card last turned from the deck
inline constexpr int DeckPlace = 23;     // the face-down deck; a click turns a card
inline constexpr int SecondsPerRound = 90;

enum class Phase {
    Idle,         // before the first deal
    Announcing,   // "ROUND n" shows; the table is dealt but the clock waits
    Playing,      // the clock runs and the table takes clicks
    TimeUp,       // the clock ran out; waits for the player to see it
    Counting,     // bonuses are counted out
    Over,         // the game has ended; its last table stays in view
};

// What one place shows.
struct PlaceState {
    enum class Shows { Back, Face, Nothing };
    Shows shows = Shows::Back;
    Card card;               // the face, when it shows one
    bool open = false;       // takes a click in play
    bool selected = false;   // selected, while the round is in play
    bool operator==(const PlaceState &) const = default;
};

// What the big caption over the table announces; its words are the views'.
enum class BannerKind {
    None,            // no caption
    Round,           // a round is dealt
    ClearScreen,     // the pyramid is cleared
    CardsLeftBonus,  // the cards left in the deck counted
    ElevensBonus,    // the elevens counted
    TimeLeftBonus,   // the seconds left counted
    GameOver,
};

// The big caption over the table and the amount under it.
struct Banner {
    BannerKind kind = BannerKind::None;
    int round = 0;                // of a Round banner
    bool amountShown = false;
    // Blank until the first step of a count; GAME OVER's is the final
    // score, which is not shown under it.
    std::optional<int> amount;
    bool operator==(const Banner &) const = default;
};

class Table : public QObject {
    Q_OBJECT
public:
    // Seeds the generator: once per start of the game.
    Table(platform::Random &random, platform::Pacer &pacer, QObject *parent = nullptr);

    // --- Input, one entry per event; each is ignored when the phase does not
    // take it.
    void deal();
    void clickPlace(int place);
    void takeScore();
    // One second of the round clock. The table runs its clock itself, through
    // the pacer; a test may tick it by hand.
    void tick();
    // The player has seen that the time is up: the round ends.
    void acknowledgeTimeUp();

    // --- State.
    Phase phase() const { return phase_; }
    PlaceState place(int place) const;
    int score() const { return score_; }
    int round() const { return round_; }
    int elevens() const { return elevens_; }
    // The time bar's seconds and the deck's cards as shown: during a count,
    // what is left to count.
    int secondsLeft() const { return secondsShown_; }
    int cardsLeft() const { return cardsShown_; }
    // The elevens of every round of the game so far, or of the game just over.
    int gameElevens() const { return gameElevens_; }
    std::optional<int> runningTotal() const { return runningTotal_; }
    const Banner &banner() const { return banner_; }
    // The drawn cards that later Turns covered, the last covered last.
    const std::vector<Card> &covered() const { return covered_; }

signals:
    void placeChanged(int place);
    void phaseChanged(game::Phase phase);
    void scoreChanged(int score);
    void elevensChanged(int shown);
    // The time bar: the seconds left, drained step by step by the time bonus.
    void secondsLeftChanged(int seconds);
    void cardsLeftChanged(int cards);
    // The sum of the selected cards; blank between rounds.
    void runningTotalChanged(std::optional<int> total);
    void bannerChanged(const game::Banner &banner);
    void clockRunningChanged(bool running);
    void timeUp();
    void gameOver(int finalScore);

    // --- What the player did, as it happened.
    // A card was selected or unselected; `total` is the selection's sum now.
    // (The card that makes eleven is not told: the eleven is.)
    void cardSelected(int place, bool selected, int total);
    // The selected cards made eleven and left `places`, worth `points`.
    void elevenMade(int points, const QList<int> &places);
    // A Turn showed `card` from the deck, `cardsLeft` still in it.
    void turned(game::Card card, int cardsLeft);
    // A Turn moved the drawn `card` into the gap at `place`; none was turned.
    void gapFilled(int place, game::Card card);
    // A count of `kind` has ended at `amount` (told only for a count of steps).
    void countFinished(game::BannerKind kind, int amount);

private:
    enum class Step { None, RoundBanner, ClearPause, CardsLeft, Elevens, TimeBonus };
    enum class Input { Deal, Place, TakeScore, Tick, TimeUpSeen };

    bool accepts(Input input) const;
    bool isOpen(int place) const;
    void select(int place);
    void unselect(int place, bool told = true);
    void turn();
    void removeSelected();
    bool tableCleared() const;

    void startRound();
    void endRound();
    void startClearBonus();
    void startCount(Step count, BannerKind kind, int steps);
    void countStep();
    void advance();
    void finishCount();
    void endGame();

    void setPhase(Phase phase);
    void setScore(int score);
    void setRunningTotal(std::optional<int> total);
    void setBanner(const Banner &banner);
    void setClockRunning(bool running);
    void showSeconds(int seconds);
    void showCards(int cards);
    // Announces every place whose look has changed since it was last announced.
    void publish();

    platform::Random &random_;
    platform::Pacer &pacer_;

    Phase phase_ = Phase::Idle;
    Deck deck_;
    std::array<std::optional<Card>, TablePlaces + 1> cards_{};   // places 0 to 22
    std::array<bool, TablePlaces + 1> selected_{};
    // Deck position of the next card a Turn shows: 23 after a deal, 52 once
    // the deck has run out (so the cards-left bonus then pays for one card).
    int deckPosition_ = 23;
    bool deckEmpty_ = false;
    // Drawn cards covered by a later Turn, the last covered on top.
    std::vector<Card> covered_;
    std::optional<int> runningTotal_;
    int score_ = 0;
    int elevens_ = 0;
    int gameElevens_ = 0;
    int secondsLeft_ = SecondsPerRound;
    int secondsShown_ = SecondsPerRound;
    int cardsShown_ = Deck::Size + 1 - 23;   // before the first Turn
    int round_ = 1;
    bool clockRunning_ = false;
    Banner banner_;

    Step step_ = Step::None;
    int stepsDone_ = 0;
    int stepsTotal_ = 0;
    int bonus_ = 0;

    std::array<PlaceState, PlaceCount> announced_{};
};

} // namespace game
