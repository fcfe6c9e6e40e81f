#pragma once
// The web browser window lives in a module of its own (quintrel_browser), which
// the menu loads the first time the player visits the maker's page: the web
// engine is large and slow to start, and the game itself never needs it.
// This is all the game knows of it.

#include <QtPlugin>

class QWidget;
class QString;

class BrowserWindow {
public:
    virtual ~BrowserWindow() = default;

    // The window itself. Once closed by its title bar it is never shown
    // again, and it destroys itself when its page no longer waits on a dialog.
    virtual QWidget *window() = 0;
    // The address opened when the window loads; empty means none.
    virtual void setStartingAddress(const QString &address) = 0;
    // The first call loads the window: shows it and opens the starting address.
    // Later calls only bring it to the front.
    virtual void showWindow() = 0;
};

class BrowserModule {
public:
    virtual ~BrowserModule() = default;
    // A new, hidden browser window without a parent.
    virtual BrowserWindow *createBrowser() = 0;
};

#define QUINTREL_BROWSER_MODULE_IID "org.quintrel.BrowserModule/1.0"
Q_DECLARE_INTERFACE(BrowserModule, QUINTREL_BROWSER_MODULE_IID)

namespace browser {

// Loads the module once per process (it is never unloaded), looking for it
// beside the game's executable first, then in the installed library folder.
// Returns null and fills `error` with a reason a player can read when it
// cannot be loaded.
BrowserModule *loadModule(QString &error);

} // namespace browser
