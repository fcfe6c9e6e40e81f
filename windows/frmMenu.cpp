#include "windows/frmMenu.h"

#include "assets/Art.h"
#include "backs/frmBacks.h"
#include "platform/Dialogs.h"
#include "ui/Button.h"
#include "ui/Placement.h"
#include "ui/Reading.h"
#include "windows/BrowserWindow.h"
#include "windows/OwnerDetails.h"
#include "windows/frmAbout.h"
#include "windows/frmCredits.h"
#include "windows/frmInstruct.h"


namespace {

// The menu's window, created on first use; its way back leads to the menu.
template <typename Window>
Window &once(std::unique_ptr<Window> &window, frmMenu *menu, QWidget *owner)
{
    if (!window) {
        window = std::make_unique<Window>(owner);
        QObject::connect(window.get(), &ui::BorderlessWindow::closed, menu, &frmMenu::showWindow);
    }
    return *window;
}

} // namespace

frmMenu::frmMenu(platform::Dialogs &dialogs, platform::SystemInfo &systemInfo, std::function<int()> cardBack,
                 QWidget *owner)
    : BorderlessWindow(tr("Menu"), QRect(4080, 3735, 4395, 1605),
                       {QLine(0, 30, 4395, 30), QLine(0, 1560, 4395, 1560),
                        QLine(30, 0, 30, 1560), QLine(4350, 0, 4350, 1560)},
                       owner),
      dialogs_(dialogs), systemInfo_(systemInfo), cardBack_(std::move(cardBack))
{
    setObjectName(QStringLiteral("frmMenu"));
    setWindowIcon(art::heartIcon());

    const QFont dialog = art::font(art::FontFace::SansSerif, 8.25, false);
    auto button = [&](const char *name, const QString &caption, int left, int top, auto act) {
        QPushButton *b = ui::makeButton(this, name, caption, QRect(left, top, 1215, 495), dialog);
        connect(b, &QPushButton::clicked, this, act);
    };
    // Created in tab order.
    button("cmdCredits", tr("Credits"), 120, 240, [this] {
        once(credits_, this, this->owner()).showWindow();
        hide();
    });
    button("cmdInst", tr("Instructions"), 1575, 240, [this] {
        once(instructions_, this, this->owner()).showWindow();
        hide();
    });
    button("cmdAbout", tr("About"), 3030, 240, [this] { openAbout(); });
    button("cmdWeb", tr("Visit Me On The Web"), 120, 960, [this] { openBrowser(); });
    button("cmdBacks", tr("Change Cardbacks"), 1575, 960, [this] {
        if (!backs_)
            connect(&once(backs_, this, this->owner()), &frmBacks::backChosen, this,
                    &frmMenu::backChosen);
        backs_->setCurrent(cardBack_());
        backs_->showWindow();
        hide();
    });
    button("cmdClose", tr("Close"), 3030, 960, [this] { goBack(); });
    ui::arrowsFollowLayout(this);
}

frmMenu::~frmMenu()
{
    delete about_.data();
    delete browserWidget_.data();
}

void frmMenu::goBack()
{
    hide();
    emit closed();
}

void frmMenu::openAbout()
{
    // Made anew each time; it destroys itself when it closes.
    if (!about_) {
        auto *about = new frmAbout(dialogs_, systemInfo_);
        connect(about, &frmAbout::closed, this, [this] {
            // Gone with the next turn of the event loop: never shown again.
            about_ = nullptr;
            showWindow();
        });
        ui::readWhenActivated(about);
        about_ = about;
    }
    ui::keepAbove(about_, owner());
    ui::showInFront(about_);
    hide();
}

void frmMenu::openBrowser()
{
    // A browser the player has closed is done with, though it can take a
    // while to go (a page's dialog may still be unwinding): a new one is made.
    if (!browserWidget_ || browserWidget_->isHidden()) {
        browser_ = nullptr;
        QString error;
        BrowserModule *module = browser::loadModule(error);
        BrowserWindow *created = module ? module->createBrowser() : nullptr;
        if (!created) {
            dialogs_.message(
                tr("The web browser could not be started, so the maker's page "
                   "cannot be shown here. You can visit it with your own browser at\n%1\n\n%2")
                    .arg(owner::MakerAddress, error),
                platform::Buttons::Ok, platform::Icon::Warning);
            return;
        }
        browser_ = created;
        browserWidget_ = created->window();
    }
    browser_->setStartingAddress(owner::MakerAddress);
    browser_->showWindow();
}
