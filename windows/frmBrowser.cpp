#include "windows/frmBrowser.h"

#include "assets/Art.h"
#include "ui/Announcer.h"
#include "ui/Colours.h"
#include "ui/Keys.h"
#include "ui/Label.h"
#include "ui/Placement.h"
#include "ui/Scale.h"
#include "windows/OwnerDetails.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cmath>

using ui::px;

namespace {

// Layout in twips.
constexpr int ToolBarHeight = 540;
constexpr int AddressStripTop = 540;
constexpr int AddressStripHeight = 675;
constexpr int AddressLabelTop = 60;
constexpr int AddressLabelHeight = 255;
constexpr int Margin = 100;
// The page's top left corner, below the banner.
constexpr int PageLeft = 120;
constexpr int PageTop = 2175;

// A load asked for that the engine has not started within this time never
// will (for example a jump within the same page); it no longer counts as busy.
constexpr int LoadStartGraceMs = 2000;

struct ToolButton {
    const char *key;
    int icon;
};
constexpr ToolButton ToolButtons[] = {
    {QT_TRANSLATE_NOOP("frmBrowser", "Back"), 1}, {QT_TRANSLATE_NOOP("frmBrowser", "Forward"), 2},
    {QT_TRANSLATE_NOOP("frmBrowser", "Stop"), 3}, {QT_TRANSLATE_NOOP("frmBrowser", "Refresh"), 4},
    {QT_TRANSLATE_NOOP("frmBrowser", "Home"), 5}, {QT_TRANSLATE_NOOP("frmBrowser", "Search"), 6},
};

// The banner's font: bold at 24 points, made smaller only when the address
// would not fit in the banner otherwise.
QFont bannerFont(const QString &text, int width)
{
    for (double points = 24.0; points > 8.0; points -= 0.75) {
        QFont font = art::font(art::FontFace::Futura, points * ui::scale(), true);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            return font;
    }
    return art::font(art::FontFace::Futura, 8.0 * ui::scale(), true);
}

} // namespace

// The page's JavaScript dialogs are the browser window's own. The engine's
// message boxes block the whole game, a timed one, and a window closed under
// one of them would destroy it while it runs.
class BrowserPage : public QWebEnginePage {
public:
    BrowserPage(frmBrowser *window, QObject *parent) : QWebEnginePage(parent), window_(window) {}

protected:
    void javaScriptAlert(const QUrl &origin, const QString &message) override
    {
        window_->ask(box(origin, message, QMessageBox::Ok));
    }
    bool javaScriptConfirm(const QUrl &origin, const QString &message) override
    {
        return window_->ask(box(origin, message, QMessageBox::Ok | QMessageBox::Cancel)) ==
               QMessageBox::Ok;
    }
    bool javaScriptPrompt(const QUrl &origin, const QString &message, const QString &suggested,
                          QString *result) override
    {
        auto *input = new QInputDialog(window_);
        input->setWindowTitle(origin.toString());
        input->setLabelText(message);
        if (auto *label = input->findChild<QLabel *>())
            label->setTextFormat(Qt::PlainText);
        input->setTextValue(suggested);
        const bool accepted = window_->ask(input) == QDialog::Accepted;
        if (accepted)
            *result = input->textValue();
        return accepted;
    }

private:
    QMessageBox *box(const QUrl &origin, const QString &message,
                     QMessageBox::StandardButtons buttons)
    {
        auto *box = new QMessageBox(QMessageBox::NoIcon, origin.toString(), message, buttons,
                                    window_);
        box->setTextFormat(Qt::PlainText);
        return box;
    }

    frmBrowser *window_;
};

