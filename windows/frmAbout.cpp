#include "windows/frmAbout.h"

#include "assets/Art.h"
#include "platform/Dialogs.h"
#include "platform/SystemInfo.h"
#include "ui/Button.h"
#include "ui/Colours.h"
#include "ui/Keys.h"
#include "ui/Label.h"
#include "ui/Reading.h"
#include "ui/Scale.h"
#include "ui/SkullPicture.h"
#include "version/Version.h"

#include <QAccessible>
#include <QPainter>

#include <cmath>


frmAbout::frmAbout(platform::Dialogs &dialogs, platform::SystemInfo &systemInfo)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs), systemInfo_(systemInfo)
{
    // A screen reader reads a dialog's first text by itself, and again when
    // the dialog is activated anew: About is read as a window, its text once,
    // whole, by the window's own reading.
    ui::exposeAs("frmAbout", QAccessible::Window);
    setObjectName(QStringLiteral("frmAbout"));
    setModal(false);
    setSizeGripEnabled(false);
    setWindowIcon(art::skullIcon());
    const QRect client = ui::besideTable(QRect(3240, 2415, 5730, 3555));
    setGeometry(client);
    setFixedSize(client.size());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, ui::Blue);
    setPalette(p);

    const QString title = QString::fromLatin1(version::Title);
    setWindowTitle(tr("About %1").arg(title));
    const QFont dialog = art::font(art::FontFace::SansSerif, 8.25, false);

    // Created in tab order: OK, the picture, System Info.
    QPushButton *ok = ui::makeButton(this, "cmdOK", tr("OK"),
                                     QRect(4245, 2625, 1260, 345), dialog);
    ok->setDefault(true);

    // The skull inside a one-pixel border; the box fits its picture.
    auto *picture = new ui::SkullPicture(this, "picIcon", QRect(240, 240, 1155, 1530));
    picture->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture->setLineWidth(1);
    picture->setAlignment(Qt::AlignCenter);
    ui::setColours(picture, ui::Black, ui::windowBackground());

    QPushButton *systemInfoButton = ui::makeButton(
        this, "cmdSysInfo", ui::caption(ui::KeyAction::SystemInfo), QRect(4260, 3075, 1245, 345), dialog);

    ui::makeLabel(this, "lblTitle", title, QRect(1680, 240, 2085, 480), ui::Black, Qt::AlignLeft,
                  art::font(art::FontFace::Futura, 12, true));
    ui::makeLabel(this, "lblVersion",
                  tr("Version %1.%2.%3")
                      .arg(version::Major)
                      .arg(version::Minor)
                      .arg(version::Revision),
                  QRect(1650, 780, 3285, 225), ui::Black, Qt::AlignLeft, dialog);
    ui::makeLabel(this, "lblDescription",
                  tr("Quintrel is a simple card game that requires a little "
                     "forethought before making your moves."),
                  QRect(1620, 1125, 3315, 1170), ui::Black, Qt::AlignLeft, dialog);

    // The arrows go by the buttons' places, as in every window, not round
    // the focus chain.
    ui::arrowsFollowLayout(this);
    connect(ok, &QPushButton::clicked, this, &frmAbout::reject);
    connect(systemInfoButton, &QPushButton::clicked, this, &frmAbout::startSystemInfo);
    ok->setFocus();
}

void frmAbout::reject()
{
    // OK, Escape and the close box can all arrive while the window goes.
    if (closing_)
        return;
    closing_ = true;
    hide();
    deleteLater();
    emit closed();
}

void frmAbout::startSystemInfo()
{
    if (!systemInfo_.start())
        dialogs_.message(tr("System Information Is Unavailable At This Time"),
                         platform::Buttons::Ok, platform::Icon::None,
                         QString::fromLatin1(version::Title));
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), std::max(1L, std::lround(ui::scale()))));
    painter.drawLine(ui::px(90), ui::px(2445), ui::px(5654), ui::px(2445));
}
