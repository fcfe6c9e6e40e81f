#include "backs/frmBacks.h"

#include "assets/Art.h"
#include "game/TableLink.h"
#include "platform/Platform.h"
#include "scores/DataFiles.h"
#include "scores/ScoreTable.h"
#include "windows/Frame.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr int BackWidth = 75;
constexpr int BackHeight = 100;
constexpr int Columns[] = {16, 104, 192, 280, 368};
constexpr int TopRow = 16;
constexpr int BottomRow = 176;

} // namespace

CardBackPicture::CardBackPicture(int index, QWidget *parent) : CardPicture(index, parent)
{
    setToolTip(cards::backName(index));
    setAccessibleName(cards::backName(index));
}

QPixmap CardBackPicture::picture(qreal dpr) const
{
    if (picture_.isNull() || picture_.devicePixelRatio() != dpr)
        picture_ = cards::back(index(), dpr);
    return picture_;
}

frmBacks::frmBacks(platform::Platform &platform, TableLink &table, QWidget *parent)
    : QWidget(parent), platform_(platform), table_(table)
{
    setObjectName(QStringLiteral("frmBacks"));
    frame::makeBorderless(this, QStringLiteral("Change Cardbacks"), QRect(179, 111, 458, 298));

    for (int i = 0; i < cards::BackCount; ++i) {
        auto *picture = new CardBackPicture(i, this);
        picture->setObjectName(QStringLiteral("imgCardBack%1").arg(i));
        picture->move(Columns[i % 5], i < 5 ? TopRow : BottomRow);
        connect(picture, &CardBackPicture::clicked, this, &frmBacks::imgCardBack_Click);
        imgCardBack[std::size_t(i)] = picture;
    }

    const QFont buttonFont = art::font(art::FontFace::SansSerif, 8.25, false);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(56, 128, 81, 33);
    cmdCancel->setFont(buttonFont);
    cmdCancel->setAutoDefault(true);

    Label1 = new QLabel(QStringLiteral("Highlight your card choice and click OK."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(152, 128, 137, 33);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setFont(art::font(art::FontFace::SansSerif, 9.75, false));
    QPalette p = Label1->palette();
    p.setColor(QPalette::WindowText, frame::Cyan);
    Label1->setPalette(p);
    Label1->setAutoFillBackground(false);   // transparent

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(320, 128, 81, 33);
    cmdOK->setFont(buttonFont);
    cmdOK->setAutoDefault(true);

    setTabOrder(cmdCancel, cmdOK);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmBacks::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBacks::cmdCancel_Click);
    frame::closeActsAs(this, [this] { cmdCancel_Click(); });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, cmdCancel, &QPushButton::click);
}

void frmBacks::showWindow()
{
    // Each showing starts without outlines, not even around the back in use.
    for (CardBackPicture *picture : imgCardBack)
        picture->setOutline({});
    frame::keepAbove(this, table_.tableWindow());
    frame::showInFront(this);
    cmdOK->setFocus();
}

void frmBacks::imgCardBack_Click(int Index)
{
    if (Index < 0 || Index >= cards::BackCount)
        return;
    // The outlines stay while the window is up, so that covering the window
    // does not lose the player's choice from view.
    for (int j = 0; j < cards::BackCount; ++j)
        imgCardBack[std::size_t(j)]->setOutline(j == Index ? frame::Red : QColor(0, 0, 0));
    ChosenBack = std::int16_t(Index);
}

void frmBacks::cmdOK_Click()
{
    QString error;
    if (!platform_.patchFile(scores::CardBacksFile, 0, scores::encodeCardBack(ChosenBack), error)) {
        scores::FileTrouble trouble;
        trouble.add(scores::CardBacksFile, error, true);
        trouble.report(platform_, scores::BackNotSaved);
    }
    // Applied for this run even when it could not be saved.
    table_.showCardBack(ChosenBack);
    hide();
    emit closed();
}

void frmBacks::cmdCancel_Click()
{
    hide();
    emit closed();
}

void frmBacks::paintEvent(QPaintEvent *)
{
    frame::drawBorder(this, {QLine(0, 2, 458, 2), QLine(0, 295, 458, 295), QLine(2, 0, 2, 298),
                             QLine(455, 0, 455, 298)});
}
