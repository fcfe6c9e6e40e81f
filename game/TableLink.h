#pragma once
// What the other windows need of the game table: its best score, its enabled
// state, bringing it to the front and the card back on its places.

#include <cstdint>

class QWidget;

class TableLink {
public:
    virtual ~TableLink() = default;
    virtual std::int32_t highScore() const = 0;
    // Sets the best score and the label that shows it.
    virtual void setHighScore(std::int32_t value) = 0;
    virtual void setTableEnabled(bool enabled) = 0;
    // Shows the table window and brings it to the front.
    virtual void showTable() = 0;
    // Gives all 24 places the picture of card back `index`.
    virtual void showCardBack(int index) = 0;
    virtual QWidget *tableWindow() = 0;
};
