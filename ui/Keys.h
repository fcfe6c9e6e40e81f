#pragma once
// Every key of the game, each declared once as a named action: the windows
// take their actions from here, and the key help is written from here, so
// the two cannot disagree. A caption's Alt letter is part of its key: the
// captions that carry one are declared here too, so that the help names the
// letter the player's language gives the caption.

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QAction;
class QKeyEvent;
class QWidget;

namespace ui {

enum class KeyAction {
    Deal, TakeScore, Menu, HighScores, Exit,
    Turn, Pick, PickAndConfirm, Move, NextControl, PreviousControl, GoBack,
    SayState, ReadTable, KeyHelp,
    BrowserBack, BrowserForward, AddressBox, SystemInfo,
    LargerTable, SmallerTable, DesignedSize,
};

enum class KeyPlace { Table, Everywhere, Browser };

struct KeyBinding {
    KeyAction action;
    const char *name;           // the action's object name
    QList<QKeySequence> keys;   // beside the caption's Alt letter
    const char *caption;        // the caption whose Alt letter takes it too, or null
    const char *what;           // untranslated
    KeyPlace where;
    // A name for keys a sequence cannot name (the arrows). The keys the
    // widgets themselves handle (Tab, Space, Enter, the arrows) are listed
    // here and never made actions.
    const char *keyName = nullptr;
};

const QList<KeyBinding> &keyBindings();
const KeyBinding &binding(KeyAction action);

// The caption of the control that carries the action's Alt letter.
QString caption(KeyAction action);
// The action's keys as the player's desktop writes them ("Strg+N" in German).
QString keyText(KeyAction action);
// What the action does, in the player's language.
QString keyWhat(KeyAction action);

// True when `event` is one of the action's keys.
bool isKey(const QKeyEvent *event, KeyAction action);

// The action's keys as a named action of `window`, wherever the focus is in it.
QAction *addAction(QWidget *window, KeyAction action, std::function<void()> run);

// The key help: every key, one a line, grouped by where it works.
QString keyHelp();

} // namespace ui
