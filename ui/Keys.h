#pragma once
// Every key of the game, each declared once as a named action: the windows
// take their shortcuts from here, and the key help is written from here, so
// the two cannot disagree.

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QKeyEvent;
class QShortcut;
class QWidget;

namespace ui {

enum class KeyAction {
    Deal, TakeScore, Menu, HighScores, Exit,
    Turn, Pick, PickAndConfirm, Move, NextControl, PreviousControl, GoBack,
    SayState, ReadTable, KeyHelp,
    BrowserBack, BrowserForward, AddressBox, SystemInfo,
    LargerTable, SmallerTable, DesignedSize,
};

struct KeyBinding {
    KeyAction action;
    QList<QKeySequence> keys;   // beside a caption's Alt letter, which the caption gives
    QString keyText;            // as a player reads it
    QString what;
    QString where;
};

const QList<KeyBinding> &keyBindings();
const KeyBinding &binding(KeyAction action);

// True when `event` is one of the action's keys.
bool isKey(const QKeyEvent *event, KeyAction action);

// The action's keys as shortcuts of `window`, wherever the focus is in it.
void addShortcut(QWidget *window, KeyAction action, std::function<void()> run);

// The key help: every key, one a line, grouped by where it works.
QString keyHelp();

} // namespace ui
