#include "backs/frmBacks.h"

#include "assets/Art.h"
#include "cards/CardArt.h"
#include "cards/CardPicture.h"
#include "cards/CardSize.h"
#include "ui/Button.h"
#include "ui/Colours.h"
#include "ui/Label.h"
#include "ui/Announcer.h"
#include "ui/Layout.h"
#include "ui/Reading.h"
#include "ui/Scale.h"

#include <QKeyEvent>

using ui::fromPixels;

namespace {

constexpr int Columns[] = {16, 104, 192, 280, 368};
constexpr int TopRow = 16;
constexpr int BottomRow = 176;
// The pick mark is thick enough to see at a glance, and unlike the focus ring.
constexpr int PickMarkWidth = 5;

} // namespace

frmBacks::frmBacks(QWidget *owner)
    : BorderlessWindow(tr("Change Cardbacks"), fromPixels(179, 111, 458, 298),
                       {QLine(0, 30, 6870, 30), QLine(0, 4425, 6870, 4425),
                        QLine(30, 0, 30, 4470), QLine(6825, 0, 6825, 4470)},
                       owner)
{
    setObjectName(QStringLiteral("frmBacks"));

    for (int i = 0; i < cards::BackCount; ++i) {
        auto *picture = new CardPicture(i, this, PickMarkWidth);
        picture->showBack(i);
        picture->setObjectName(QStringLiteral("imgCardBack%1").arg(i));
        picture->setToolTip(cards::backName(i));
        picture->setAccessibleName(cards::backName(i));
        ui::Layout::of(this).add(picture, fromPixels(Columns[i % 5], i < 5 ? TopRow : BottomRow,
                                                      cards::CardWidth, cards::CardHeight));
        connect(picture, &CardPicture::picked, this, &frmBacks::choose);
        picture->installEventFilter(this);
        backs_.append(picture);
    }

    const QFont buttonFont = art::font(art::FontFace::SansSerif, 8.25, false);
    QPushButton *cancel = ui::makeButton(this, "cmdCancel", tr("Cancel"),
                                         fromPixels(56, 128, 81, 33), buttonFont);
    ui::makeLabel(this, "Label1", tr("Highlight your card choice and click OK."),
                  fromPixels(152, 128, 137, 33), ui::Cyan, Qt::AlignHCenter,
                  art::font(art::FontFace::SansSerif, 9.75, false));
    ok_ = ui::makeButton(this, "cmdOK", tr("OK"), fromPixels(320, 128, 81, 33),
                         buttonFont);
    ok_->setFocus();

    connect(ok_, &QPushButton::clicked, this, [this] {
        emit backChosen(chosen_);
        hide();
        emit closed();
    });
    connect(cancel, &QPushButton::clicked, this, &frmBacks::goBack);
    ui::arrowsFollowLayout(this);
}

void frmBacks::setCurrent(int index) { chosen_ = index; }

void frmBacks::showWindow()
{
    markChosen();
    BorderlessWindow::showWindow();
    backs_[chosen_]->setFocus(Qt::TabFocusReason);
}

void frmBacks::goBack()
{
    hide();
    emit closed();
}

void frmBacks::choose(int index)
{
    chosen_ = index;
    markChosen();
    ui::Announcer::of(this).say(tr("%1, selected").arg(cards::backName(index)));
}

// The mark stays while the window is up, so that covering the window does
// not lose the player's choice from view; a reader hears it with the name.
void frmBacks::markChosen()
{
    for (CardPicture *picture : backs_) {
        const bool chosen = picture->index() == chosen_;
        picture->setOutline(chosen ? ui::Red : QColor());
        picture->setSelected(chosen);
        picture->setAccessibleName(chosen ? tr("%1, selected").arg(cards::backName(picture->index()))
                                          : cards::backName(picture->index()));
    }
}

bool frmBacks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(static_cast<CardPicture *>(watched)->index());
            ok_->click();
            return true;
        }
    }
    return BorderlessWindow::eventFilter(watched, event);
}
