#pragma once
// The high score window: shows the ten-place table and owns every change to it.

#include "scores/DataFiles.h"

#include <QWidget>

#include <cstdint>

namespace platform { class Platform; }
class TableLink;
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

private:
    platform::Platform &platform_;
    TableLink &table_;
};
