#pragma once
// The colours of the game's windows.

#include <QColor>

namespace ui {

inline constexpr QColor Blue(0, 0, 255);
inline constexpr QColor Red(255, 0, 0);
inline constexpr QColor Cyan(0, 255, 255);
inline constexpr QColor Green(0, 255, 0);
inline constexpr QColor Yellow(255, 255, 0);
inline constexpr QColor Magenta(255, 0, 255);
inline constexpr QColor Black(0, 0, 0);

// The desktop's own colours, whatever a window's palette says: its text, and
// the background of text fields, the "white" of the game's windows.
QColor windowText();
QColor windowBackground();

} // namespace ui
