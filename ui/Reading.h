#pragma once
// A window as a player who cannot see it meets it: its text read out when it
// comes up, and arrow keys that go where the eye would, to the nearest
// control in that direction, not along the tab chain.

#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

namespace ui {

// The window's labels as a reader takes them in: row by row from the top,
// each row from the left, a row's labels joined by commas.
QString windowText(const QWidget *window);

// Says the window's title and text (its labels, or what `text` makes) when it
// first becomes the active window after it is shown; coming back to it from
// another window, a player hears only what the focus lands on. A window of
// buttons alone is left to the screen reader's own reading.
void readWhenActivated(QWidget *window, std::function<QString()> text = {});

// Widgets of the class named `className` are shown to a screen reader in
// `role` (a window, a notification), whatever their Qt class would say.
void exposeAs(const char *className, QAccessible::Role role);

// The arrow keys move the focus among the window's controls by their places
// on screen.
void arrowsFollowLayout(QWidget *window);

// The control of `window` nearest to `from` in the direction of an arrow key
// that can take the focus; null when there is none.
QWidget *nearestControl(const QWidget *window, const QWidget *from, int arrowKey);

} // namespace ui
