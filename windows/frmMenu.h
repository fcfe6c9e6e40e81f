#pragma once
// The menu: the hub of the information windows, the card back chooser and the
// web browser. Every window it opens exists once, created on first use; all
// but the browser hide the menu while they are up and bring it back when they
// close. Only Close gives the input back to the table.

#include "ui/BorderlessWindow.h"

#include <QPointer>

#include <memory>

namespace platform {
class Dialogs;
class SystemInfo;
}
class BrowserWindow;
class frmBacks;
class frmCredits;
class frmInstruct;

class frmMenu : public ui::BorderlessWindow {
    Q_OBJECT
public:
    // `owner` is the table, which the menu and its windows stay above.
    // `cardBack` gives the card back in use: the chooser opens on it.
    frmMenu(platform::Dialogs &dialogs, platform::SystemInfo &systemInfo, std::function<int()> cardBack,
            QWidget *owner = nullptr);
    ~frmMenu() override;

    // closed(), from the base: Close or the desktop's close request has hidden
    // the menu, and the table takes the input again.
signals:
    // The card back chooser's OK, passed on.
    void backChosen(int index);

protected:
    // Close.
    void goBack() override;

private:
    void openAbout();
    void openBrowser();

    platform::Dialogs &dialogs_;
    platform::SystemInfo &systemInfo_;
    std::function<int()> cardBack_;
    std::unique_ptr<frmCredits> credits_;
    std::unique_ptr<frmInstruct> instructions_;
    std::unique_ptr<frmBacks> backs_;
    QPointer<QWidget> about_;   // a frmAbout
    // The browser destroys itself once closed by its title bar.
    QPointer<QWidget> browserWidget_;
    BrowserWindow *browser_ = nullptr;
};
