#pragma once
// The web browser window: a toolbar of six buttons, an address box, a banner
// with the maker's address and the page. Built into the quintrel_browser
// module only; the game reaches it through BrowserWindow.

#include "windows/BrowserWindow.h"

#include <QElapsedTimer>
#include <QString>
#include <QWidget>

class QComboBox;
class QDialog;
class QTimer;
class QToolBar;
class QWebEngineView;

class frmBrowser : public QWidget, public BrowserWindow {
    Q_OBJECT
public:
    frmBrowser();
    ~frmBrowser() override;

    // BrowserWindow
    QWidget *window() override { return this; }
    void setStartingAddress(const QString &address) override { startingAddress_ = address; }
    void showWindow() override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class BrowserPage;
    // Runs one of the page's dialogs to its answer and returns exec()'s
    // result; the dialog stays readable until the event loop next runs.
    int ask(QDialog *dialog);
    void load();
    void fitToWindow();
    void openTypedAddress();
    void toolBarButton(const QString &key);
    // While a page loads the caption says so; then it shows the page's name.
    void showProgress();
    bool busy() const;
    QString locationName() const;
    void navigate(const QString &address);
    // Notes that a call on the page is about to start a load, so that busy()
    // is true from the call on, before the engine reports the load.
    void expectLoad();
    // Gives a screen reader the page's name and text once it has loaded.
    void readPageAloud();
    static constexpr int PageReadChars = 3000;

    // The table's scale when the window opened, which its layout keeps.
    const double scale_;
    QString startingAddress_;
    QWebEngineView *page_ = nullptr;
    QToolBar *toolBar_ = nullptr;
    QWidget *addressStrip_ = nullptr;
    QComboBox *address_ = nullptr;
    QWidget *addressLabel_ = nullptr;
    QTimer *progress_ = nullptr;
    bool loaded_ = false;
    bool loading_ = false;   // between the engine's load start and load end
    bool expecting_ = false; // a load was asked for and has not started yet
    bool closed_ = false;
    int asking_ = 0;         // the page's dialogs still waiting for an answer
    QElapsedTimer expectingSince_;
};
