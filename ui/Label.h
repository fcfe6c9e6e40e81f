#pragma once
// The labels of the game's windows.

#include "ui/Colours.h"

#include <Qt>

class QFont;
class QLabel;
class QRect;
class QString;
class QWidget;

namespace ui {

// Sets the text and background colours of a label (or any widget).
void setColours(QWidget *widget, const QColor &text, const QColor &background = Blue);

// Plain text on `background`, at its designed place in twips in its window's
// layout; with `wraps`, the text wraps at word ends.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &twips,
                  const QColor &textColour, Qt::Alignment align, const QFont &font,
                  const QColor &background = Blue, bool wraps = true);

// A one-line text wider than its label is drawn narrower, never cut: ten wide
// letters of a name, ten digits of a score from a file.
void keepWhole(QLabel *label);

} // namespace ui
