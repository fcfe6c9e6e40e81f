#include "windows/frmInstruct.h"

#include "assets/Art.h"
#include "ui/Button.h"
#include "ui/Keys.h"
#include "ui/Label.h"
#include "ui/Scale.h"
#include "ui/SkullPicture.h"

#include <QLabel>


frmInstruct::frmInstruct(QWidget *owner)
    : BorderlessWindow(tr("Instructions"), QRect(3960, 2895, 4680, 3165),
                       {QLine(0, 15, 4680, 15), QLine(0, 3135, 4680, 3135),
                        QLine(15, 0, 15, 3165), QLine(4650, 0, 4650, 3165)},
                       owner)
{
    setObjectName(QStringLiteral("frmInstruct"));
    setWindowIcon(art::skullIcon());

    const QColor white = ui::windowBackground();
    const QFont dialog = art::font(art::FontFace::SansSerif, 8.25, false);

    ui::makeLabel(
        this, "Label1",
        tr("Pretty simple really.  Just click the open cards until they add to 11.  "
           "Once the final card is clicked, all cards totaling 11 are removed.  "
           "If none of the remaining cards total 11, click on the deck to get a new card."),
        QRect(1920, 600, 2415, 1335), white, Qt::AlignLeft, dialog);
    ui::makeLabel(this, "Label2", tr("INSTRUCTIONS"), QRect(720, 120, 3375, 375),
                  ui::Red, Qt::AlignHCenter, art::font(art::FontFace::Futura, 15.75, false));
    QPushButton *ok = ui::makeButton(this, "Command1", tr("OK"),
                                     QRect(120, 2520, 1215, 495), dialog);
    ui::makeLabel(
        this, "Label3",
        tr("There are 52 cards in the deck.  All Jacks, Queens, and Kings have been "
           "replaced with Aces.  Bonus round at 90000."),
        QRect(1920, 2040, 2535, 855), white, Qt::AlignLeft, dialog);
    // Where to find the keys: one short line right of OK, in the strip
    // between Label3's box and the bottom border, so it never covers Label3.
    ui::makeLabel(this, "lblKeys",
                  tr("%1 on the table lists every key.").arg(ui::keyText(ui::KeyAction::KeyHelp)),
                  QRect(1440, 2895, 3180, 225), white, Qt::AlignLeft,
                  art::font(art::FontFace::SansSerif, 7, false));
    new ui::SkullPicture(this, "Image1", QRect(240, 600, 1125, 1500));

    connect(ok, &QPushButton::clicked, this, &frmInstruct::goBack);
}
