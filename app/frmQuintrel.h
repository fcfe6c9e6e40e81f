#pragma once
// The main window: the game table on screen. It turns the table model's
// signals into cards, captions, buttons and the time bar, feeds the player's
// clicks and the round clock back into the model, and wires the other windows,
// which answer only by signals.

#include "game/Table.h"
#include "scores/ScoreBook.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

namespace platform {
class DataStore;
class Dialogs;
class Pacer;
class Random;
class SystemInfo;
}
class CardPicture;
class Narrator;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class frmHiScores;
class frmMenu;

class frmQuintrel : public QWidget {
    Q_OBJECT
public:
    struct Services {
        platform::Random &random;
        platform::Pacer &pacer;
        platform::DataStore &store;
        platform::Dialogs &dialogs;
        platform::SystemInfo &systemInfo;
    };

    explicit frmQuintrel(const Services &services);
    ~frmQuintrel() override;

    game::Table &table() { return table_; }
    scores::ScoreBook &book() { return book_; }

    // The table's scale: 1 at its designed size, 592 x 453 pixels.
    double tableScale() const;
    // Sizes the window for the table at `wanted`, or as near as the screen
    // and readable captions allow. Ctrl+Plus, Ctrl+Minus and Ctrl+0 step it.
    void useScale(double wanted);

    // Created on first use; top-level windows, owned here.
    frmHiScores &hiScores();
    frmMenu &menu();

signals:
    // Exit, or the title bar's close box: the game ends at once.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    // The table keeps its shape in the middle of the window; the windows
    // opened from it follow its scale and its place.
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void buildControls();
    void addSizeActions();
    // The buttons' Alt letters during a round, when the buttons are away:
    // each says why it does nothing.
    void addBetweenRoundsKeys();
    // Where the table's designed top left corner lies in the window.
    QPoint tableOrigin() const;
    void bindTable();
    void showPlace(int place);
    // The name a screen reader gives a place, and what it says of its state.
    void nameForReader(int place, const game::PlaceState &state);
    // Keeps the keyboard's focus on something that takes it.
    void keepFocus(CardPicture *leaving);
    // Says what the focus has landed on after the table moved it, or what
    // has come under it.
    void tellFocus();
    void sayFocus();
    void showPhase(game::Phase phase);
    void showBanner(const game::Banner &banner);
    void showBestScore(std::int32_t best);
    void useCardBack(int back);
    void openMenu();
    void openHighScores();
    void takeInputBack();

    Services services_;
    game::Table table_;
    scores::ScoreBook book_;

    std::array<CardPicture *, game::PlaceCount> places_{};
    QPushButton *cmdMenu_ = nullptr, *cmdScores_ = nullptr, *cmdTake_ = nullptr,
                *cmdDeal_ = nullptr, *cmdExit_ = nullptr;
    QLabel *lblEleven_ = nullptr, *lblHighScore_ = nullptr, *lblBonusTxt_ = nullptr,
           *lblBonusScore_ = nullptr, *lblRunTot_ = nullptr, *lblCardsLeft_ = nullptr,
           *lblScoreTot_ = nullptr;
    QProgressBar *progressBar_ = nullptr;
    Narrator *narrator_ = nullptr;
    bool focusToBeTold_ = false;

    std::unique_ptr<frmHiScores> hiScores_;
    std::unique_ptr<frmMenu> menu_;
};
