#pragma once
// Where a window of the game stands among the others.

#include <QRect>

class QWidget;

namespace ui {

// Keeps `window` above `owner` (the game table), so that a click on the
// disabled table cannot bury it.
void keepAbove(QWidget *window, QWidget *owner);

// Shows a window without blocking, brings it to the front and gives it the
// input.
void showInFront(QWidget *window);

// Where a window designed at `designed` stands on a screen whose free area is
// `available`: where it was designed when it fits there wholly, else moved
// the least that brings it on; a window larger than the area keeps its top
// left corner on it.
QRect placeOnScreen(const QRect &designed, const QRect &available);

// The part of `available` (a screen's free area, in the toolkit's pixels)
// that a window can fill without its frame passing the screen's edge: at a
// scale of 150 % a pixel of the toolkit's is one and a half of the screen's,
// and rounding could take the last one past the edge, so one is kept spare.
QRect wholeOnScreen(const QRect &available, double devicePixelRatio);

// Moves `window` (shown or not) so that it stands centred over `owner`'s
// frame: a window with no designed place opens over the table it belongs
// to, where the platform lets it choose.
void centreOver(QWidget *window, const QWidget *owner);

// The window with its frame, as the window manager has it now. (A widget's
// own frameGeometry() can miss a frame that came after its last move, and
// its native window's can lag behind a move made while it was hidden.)
QRect framedGeometry(const QWidget *window);

// The client size of a window whose frame is `frame` (client included) that
// lets the frame fit in `room`: the same where it fits; else as large as fits,
// of the same shape when `keepShape`, and never below `smallest`.
QSize fitInto(QSize client, QSize frame, QSize room, QSize smallest, bool keepShape);

// From now on every window of the game, as it is shown and once it is framed,
// is moved onto the free area of its screen where its designed place would
// leave a part off it (a small screen, or a large scale). A window that can
// be resized is first made to fit, keeping its shape when its "keepsShape"
// property is set.
void keepWindowsOnScreen();

} // namespace ui
