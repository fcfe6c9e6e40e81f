#include "cards/CardPicture.h"

#include "cards/Arrows.h"
#include "cards/CardArt.h"
#include "cards/CardSize.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>

#include <algorithm>
#include <limits>

using namespace cards;

namespace {

// What a screen reader sees of a card: a button it can press, selected or not.
class CardAccessible : public QAccessibleWidget {
public:
    explicit CardAccessible(CardPicture *card) : QAccessibleWidget(card, QAccessible::Button) {}
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = static_cast<CardPicture *>(widget())->isSelected();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            static_cast<CardPicture *>(widget())->click();
    }
};

QAccessibleInterface *cardAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("CardPicture") && object && object->isWidgetType())
        return new CardAccessible(static_cast<CardPicture *>(object));
    return nullptr;
}

// How long a card's size must stay before its picture is drawn afresh, and
// how much longer for each card after the first.
constexpr int SharpenAfterMs = 150;
constexpr int SharpenStepMs = 8;
// The pictures the cache holds at the largest size shown: every place of the
// table and every back of the chooser, with room to spare.
constexpr int CachedCards = 48;

} // namespace

CardPicture::CardPicture(int index, QWidget *parent, int outlineWidth)
    : QAbstractButton(parent), index_(index), outlineWidth_(outlineWidth)
{
    // The window sets the size: the card's picture, outline and ring follow it.
    resize(CardWidth, CardHeight);
    // The cards are drawn afresh one after the other, not all in one frame.
    sharpen_.setSingleShot(true);
    sharpen_.setInterval(SharpenAfterMs + SharpenStepMs * index);
    connect(&sharpen_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    // The keyboard gives the focus; a click does not take it from the key.
    setFocusPolicy(Qt::TabFocus);
    static const bool accessible = (QAccessible::installFactory(cardAccessible), true);
    Q_UNUSED(accessible);
    connect(this, &QAbstractButton::clicked, this, [this] { emit picked(index_); });
}

void CardPicture::showFace(int face) { show(Shows::Face, face); }
void CardPicture::showBack(int back) { show(Shows::Back, back); }
void CardPicture::showNothing() { show(Shows::Nothing, 0); }

void CardPicture::show(Shows shows, int picture)
{
    if (shows_ == shows && picture_ == picture)
        return;
    shows_ = shows;
    picture_ = picture;
    outline_ = {};
    update();
}

void CardPicture::setOutline(const QColor &colour)
{
    if (outline_ == colour)
        return;
    outline_ = colour;
    update();
}

void CardPicture::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    sharpen_.start();
}

QPixmap CardPicture::picture(qreal dpr) const
{
    // Drawn with as many pixels as the card covers on the screen. The cache
    // is the application's pixmap cache, bounded; the table's cards and the
    // chooser's backs fit in it whole at any size.
    const QString key = QStringLiteral("card:%1:%2:%3:%4")
                            .arg(int(shows_)).arg(picture_).arg(dpr).arg(width());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        const qreal pixels = dpr * width() / CardWidth;
        pixmap = shows_ == Shows::Face ? face(picture_, pixels) : back(picture_, pixels);
        pixmap.setDevicePixelRatio(dpr);
        const int kb = pixmap.width() * pixmap.height() * 4 / 1024;
        QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), CachedCards * kb));
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

void CardPicture::paintEvent(QPaintEvent *)
{
    if (shows_ == Shows::Nothing)
        return;
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    const bool same = drawn_.shows == shows_ && drawn_.picture == picture_;
    if (sharpen_.isActive() && same && drawn_.width != width()) {
        // While the window is being resized the last picture is stretched,
        // coarsely but at once; the sharp one follows once the size stays.
        painter.drawPixmap(rect(), drawn_.pixmap);
    } else {
        drawn_ = {shows_, picture_, width(), picture(dpr)};
        painter.drawPixmap(0, 0, drawn_.pixmap);
    }
    // The outline and the ring are designed for a card at its designed size.
    painter.scale(qreal(width()) / CardWidth, qreal(height()) / CardHeight);
    if (outline_.isValid()) {
        // The outline runs inside the card from (1, 1) to (74, 99), both
        // corners included, growing inwards with its width.
        const QRect r(1, 1, CardWidth - 1, CardHeight - 1);
        const int w = outlineWidth_;
        painter.fillRect(QRect(r.left(), r.top(), r.width(), w), outline_);
        painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), outline_);
        painter.fillRect(QRect(r.left(), r.top(), w, r.height()), outline_);
        painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), outline_);
    }
    if (hasFocus() && ring_) {
        // Black outside, yellow inside, dashed: it shows on a white face and
        // on a dark back alike, and is never the red of a selection.
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF ring = QRectF(0, 0, CardWidth, CardHeight).adjusted(6, 6, -6, -6);
        painter.setPen(QPen(Qt::black, 4));
        painter.drawRoundedRect(ring, 3, 3);
        painter.setPen(QPen(QColor(255, 230, 0), 2, Qt::DashLine));
        painter.drawRoundedRect(ring, 3, 3);
    }
}

CardPicture *CardPicture::neighbour(Qt::Key arrow) const
{
    const QPoint from = geometry().center();
    CardPicture *best = nullptr;
    int bestScore = std::numeric_limits<int>::max();
    for (CardPicture *other : parentWidget()->findChildren<CardPicture *>(Qt::FindDirectChildrenOnly)) {
        if (other == this || !other->isVisible() || !other->isEnabled())
            continue;
        const auto score = cards::arrowDistance(other->geometry().center() - from, arrow);
        if (score && *score < bestScore) {
            bestScore = *score;
            best = other;
        }
    }
    return best;
}

void CardPicture::focusInEvent(QFocusEvent *event)
{
    ring_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
            event->reason() == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void CardPicture::keyPressEvent(QKeyEvent *event)
{
    if (!ring_) {
        ring_ = true;
        update();
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (CardPicture *next = neighbour(Qt::Key(event->key())))
            next->setFocus(Qt::TabFocusReason);
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}
