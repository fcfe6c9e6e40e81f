#include "windows/frmBrowser.h"

#include "assets/Art.h"
#include "windows/Frame.h"
#include "windows/OwnerDetails.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>

#include <algorithm>

using frame::px;
using frame::twips;

namespace {

// Layout in twips.
constexpr int ToolBarHeight = 540;
constexpr int PicAddressTop = 540;
constexpr int PicAddressHeight = 675;
constexpr int LblAddressTop = 60;
constexpr int LblAddressHeight = 255;
constexpr int Margin = 100;

// A load asked for that the engine has not started within this time never
// will (for example a jump within the same page); it no longer counts as busy.
constexpr int LoadStartGraceMs = 2000;

struct ToolButton {
    const char *key;
    int icon;
};
constexpr ToolButton ToolButtons[] = {
    {"Back", 1}, {"Forward", 2}, {"Stop", 3}, {"Refresh", 4}, {"Home", 5}, {"Search", 6},
};

// Runs one step of a handler; whatever goes wrong inside it, the window (and
// the game) carries on with the next step.
template <typename Step>
void attempt(Step &&step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

// The banner's font: bold at 24 points, made smaller only when the address
// would not fit in the banner otherwise.
QFont bannerFont(const QString &text, int width)
{
    for (double points = 24.0; points > 8.0; points -= 0.75) {
        QFont font = art::font(art::FontFace::Futura, points, true);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            return font;
    }
    return art::font(art::FontFace::Futura, 8.0, true);
}

} // namespace

frmBrowser::frmBrowser(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(art::heartIcon());
    setGeometry(twips(555, 270, 10830, 8565));

    // Created in tab order: the page first.
    brwWebBrowser = new QWebEngineView(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setGeometry(twips(120, 2175, 10560, 6240));

    picAddress = new QWidget(this);
    picAddress->setObjectName(QStringLiteral("picAddress"));
    picAddress->setFocusPolicy(Qt::NoFocus);
    picAddress->setGeometry(0, px(PicAddressTop), width(), px(PicAddressHeight));

    const QFont dialog = art::font(art::FontFace::SansSerif, 8.25, false);
    lblAddress = new QLabel(QStringLiteral("&Address:"), picAddress);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    lblAddress->setGeometry(twips(45, LblAddressTop, 3075, LblAddressHeight));
    lblAddress->setFont(dialog);

    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    // Typed addresses are opened but not added to the list.
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setGeometry(twips(45, 300, 3795, 315));
    cboAddress->setFont(dialog);
    cboAddress->setEditText(owner::MakerAddress);
    lblAddress->setBuddy(cboAddress);

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbToolBar->setGeometry(0, 0, width(), px(ToolBarHeight));
    for (const ToolButton &b : ToolButtons) {
        const QString key = QLatin1String(b.key);
        QAction *action = tbToolBar->addAction(art::toolbarIcon(b.icon), key);
        action->setObjectName(key);
        action->setToolTip(key);
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }

    Label1 = new QLabel(owner::MakerAddress, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(twips(240, 1320, 5775, 615));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(bannerFont(owner::MakerAddress, Label1->width()));
    frame::colour(Label1, frame::Green, QColor(0, 0, 0));

    timTimer = new QTimer(this);
    timTimer->setObjectName(QStringLiteral("timTimer"));
    timTimer->setInterval(5);

    connect(timTimer, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);
    connect(cboAddress, &QComboBox::activated, this, [this](int) { cboAddress_Click(); });
    // Enter in the box's text (character code 13).
    connect(cboAddress->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { attempt([&] { cboAddress_KeyPress(13); }); });
    connect(brwWebBrowser, &QWebEngineView::loadStarted, this, [this] {
        loading_ = true;
        expecting_ = false;
    });
    connect(brwWebBrowser, &QWebEngineView::loadFinished, this, [this](bool) {
        loading_ = false;
        expecting_ = false;
        brwWebBrowser_DownloadComplete();
    });
}

frmBrowser::~frmBrowser() = default;

void frmBrowser::showWindow()
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
        return;
    }
    if (isMinimized())
        showNormal();
    frame::showInFront(this);
}

bool frmBrowser::Busy() const
{
    return loading_ || (expecting_ && expectingSince_.elapsed() < LoadStartGraceMs);
}

QString frmBrowser::LocationName() const
{
    const QString title = brwWebBrowser->title();
    if (!title.isEmpty())
        return title;
    const QUrl url = brwWebBrowser->url();
    return url.isEmpty() || url.toString() == QLatin1String("about:blank") ? QString()
                                                                          : url.toString();
}

void frmBrowser::expectLoad()
{
    expecting_ = true;
    expectingSince_.start();
}

void frmBrowser::Navigate(const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid() || url.isEmpty())
        return;
    expectLoad();
    brwWebBrowser->load(url);
}

