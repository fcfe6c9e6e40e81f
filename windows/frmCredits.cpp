#include "windows/frmCredits.h"

#include "assets/Art.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/SkullPicture.h"
#include "windows/OwnerDetails.h"


frmCredits::frmCredits(QWidget *owner)
    : BorderlessWindow(tr("Credits"), QRect(3825, 2190, 4680, 4095),
                       {QLine(0, 30, 4680, 30), QLine(0, 4050, 4680, 4050),
                        QLine(15, 0, 15, 4095), QLine(4650, 0, 4650, 4095)},
                       owner)
{
    setObjectName(QStringLiteral("frmCredits"));
    setWindowIcon(art::skullIcon());

    using art::FontFace;
    const QColor white = ui::windowBackground();
    auto futura = [](double points) { return art::font(FontFace::Futura, points, false); };
    auto sans = [](double points) { return art::font(FontFace::SansSerif, points, false); };

    ui::makeLabel(this, "Label1", tr("Written By:"), QRect(240, 240, 1935, 375), white,
                  Qt::AlignLeft, futura(12));
    ui::makeLabel(this, "Label2", owner::Author, QRect(2280, 240, 1935, 375), ui::Red,
                  Qt::AlignRight, futura(14.25));
    ui::makeLabel(this, "Label3", tr("Playtesters:"), QRect(240, 720, 1935, 375),
                  white, Qt::AlignLeft, sans(13.5));
    ui::makeLabel(this, "Label4", owner::PlayTester1, QRect(2280, 840, 1935, 375), ui::Red,
                  Qt::AlignRight, sans(13.5));
    ui::makeLabel(this, "Label5", owner::PlayTester2, QRect(2280, 1320, 1935, 375), ui::Red,
                  Qt::AlignRight, sans(13.5));
    ui::makeLabel(this, "Label6", tr("Electro Skull By:"),
                  QRect(2160, 1800, 2175, 375), white, Qt::AlignHCenter, sans(13.5));
    ui::makeLabel(this, "Label7", owner::SkullArtist, QRect(2160, 2280, 2055, 375), ui::Cyan,
                  Qt::AlignHCenter, sans(18));
    ui::makeLabel(this, "Label8", owner::SkullArtistEmail, QRect(2040, 2880, 2415, 255), white,
                  Qt::AlignHCenter, sans(9.75));
    QPushButton *ok = ui::makeButton(this, "Command1", tr("OK"),
                                     QRect(1680, 3360, 1215, 495), sans(8.25));
    new ui::SkullPicture(this, "Image1", QRect(480, 1560, 1125, 1500));

    connect(ok, &QPushButton::clicked, this, &frmCredits::goBack);
}
