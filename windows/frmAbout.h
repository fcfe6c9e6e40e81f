#pragma once
// The About window: the game's title, version and a short description, and a
// button that starts the desktop's system information tool. It is created
// anew each time it is opened and destroyed when it closes.

#include <QDialog>

namespace platform {
class Dialogs;
class SystemInfo;
}

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(platform::Dialogs &dialogs, platform::SystemInfo &systemInfo);

signals:
    // The window is closing (by OK, Escape or its title bar) and will be
    // destroyed: the menu shows itself again.
    void closed();

public slots:
    // Escape and the title bar's close box lead here; they act as OK.
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void startSystemInfo();

    platform::Dialogs &dialogs_;
    platform::SystemInfo &systemInfo_;
    bool closing_ = false;
};
