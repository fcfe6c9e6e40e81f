#include "windows/frmCredits.h"

#include "assets/Art.h"
#include "windows/Frame.h"
#include "windows/OwnerDetails.h"

using frame::twips;
using frame::twipLine;

frmCredits::frmCredits(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCredits"));
    frame::makeBorderless(this, QStringLiteral("Credits"), twips(3825, 2190, 4680, 4095));
    setWindowIcon(art::skullIcon());

    using art::FontFace;
    const QColor white = frame::windowBackground();
    auto futura = [](double points) { return art::font(FontFace::Futura, points, false); };
    auto sans = [](double points) { return art::font(FontFace::SansSerif, points, false); };

    Label1 = frame::makeLabel(this, "Label1", QStringLiteral("Written By:"),
                              twips(240, 240, 1935, 375), white, Qt::AlignLeft, futura(12));
    Label2 = frame::makeLabel(this, "Label2", owner::Author, twips(2280, 240, 1935, 375),
                              frame::Red, Qt::AlignRight, futura(14.25));
    Label3 = frame::makeLabel(this, "Label3", QStringLiteral("Playtesters:"),
                              twips(240, 720, 1935, 375), white, Qt::AlignLeft, sans(13.5));
    Label4 = frame::makeLabel(this, "Label4", owner::PlayTester1, twips(2280, 840, 1935, 375),
                              frame::Red, Qt::AlignRight, sans(13.5));
    Label5 = frame::makeLabel(this, "Label5", owner::PlayTester2, twips(2280, 1320, 1935, 375),
                              frame::Red, Qt::AlignRight, sans(13.5));
    Label6 = frame::makeLabel(this, "Label6", QStringLiteral("Electro Skull By:"),
                              twips(2160, 1800, 2175, 375), white, Qt::AlignHCenter, sans(13.5));
    Label7 = frame::makeLabel(this, "Label7", owner::SkullArtist, twips(2160, 2280, 2055, 375),
                              frame::Cyan, Qt::AlignHCenter, sans(18));
    Label8 = frame::makeLabel(this, "Label8", owner::SkullArtistEmail,
                              twips(2040, 2880, 2415, 255), white, Qt::AlignHCenter, sans(9.75));
    Command1 = frame::makeButton(this, "Command1", QStringLiteral("OK"),
                                 twips(1680, 3360, 1215, 495), sans(8.25));
    Image1 = frame::makeSkullPicture(this, "Image1",
                                       twips(480, 1560, 1125, 1500));

    connect(Command1, &QPushButton::clicked, this, &frmCredits::Command1_Click);
    frame::closeActsAs(this, [this] { Command1_Click(); });
}

void frmCredits::Command1_Click()
{
    emit closed();
    hide();
}

void frmCredits::paintEvent(QPaintEvent *)
{
    frame::drawBorder(this, {twipLine(0, 30, 4680, 30), twipLine(0, 4050, 4680, 4050),
                             twipLine(15, 0, 15, 4095), twipLine(4650, 0, 4650, 4095)});
}
