#include "windows/frmMenu.h"

#include "assets/Art.h"
#include "backs/frmBacks.h"
#include "game/TableLink.h"
#include "platform/Platform.h"
#include "windows/BrowserWindow.h"
#include "windows/Frame.h"
#include "windows/OwnerDetails.h"
#include "windows/frmAbout.h"
#include "windows/frmCredits.h"
#include "windows/frmInstruct.h"

using frame::twips;
using frame::twipLine;

frmMenu::frmMenu(platform::Platform &platform, TableLink &table, QWidget *parent)
    : QWidget(parent), platform_(platform), table_(table)
{
    setObjectName(QStringLiteral("frmMenu"));
    frame::makeBorderless(this, QStringLiteral("Menu"), twips(4080, 3735, 4395, 1605));
    setWindowIcon(art::heartIcon());

    const QFont dialog = art::font(art::FontFace::SansSerif, 8.25, false);
    auto button = [&](const char *name, const QString &caption, int left, int top) {
        QPushButton *b = frame::makeButton(this, name, caption, twips(left, top, 1215, 495), dialog);
        b->setAutoDefault(false);
        return b;
    };
    // Created in tab order.
    cmdCredits = button("cmdCredits", QStringLiteral("Credits"), 120, 240);
    cmdInst = button("cmdInst", QStringLiteral("Instructions"), 1575, 240);
    cmdAbout = button("cmdAbout", QStringLiteral("About"), 3030, 240);
    cmdWeb = button("cmdWeb", QStringLiteral("Visit Me On The Web"), 120, 960);
    cmdBacks = button("cmdBacks", QStringLiteral("Change Cardbacks"), 1575, 960);
    cmdClose = button("cmdClose", QStringLiteral("Close"), 3030, 960);

    connect(cmdCredits, &QPushButton::clicked, this, &frmMenu::cmdCredits_Click);
    connect(cmdInst, &QPushButton::clicked, this, &frmMenu::cmdInst_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmMenu::cmdAbout_Click);
    connect(cmdWeb, &QPushButton::clicked, this, &frmMenu::cmdWeb_Click);
    connect(cmdBacks, &QPushButton::clicked, this, &frmMenu::cmdBacks_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmMenu::cmdClose_Click);
    frame::closeActsAs(this, [this] { cmdClose_Click(); });

    frame::keepAbove(this, table_.tableWindow());
}

frmMenu::~frmMenu()
{
    delete about_.data();
    delete browserWidget_.data();
}

frmAbout *frmMenu::about() const { return static_cast<frmAbout *>(about_.data()); }

void frmMenu::showWindow()
{
    frame::keepAbove(this, table_.tableWindow());
    frame::showInFront(this);
}

frmCredits &frmMenu::credits()
{
    if (!credits_) {
        credits_ = std::make_unique<frmCredits>();
        connect(credits_.get(), &frmCredits::closed, this, &frmMenu::showWindow);
    }
    return *credits_;
}

frmInstruct &frmMenu::instructions()
{
    if (!instructions_) {
        instructions_ = std::make_unique<frmInstruct>();
        connect(instructions_.get(), &frmInstruct::closed, this, &frmMenu::showWindow);
    }
    return *instructions_;
}

frmBacks &frmMenu::backs()
{
    if (!backs_) {
        backs_ = std::make_unique<frmBacks>(platform_, table_);
        connect(backs_.get(), &frmBacks::closed, this, &frmMenu::showWindow);
    }
    return *backs_;
}

void frmMenu::cmdCredits_Click()
{
    frame::keepAbove(&credits(), table_.tableWindow());
    frame::showInFront(&credits());
    hide();
}

void frmMenu::cmdInst_Click()
{
    frame::keepAbove(&instructions(), table_.tableWindow());
    frame::showInFront(&instructions());
    hide();
}

void frmMenu::cmdAbout_Click()
{
    // Created anew each time; it destroys itself when it closes.
    if (!about_) {
        auto *about = new frmAbout(platform_);
        connect(about, &frmAbout::closed, this, [this] {
            about_ = nullptr;
            showWindow();
        });
        about_ = about;
    }
    frame::keepAbove(about_, table_.tableWindow());
    frame::showInFront(about_);
    hide();
}

void frmMenu::cmdBacks_Click()
{
    backs().showWindow();
    hide();
}

void frmMenu::cmdWeb_Click()
{
    if (!browserWidget_) {
        browser_ = nullptr;
        QString error;
        BrowserModule *module = browser::loadModule(error);
        BrowserWindow *created = module ? module->createBrowser() : nullptr;
        if (!created) {
            platform_.messageBox(
                QStringLiteral("The web browser could not be started, so the maker's page "
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

void frmMenu::cmdClose_Click()
{
    table_.setTableEnabled(true);
    hide();
    table_.showTable();
}

void frmMenu::paintEvent(QPaintEvent *)
{
    frame::drawBorder(this, {twipLine(0, 30, 4395, 30), twipLine(0, 1560, 4395, 1560),
                             twipLine(30, 0, 30, 1560), twipLine(4350, 0, 4350, 1560)});
}
