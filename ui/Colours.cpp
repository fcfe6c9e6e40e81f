#include "ui/Colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace ui {

QColor windowText() { return QGuiApplication::palette().color(QPalette::WindowText); }
QColor windowBackground() { return QGuiApplication::palette().color(QPalette::Base); }

} // namespace ui
