#pragma once
// The main window: the game table. All game state and rules live in the
// GameTable it owns; the window binds them to its controls.

#include "game/GameTable.h"
#include "game/TableLink.h"

#include <QWidget>

#include <array>
#include <memory>

class CardPlace;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class frmHiScores;
class frmMenu;

namespace platform { class Platform; }

class frmQuintrel : public QWidget, public game::TableView, public TableLink {
    Q_OBJECT
public:
    explicit frmQuintrel(platform::Platform &platform, QWidget *parent = nullptr);
    ~frmQuintrel() override;

    game::GameTable &rules() { return rules_; }

    // The controls, by their names.
    std::array<CardPlace *, game::PlaceCount> imgSpot{};
    QPushButton *cmdMenu = nullptr;
    QPushButton *cmdScores = nullptr;
    QPushButton *cmdTake = nullptr;
    QPushButton *cmdDeal = nullptr;
    QPushButton *cmdExit = nullptr;
    QLabel *lblElevens = nullptr;
    QLabel *lblEleven = nullptr;
    QLabel *lblHigh = nullptr;
    QLabel *lblHighScore = nullptr;
    QLabel *lblBonusTxt = nullptr;
    QLabel *lblBonusScore = nullptr;
    QLabel *lblRunTot = nullptr;
    QLabel *lblCards = nullptr;
    QLabel *lblCardsLeft = nullptr;
    QLabel *lblTime = nullptr;
    QLabel *lblScore = nullptr;
    QLabel *lblScoreTot = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer1 = nullptr;

    frmHiScores &hiScores();
    frmMenu &menu();

    // TableView
    void placeChanged(int index) override;
    void labelChanged(game::LabelId label) override;
    void buttonChanged(game::ButtonId button) override;
    void progressChanged() override;
    void timerChanged() override;
    void drawMark(int place, bool red) override;
    void HighScores(std::int32_t Score, std::int32_t &highscore) override;

    // TableLink
    std::int32_t highScore() const override;
    void setHighScore(std::int32_t value) override;
    void setTableEnabled(bool enabled) override;
    void showTable() override;
    void showCardBack(int index) override;
    QWidget *tableWindow() override { return this; }

    void cmdExit_Click();
    void cmdMenu_Click();
    void cmdScores_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *label(game::LabelId id) const;
    QPushButton *button(game::ButtonId id) const;

    platform::Platform &platform_;
    game::GameTable rules_;
    std::unique_ptr<frmHiScores> hiScores_;
    std::unique_ptr<frmMenu> menu_;
};
