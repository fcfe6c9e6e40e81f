#pragma once
// The high score window: shows the ten-place table and owns every change to it.

#include "platform/DataStore.h"
#include "scores/DataFiles.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>

namespace platform {
class DataStore;
class Dialogs;
}
namespace scores { class FileTrouble; }
class QCloseEvent;
class QLabel;
class QPushButton;

class frmHiScores : public QWidget {
    Q_OBJECT
public:
    // A window of its own: `owner` is the window it belongs to, not its parent.
    frmHiScores(platform::DataStore &store, platform::Dialogs &dialogs, QWidget *owner = nullptr);

    // Shows the window, clearing an empty table the first time.
    void showWindow();
    void GetScores();
    void ClearScores();
    // A finished game: asks for a name when `score` enters the table, writes
    // it and shows the window; tells of a score above `best`.
    // The name prompt opens below `keepClear` (screen pixels) when given.
    void HighScores(std::int32_t score, std::int32_t best, const QRect &keepClear = {});

signals:
    // The best score now: 0 after a real clear, or a finished game's score
    // that beat the best.
    void bestScoreChanged(std::int32_t best);
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
    void Form_Load(scores::FileTrouble &trouble);
    void showWindow(scores::FileTrouble &trouble);
    void getScores(scores::FileTrouble &trouble);
    // ClearScores without taking the table lock, showing the cleared table
    // when `show`; true when the table was cleared.
    bool clearScores(scores::FileTrouble &trouble, bool show);
    void showEntries(const scores::Table &table);
    static platform::StoreError busy();

    platform::DataStore &store_;
    platform::Dialogs &dialogs_;
    // The window this one stays above.
    QPointer<QWidget> owner_;
    std::array<QLabel *, scores::Entries> lblName_{};
    std::array<QLabel *, scores::Entries> lblScore_{};
    QPushButton *cmdOkay_ = nullptr;
    bool loaded_ = false;
};
