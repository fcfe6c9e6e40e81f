#pragma once
// The web browser window: a toolbar of six buttons, an address box, a banner
// with the maker's address and the page. Built into the quintrel_browser
// module only; the game reaches it through BrowserWindow.

#include "windows/BrowserWindow.h"

#include <QElapsedTimer>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QTimer;
class QToolBar;
class QWebEngineView;

class frmBrowser : public QWidget, public BrowserWindow {
    Q_OBJECT
public:
    explicit frmBrowser(QWidget *parent = nullptr);
    ~frmBrowser() override;

    // BrowserWindow
    QWidget *window() override { return this; }
    void setStartingAddress(const QString &address) override { StartingAddress = address; }
    void showWindow() override;

    QString StartingAddress;

    // What the window reads of the page.
    bool Busy() const;
    QString LocationName() const;

    void Form_Load();
    void Form_Resize();
    void brwWebBrowser_DownloadComplete();
    void cboAddress_Click();
    void cboAddress_KeyPress(int KeyAscii);
    void timTimer_Timer();
    void tbToolBar_ButtonClick(const QString &Key);

    QWebEngineView *brwWebBrowser = nullptr;
    QToolBar *tbToolBar = nullptr;
    QWidget *picAddress = nullptr;
    QLabel *lblAddress = nullptr;
    QComboBox *cboAddress = nullptr;
    QLabel *Label1 = nullptr;
    QTimer *timTimer = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Navigate(const QString &address);
    // Notes that a call on the page is about to start a load, so that Busy is
    // true from the call on, before the engine reports the load.
    void expectLoad();

    bool loaded_ = false;
    bool loading_ = false;   // between the engine's load start and load end
    bool expecting_ = false; // a load was asked for and has not started yet
    QElapsedTimer expectingSince_;
};
