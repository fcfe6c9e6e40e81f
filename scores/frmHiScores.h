#pragma once
// The high score window: shows the ten-place table and owns every change to it.

#include "scores/DataFiles.h"
#include "scores/ScoreTable.h"

#include <QWidget>

#include <array>
#include <cstdint>

namespace platform { class Platform; }
class TableLink;
class QCloseEvent;
class QLabel;
class QPushButton;

class frmHiScores : public QWidget {
    Q_OBJECT
public:
    frmHiScores(platform::Platform &platform, TableLink &table, QWidget *parent = nullptr);

    // Shows the window, running its load handler the first time.
    void showWindow();
    void GetScores();
    void ClearScores();
    void HighScores(std::int32_t Score, std::int32_t &highscore);

    bool ClearFromLoad = false;

    // The controls, by their names.
    QLabel *lblOne = nullptr, *lblTwo = nullptr, *lblThree = nullptr, *lblFour = nullptr,
           *lblFive = nullptr, *lblSix = nullptr, *lblSeven = nullptr, *lblEight = nullptr,
           *lblNine = nullptr, *LblTen = nullptr;
    std::array<QLabel *, scores::Entries> lblName{};
    std::array<QLabel *, scores::Entries> lblScore{};
    QPushButton *cmdOkay = nullptr;
    QPushButton *cmdClear = nullptr;

    void cmdOkay_Click();
    void cmdClear_Click();

protected:
    // The close box acts as OK.
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load(scores::FileTrouble &trouble);
    void showWindow(scores::FileTrouble &trouble);
    void getScores(scores::FileTrouble &trouble);
    // ClearScores without taking the table lock; true when the table was cleared.
    bool clearScores(scores::FileTrouble &trouble);
    void showEntries(const scores::Table &table);

    platform::Platform &platform_;
    TableLink &table_;
    bool loaded_ = false;
};
