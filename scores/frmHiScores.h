#pragma once
// The high score window: shows the score book's table, asks a finished game
// for its name and offers Clear. The book keeps the files.

#include "scores/DataFiles.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>

namespace platform { class Dialogs; }
namespace scores { class ScoreBook; }
class QCloseEvent;
class QLabel;
class QPushButton;

class frmHiScores : public QWidget {
    Q_OBJECT
public:
    // A window of its own: `owner` is the window it belongs to, not its parent.
    frmHiScores(scores::ScoreBook &book, platform::Dialogs &dialogs, QWidget *owner = nullptr);

    // Shows the window, clearing an empty table the first time.
    void showWindow();
    void GetScores();
    void ClearScores();
    // A finished game: asks for a name when `score` enters the table, enters
    // it and shows the window. The name prompt opens below `keepClear`
    // (screen pixels) when given.
    void HighScores(std::int32_t score, const QRect &keepClear = {});

signals:
    // Shown for a new entry; the owner turns itself off until `closed`.
    void opened();
    // OK, or the close box.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The window's size and controls at the table's scale.
    void fitToScale();
    void cmdOkay_Click();
    void cmdClear_Click();
    void showEntries(const scores::Table &table);
    static QString shownName(const QByteArray &name);
    // The table as a listener hears it: a row an entry, the player's new
    // entry named, the empty places at the end together.
    QString tableText() const;

    scores::ScoreBook &book_;
    platform::Dialogs &dialogs_;
    // The window this one stays above.
    QPointer<QWidget> owner_;
    std::array<QLabel *, scores::Entries> lblName_{};
    std::array<QLabel *, scores::Entries> lblScore_{};
    QPushButton *cmdOkay_ = nullptr;
    bool loaded_ = false;
    scores::Table shown_{};
    int playerRow_ = -1;   // the entry the player has just made, while it is shown
};
