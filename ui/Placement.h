#pragma once
// Where a window of the game stands among the others.

class QWidget;

namespace ui {

// Keeps `window` above `owner` (the game table), so that a click on the
// disabled table cannot bury it.
void keepAbove(QWidget *window, QWidget *owner);

// Shows a window without blocking, brings it to the front and gives it the
// input.
void showInFront(QWidget *window);

} // namespace ui
