#include "backs/frmBacks.h"

#include "assets/Art.h"
#include "cards/CardArt.h"
#include "cards/CardPicture.h"
#include "ui/Button.h"
#include "ui/Colours.h"
#include "ui/Label.h"
#include "ui/Announcer.h"
#include "ui/Reading.h"

#include <QKeyEvent>

namespace {

constexpr int Columns[] = {16, 104, 192, 280, 368};
constexpr int TopRow = 16;
constexpr int BottomRow = 176;
// The pick mark is thick enough to see at a glance, and unlike the focus ring.
constexpr int PickMarkWidth = 5;

} // namespace

frmBacks::frmBacks(QWidget *owner)
    : BorderlessWindow(QStringLiteral("Change Cardbacks"), QRect(179, 111, 458, 298),
                       {QLine(0, 2, 458, 2), QLine(0, 295, 458, 295), QLine(2, 0, 2, 298),
                        QLine(455, 0, 455, 298)},
                       owner)
{
    setObjectName(QStringLiteral("frmBacks"));

    for (int i = 0; i < cards::BackCount; ++i) {
        auto *picture = new CardPicture(i, this, PickMarkWidth);
        picture->showBack(i);
        picture->setObjectName(QStringLiteral("imgCardBack%1").arg(i));
        picture->setToolTip(cards::backName(i));
        picture->setAccessibleName(cards::backName(i));
        picture->move(Columns[i % 5], i < 5 ? TopRow : BottomRow);
        connect(picture, &CardPicture::picked, this, &frmBacks::choose);
        picture->installEventFilter(this);
        backs_.append(picture);
    }

    const QFont buttonFont = art::font(art::FontFace::SansSerif, 8.25, false);
    QPushButton *cancel = ui::makeButton(this, "cmdCancel", QStringLiteral("Cancel"),
                                         QRect(56, 128, 81, 33), buttonFont);
    ui::makeLabel(this, "Label1", QStringLiteral("Highlight your card choice and click OK."),
                  QRect(152, 128, 137, 33), ui::Cyan, Qt::AlignHCenter,
                  art::font(art::FontFace::SansSerif, 9.75, false));
    ok_ = ui::makeButton(this, "cmdOK", QStringLiteral("OK"), QRect(320, 128, 81, 33), buttonFont);
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
    ui::Announcer::of(this).say(cards::backName(index) + QStringLiteral(", selected"));
}

// The mark stays while the window is up, so that covering the window does
// not lose the player's choice from view; a reader hears it with the name.
void frmBacks::markChosen()
{
    for (CardPicture *picture : backs_) {
        const bool chosen = picture->index() == chosen_;
        picture->setOutline(chosen ? ui::Red : QColor());
        picture->setSelected(chosen);
        picture->setAccessibleName(cards::backName(picture->index()) +
                                   (chosen ? QStringLiteral(", selected") : QString()));
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
