#pragma once
// The menu: the hub of the information windows, the card back chooser and the
// web browser. Every window it opens exists once, created on first use; all
// but the browser hide the menu while they are up and bring it back when they
// close. Only Close gives the input back to the table.

#include <QPointer>
#include <QWidget>

#include <memory>

namespace platform { class Platform; }
class TableLink;
class QPushButton;
class frmAbout;
class frmBacks;
class frmCredits;
class frmInstruct;
class BrowserWindow;

class frmMenu : public QWidget {
    Q_OBJECT
public:
    frmMenu(platform::Platform &platform, TableLink &table, QWidget *parent = nullptr);
    ~frmMenu() override;

    void cmdCredits_Click();
    void cmdInst_Click();
    void cmdAbout_Click();
    void cmdWeb_Click();
    void cmdBacks_Click();
    void cmdClose_Click();

    // Shows the menu and gives it the input.
    void showWindow();

    // The windows, created on first use.
    frmCredits &credits();
    frmInstruct &instructions();
    frmBacks &backs();
    // The About window while it is open, else null.
    frmAbout *about() const;
    // The browser window while it is open, else null.
    QWidget *browserWindow() const { return browserWidget_; }

    QPushButton *cmdCredits = nullptr;
    QPushButton *cmdInst = nullptr;
    QPushButton *cmdAbout = nullptr;
    QPushButton *cmdWeb = nullptr;
    QPushButton *cmdBacks = nullptr;
    QPushButton *cmdClose = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    platform::Platform &platform_;
    TableLink &table_;
    std::unique_ptr<frmCredits> credits_;
    std::unique_ptr<frmInstruct> instructions_;
    std::unique_ptr<frmBacks> backs_;
    QPointer<QWidget> about_;   // a frmAbout
    // The browser destroys itself when closed by its title bar.
    QPointer<QWidget> browserWidget_;
    BrowserWindow *browser_ = nullptr;
};
