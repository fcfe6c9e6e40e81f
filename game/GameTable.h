#pragma once
// The rules of the table: all state of the main window and every procedure that
// plays on it, free of widgets. The window frmQuintrel owns one GameTable and
// binds its controls to the control state held here through TableView.

#include "game/Shuffle.h"

#include <QString>

#include <array>
#include <cstdint>

namespace platform { class Platform; }

namespace game {

constexpr int PlaceCount = 24;
constexpr int TablePlaces = 22;   // 0 to 21
constexpr int DrawnPlace = 22;
constexpr int DeckPlace = 23;

// What a place shows: a card face (0 to 51) or a card back (0 to 9).
struct Picture {
    enum Kind : std::uint8_t { Back, Face };
    Kind kind = Back;
    int index = 0;
    bool operator==(const Picture &) const = default;
};

// One card place: visible while it holds a card, enabled while it is open.
struct Place {
    bool Visible = true;
    bool Enabled = true;
    Picture picture;
    QString Tag;   // decimal card number of the face shown
};

// The labels and buttons whose state the rules change.
enum LabelId { lblRunTot, lblEleven, lblScoreTot, lblCardsLeft, lblBonusTxt, lblBonusScore,
               lblHighScore, LabelCount };
enum ButtonId { cmdMenu, cmdScores, cmdTake, cmdDeal, cmdExit, ButtonCount };

struct Caption {
    QString text;
    bool visible = true;
};

// The window's side of the binding: told of every change of control state.
class TableView {
public:
    virtual ~TableView() = default;
    virtual void placeChanged(int index) = 0;
    virtual void labelChanged(LabelId label) = 0;
    virtual void buttonChanged(ButtonId button) = 0;
    virtual void progressChanged() = 0;
    virtual void timerChanged() = 0;
    // The selection mark of a place: red when selecting, black when unselecting.
    virtual void drawMark(int place, bool red) = 0;
    // Offers the final score to the high score table; may raise `highscore`.
    virtual void HighScores(std::int32_t Score, std::int32_t &highscore) = 0;
};

class GameTable {
public:
    explicit GameTable(platform::Platform &platform, TableView *view = nullptr);

    // --- Input from the window. These check that the input is allowed now:
    // no table input while the round banner or a bonus count runs, nor after
    // the game is over; a place only while it is visible and enabled.
    void clickPlace(int index);
    void clickTake();
    void clickDeal();
    void tick();
    bool acceptsTableInput() const { return sequenceDepth_ == 0 && !gameFinished_; }

    // --- The window's procedures.
    void Form_Load();
    void cmdDeal_Click();
    void GetGameVal();
    void ReSetCards();
    void FillSpots();
    void PlaceCard();
    void imgSpot_Click(int Index);
    void RemoveCards();
    void AddScore(int x);
    void EnableOpenCards();
    void Spot23();
    void Spot22();
    void SpotOpen0();
    void SpotOpen1();
    void SpotOpen2();
    void SpotOpen3();
    void SpotOpen4();
    void SpotOpen5();
    void SpotOpen6();
    void SpotOpen7();
    void SpotOpen8();
    void SpotOpen9();
    void SpotOpen10();
    void SpotOpen11();
    void SpotOpen12();
    void SpotOpen13();
    void SpotOpen14();
    void SpotOpen15();
    void SpotOpen16();
    void SpotOpen17();
    void SpotOpen18();
    void SpotOpen19();
    void Timer1_Timer();
    void cmdTake_Click();
    void ClearBonus();
    void ElevenBonus();
    void TimerBonus();
    void Pause1();
    void Pause2();
    void GameOver();

    // Gives all 24 places the picture of card back `index` (0 when outside 0 to 9).
    void showCardBack(int index);
    void setHighScore(std::int32_t value);

    // The places that lie over place p (none for 7, 20 and 21).
    static const std::array<int, 2> &coveredBy(int p);
    // Points scored by a card removed from place x.
    static int pointsFor(int x);
    static int gameValue(int cardNumber);

    // --- The window variables.
    std::int32_t highscore = 0;
    std::int16_t CardBack = 0;
    std::int16_t RunTotal = 0;
    std::int16_t CardNum = 0;
    std::int16_t BonusTotal = 0;
    std::array<bool, 23> Selected{};
    std::int16_t CardValue = 0;
    bool SkipSelect = false;
    std::int16_t Elevens = 0;
    bool RestoreDrawn = false;
    std::int32_t Score = 0;
    std::int16_t DrawnTop = 0;
    std::array<std::int16_t, 31> DrawnStack{};
    std::int16_t EmptyCount = 0;
    bool CardPlaced = false;
    std::int16_t Round = 0;
    std::int16_t DeckPos = 0;
    std::int16_t TimeLeft = 0;
    std::int16_t LoopIdx = 0;

    Shuffle deck;

    // --- The control state that the window shows.
    std::array<Place, PlaceCount> imgSpot{};
    std::array<Caption, LabelCount> labels;
    std::array<bool, ButtonCount> buttonVisible{};
    int ProgressBar1 = 90;
    bool Timer1Enabled = true;

    const Caption &label(LabelId id) const { return labels[id]; }

private:
    void applyCoverRule(int p);
    void putCard(int place, int position);
    void setVisible(int place, bool visible);
    void setEnabled(int place, bool enabled);
    void setCaption(LabelId id, const QString &text);
    void setLabelVisible(LabelId id, bool visible);
    void setButtonVisible(ButtonId id, bool visible);
    void setProgress(int value);
    void setTimer(bool enabled);
    void mark(int place, bool red);
    int deckPositionOf(int cardNumber) const;

    // Marks a banner or a bonus count in progress while it lives.
    class Sequence {
    public:
        explicit Sequence(GameTable &t) : t_(t) { ++t_.sequenceDepth_; }
        ~Sequence() { --t_.sequenceDepth_; }
        Sequence(const Sequence &) = delete;
        Sequence &operator=(const Sequence &) = delete;

    private:
        GameTable &t_;
    };

    platform::Platform &platform_;
    TableView *view_;
    int sequenceDepth_ = 0;
    bool gameFinished_ = false;
};

} // namespace game