void frmBrowser::Form_Load()
{
    attempt([&] { frame::showInFront(this); });
    attempt([&] { tbToolBar->update(); });
    attempt([&] { Form_Resize(); });
    attempt([&] {
        cboAddress->move(px(50), px(LblAddressTop + LblAddressHeight + 15));
    });
    if (!StartingAddress.isEmpty()) {
        attempt([&] { cboAddress->setEditText(StartingAddress); });
        attempt([&] { cboAddress->addItem(StartingAddress); });
        attempt([&] { timTimer->start(); });
        attempt([&] { Navigate(StartingAddress); });
    }
}

void frmBrowser::Form_Resize()
{
    // The client area can be smaller than the margins (a minimised window):
    // sizes then stop at zero.
    const int clientWidth = width() * 15;
    const int clientHeight = height() * 15;
    const int paneWidth = std::max(0, px(clientWidth - Margin));
    cboAddress->resize(paneWidth, cboAddress->height());
    brwWebBrowser->resize(
        paneWidth,
        std::max(0, px(clientHeight - (PicAddressTop + PicAddressHeight) - Margin)));
}

void frmBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!tbToolBar || !picAddress || !cboAddress || !brwWebBrowser)
        return;
    // The toolbar and the address strip are docked at the top, full width.
    tbToolBar->resize(width(), tbToolBar->height());
    picAddress->resize(width(), picAddress->height());
    attempt([&] { Form_Resize(); });
}

void frmBrowser::brwWebBrowser_DownloadComplete()
{
    attempt([&] { setWindowTitle(LocationName()); });
}

void frmBrowser::cboAddress_Click()
{
    attempt([&] { timTimer->start(); });
    attempt([&] { Navigate(cboAddress->currentText()); });
}

void frmBrowser::cboAddress_KeyPress(int KeyAscii)
{
    if (KeyAscii != 13)
        return;
    cboAddress_Click();
}

void frmBrowser::timTimer_Timer()
{
    attempt([&] {
        if (Busy()) {
            setWindowTitle(QStringLiteral("Working..."));
        } else {
            timTimer->stop();
            setWindowTitle(LocationName());
        }
    });
}

void frmBrowser::tbToolBar_ButtonClick(const QString &Key)
{
    attempt([&] { timTimer->start(); });
    attempt([&] {
        if (Key == QLatin1String("Back")) {
            if (brwWebBrowser->history()->canGoBack()) {
                expectLoad();
                brwWebBrowser->back();
            }
        } else if (Key == QLatin1String("Forward")) {
            if (brwWebBrowser->history()->canGoForward()) {
                expectLoad();
                brwWebBrowser->forward();
            }
        } else if (Key == QLatin1String("Stop")) {
            timTimer->stop();
            expecting_ = false;
            brwWebBrowser->stop();
            setWindowTitle(LocationName());
        } else if (Key == QLatin1String("Refresh")) {
            if (!brwWebBrowser->url().isEmpty()) {
                expectLoad();
                brwWebBrowser->reload();
            }
        } else if (Key == QLatin1String("Home")) {
            Navigate(owner::HomeAddress);
        } else if (Key == QLatin1String("Search")) {
            Navigate(owner::SearchAddress);
        }
    });
}