frmBrowser::frmBrowser() : QWidget(nullptr, Qt::Window), scale_(ui::scale())
{
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowIcon(art::heartIcon());
    setGeometry(ui::besideTable(QRect(555, 270, 10830, 8565)));

    // Created in tab order: the page first.
    page_ = new QWebEngineView(this);
    page_->setObjectName(QStringLiteral("brwWebBrowser"));
    page_->setPage(new BrowserPage(this, page_));
    page_->setGeometry(ui::scaled(QRect(PageLeft, PageTop, 10560, 6240)));

    addressStrip_ = new QWidget(this);
    addressStrip_->setObjectName(QStringLiteral("picAddress"));
    addressStrip_->setFocusPolicy(Qt::NoFocus);
    addressStrip_->setGeometry(0, px(AddressStripTop), width(), px(AddressStripHeight));

    // Laid out once, at the table's scale when the window opens; from then on
    // it is an ordinary window that the player sizes.
    const QFont dialog = art::font(art::FontFace::SansSerif, 8.25 * ui::scale(), false);
    auto *label = new QLabel(ui::caption(ui::KeyAction::AddressBox), addressStrip_);
    label->setObjectName(QStringLiteral("lblAddress"));
    label->setGeometry(ui::scaled(QRect(45, AddressLabelTop, 3075, AddressLabelHeight)));
    label->setFont(dialog);

    address_ = new QComboBox(addressStrip_);
    address_->setObjectName(QStringLiteral("cboAddress"));
    address_->setEditable(true);
    // Typed addresses are opened but not added to the list.
    address_->setInsertPolicy(QComboBox::NoInsert);
    address_->setGeometry(ui::scaled(QRect(45, 300, 3795, 315)));
    address_->setFont(dialog);
    address_->setEditText(owner::MakerAddress);
    label->setBuddy(address_);
    // Alt+A takes the whole address, ready to be typed over, as in any
    // browser; also when the focus is in the box already.
    label->installEventFilter(this);
    addressLabel_ = label;

    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("tbToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(24, 24) * ui::scale());
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setGeometry(0, 0, width(), px(ToolBarHeight));
    for (const ToolButton &b : ToolButtons) {
        const QString key = QLatin1String(b.key);
        QAction *action = toolBar_->addAction(art::toolbarIcon(b.icon), tr(b.key));
        action->setObjectName(key);
        action->setToolTip(tr(b.key));
        connect(action, &QAction::triggered, this, [this, key] { toolBarButton(key); });
    }

    auto *banner = new QLabel(owner::MakerAddress, this);
    banner->setObjectName(QStringLiteral("Label1"));
    banner->setTextFormat(Qt::PlainText);
    banner->setGeometry(ui::scaled(QRect(240, 1320, 5775, 615)));
    banner->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    banner->setFont(bannerFont(owner::MakerAddress, banner->width()));
    ui::setColours(banner, ui::Green, ui::Black);

    progress_ = new QTimer(this);
    progress_->setObjectName(QStringLiteral("timTimer"));
    progress_->setInterval(5);

    // Escape closes the window as its close box does, wherever the focus is
    // in it: a shortcut, as the page keeps that key to itself.
    ui::addAction(this, ui::KeyAction::GoBack, [this] { close(); });
    ui::addAction(this, ui::KeyAction::BrowserBack, [this] { toolBarButton(QStringLiteral("Back")); });
    ui::addAction(this, ui::KeyAction::BrowserForward,
                    [this] { toolBarButton(QStringLiteral("Forward")); });
    // The toolbar's buttons take the focus too, each named for a reader, in
    // the tab order before the address box and the page.
    QWidget *previous = nullptr;
    for (QAction *action : toolBar_->actions()) {
        QWidget *button = toolBar_->widgetForAction(action);
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleName(action->text());
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, address_);
    setTabOrder(address_, page_);
    connect(progress_, &QTimer::timeout, this, &frmBrowser::showProgress);
    connect(address_, &QComboBox::activated, this, &frmBrowser::openTypedAddress);
    connect(address_->lineEdit(), &QLineEdit::returnPressed, this, &frmBrowser::openTypedAddress);
    connect(page_, &QWebEngineView::loadStarted, this, [this] {
        loading_ = true;
        expecting_ = false;
    });
    // The box follows the page shown, however it came: a link, a script,
    // Back, Home or Search.
    connect(page_, &QWebEngineView::urlChanged, this, [this](const QUrl &url) {
        if (!url.isEmpty())
            address_->setEditText(url.toString());
    });
    connect(page_, &QWebEngineView::loadFinished, this, [this] {
        loading_ = false;
        expecting_ = false;
        setWindowTitle(locationName());
        readPageAloud();
    });
}

bool frmBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == addressLabel_ && event->type() == QEvent::Shortcut) {
        address_->setFocus(Qt::ShortcutFocusReason);
        address_->lineEdit()->selectAll();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmBrowser::readPageAloud()
{
    // A screen reader finds the page's links by Tab, but cannot read its
    // text line by line inside this window: the page is told as it comes.
    QPointer<frmBrowser> self(this);
    page_->page()->toPlainText([self](const QString &text) {
        if (!self || self->closed_)
            return;
        QString said = text.simplified();
        if (said.size() > PageReadChars)
            said = tr("%1 ...", "a page read up to its first words").arg(said.left(PageReadChars));
        ui::Announcer::of(self).say(tr("%1. %2", "a page's title and its text").arg(self->locationName(), said));
    });
}

frmBrowser::~frmBrowser() = default;

void frmBrowser::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // Closed for good. A dialog the page waits on ends with the window, but
    // the page is still inside the call that asked: the window goes once
    // that call has its answer.
    closed_ = true;
    for (QDialog *dialog : findChildren<QDialog *>(Qt::FindDirectChildrenOnly))
        dialog->reject();
    if (asking_ == 0)
        deleteLater();
}

