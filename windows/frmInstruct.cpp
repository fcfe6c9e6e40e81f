#include "windows/frmInstruct.h"

#include "assets/Art.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Scale.h"
#include "ui/SkullPicture.h"

#include <QLabel>


frmInstruct::frmInstruct(QWidget *owner)
    : BorderlessWindow(QStringLiteral("Instructions"), QRect(3960, 2895, 4680, 3165),
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
        QStringLiteral("Pretty simple really.  Just click the open cards until they add to 11.  "
                       "Once the final card is clicked, all cards totaling 11 are removed.  "
                       "If none of the remaining cards total 11, click on the deck to get a new card."),
        QRect(1920, 600, 2415, 1335), white, Qt::AlignLeft, dialog);
    ui::makeLabel(this, "Label2", QStringLiteral("INSTRUCTIONS"), QRect(720, 120, 3375, 375),
                  ui::Red, Qt::AlignHCenter, art::font(art::FontFace::Futura, 15.75, false));
    QPushButton *ok = ui::makeButton(this, "Command1", QStringLiteral("OK"),
                                     QRect(120, 2520, 1215, 495), dialog);
    ui::makeLabel(
        this, "Label3",
        QStringLiteral("There are 52 cards in the deck.  All Jacks, Queens, and Kings have been "
                       "replaced with Aces.  Bonus round at 90000."),
        QRect(1920, 2040, 2535, 855), white, Qt::AlignLeft, dialog);
    // The keys, in the corner right of OK: the only free space, between the
    // last line of Label3 and the bottom border, takes two lines only at 7
    // points. They start over the empty foot of Label3's box, so this label
    // lies above Label3 and lets it show through rather than paint it over.
    QLabel *keys = ui::makeLabel(
        this, "lblKeys",
        QStringLiteral("Keys: F1 on the table lists them all; N turns, S tells the score."),
        ui::fromPixels(96, 185, 210, 22), white, Qt::AlignLeft,
        art::font(art::FontFace::SansSerif, 7, false));
    keys->setAutoFillBackground(false);
    new ui::SkullPicture(this, "Image1", QRect(240, 600, 1125, 1500));

    connect(ok, &QPushButton::clicked, this, &frmInstruct::goBack);
}