int frmBrowser::ask(QDialog *dialog)
{
    // Only the browser waits for the answer; the table and the menu go on.
    // A closed window has no one left to ask.
    dialog->setWindowModality(Qt::WindowModal);
    ++asking_;
    const int result = closed_ ? int(QDialog::Rejected) : dialog->exec();
    --asking_;
    dialog->deleteLater();
    if (closed_ && asking_ == 0)
        deleteLater();
    return result;
}

void frmBrowser::showWindow()
{
    if (!loaded_) {
        loaded_ = true;
        load();
        return;
    }
    if (isMinimized())
        showNormal();
    ui::showInFront(this);
}

void frmBrowser::load()
{
    ui::showInFront(this);
    fitToWindow();
    address_->move(px(50, scale_), px(AddressLabelTop + AddressLabelHeight + 15, scale_));
    if (startingAddress_.isEmpty())
        return;
    address_->setEditText(startingAddress_);
    address_->addItem(startingAddress_);
    progress_->start();
    navigate(startingAddress_);
}

void frmBrowser::fitToWindow()
{
    // The client area can be smaller than the margins (a minimised window):
    // sizes then stop at zero.
    const int clientWidth = int(std::lround(width() * 15 / scale_));
    const int clientHeight = int(std::lround(height() * 15 / scale_));
    const int paneWidth = std::max(0, px(clientWidth - Margin, scale_));
    address_->resize(paneWidth, address_->height());
    // The page keeps its corner, with the same margin on the right, and ends
    // at the window's bottom edge: the foot of a page and the end of its
    // scroll bar stay in view.
    page_->resize(std::max(0, px(clientWidth - 2 * PageLeft, scale_)),
                  std::max(0, px(clientHeight - PageTop, scale_)));
}

void frmBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The toolbar and the address strip are docked at the top, full width.
    toolBar_->resize(width(), toolBar_->height());
    addressStrip_->resize(width(), addressStrip_->height());
    fitToWindow();
}

bool frmBrowser::busy() const
{
    return loading_ || (expecting_ && expectingSince_.elapsed() < LoadStartGraceMs);
}

QString frmBrowser::locationName() const
{
    const QString title = page_->title();
    if (!title.isEmpty())
        return title;
    const QUrl url = page_->url();
    return url.isEmpty() || url.toString() == QLatin1String("about:blank") ? QString()
                                                                          : url.toString();
}

void frmBrowser::expectLoad()
{
    expecting_ = true;
    expectingSince_.start();
}

void frmBrowser::navigate(const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid() || url.isEmpty())
        return;
    expectLoad();
    page_->load(url);
}

void frmBrowser::openTypedAddress()
{
    progress_->start();
    navigate(address_->currentText());
}

void frmBrowser::showProgress()
{
    if (busy()) {
        setWindowTitle(tr("Working..."));
    } else {
        progress_->stop();
        setWindowTitle(locationName());
    }
}

void frmBrowser::toolBarButton(const QString &key)
{
    progress_->start();
    if (key == QLatin1String("Back")) {
        if (page_->history()->canGoBack()) {
            expectLoad();
            page_->back();
        }
    } else if (key == QLatin1String("Forward")) {
        if (page_->history()->canGoForward()) {
            expectLoad();
            page_->forward();
        }
    } else if (key == QLatin1String("Stop")) {
        progress_->stop();
        expecting_ = false;
        page_->stop();
        setWindowTitle(locationName());
    } else if (key == QLatin1String("Refresh")) {
        if (!page_->url().isEmpty()) {
            expectLoad();
            page_->reload();
        }
    } else if (key == QLatin1String("Home")) {
        navigate(owner::HomeAddress);
    } else if (key == QLatin1String("Search")) {
        navigate(owner::SearchAddress);
    }
}
