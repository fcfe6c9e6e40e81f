#include "ui/Layout.h"

#include "ui/Button.h"
#include "ui/Scale.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>

#include <cmath>

namespace ui {

Layout &Layout::of(QWidget *widget)
{
    QWidget *window = widget->window();
    auto *layout = window->findChild<Layout *>(QString(), Qt::FindDirectChildrenOnly);
    return layout ? *layout : *new Layout(window);
}

QFont scaledFont(const QFont &designed, double factor)
{
    QFont font = designed;
    font.setPixelSize(std::max(1, int(std::lround(designed.pixelSize() * factor))));
    return font;
}

bool textFits(const QWidget *control, const QFont &font, QSize size, int roomBelow)
{
    const QFontMetrics metrics(font);
    if (const auto *button = qobject_cast<const Button *>(control)) {
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        const QRect area = button->captionArea(size);
        const QRect needed = metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
        return text.isEmpty() || (needed.width() <= area.width() && needed.height() <= area.height());
    }
    const auto *label = qobject_cast<const QLabel *>(control);
    if (!label || label->text().isEmpty())
        return true;
    const int width = size.width() - label->contentsMargins().left() - label->contentsMargins().right();
    if (!label->wordWrap())
        return metrics.horizontalAdvance(label->text()) <= width;
    // A wrapping label grows downwards as far as the next control below it.
    static const QRegularExpression space(QStringLiteral("\\s+"));
    for (const QString &word : label->text().split(space, Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(word) > width)
            return false;
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, label->text());
    return needed.height() <= std::max(size.height(), roomBelow);
}

void Layout::add(QWidget *control, const QRect &twips, const QFont &font)
{
    controls_.append({control, twips, font, std::max(0, font.pixelSize())});
    factor_ = scale();
    // Its text is fitted once the window is laid out whole, by apply().
    const Control &c = controls_.last();
    if (c.pixels) {
        control->installEventFilter(this);
        if (const QFont designed = scaledFont(c.font, factor_); control->font().pixelSize() != designed.pixelSize())
            control->setFont(designed);
    }
    place(c, factor_, {}, false);
}

bool Layout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show)
        fit(static_cast<QWidget *>(watched));
    return false;
}

void Layout::apply(double factor, QPoint origin)
{
    factor_ = factor;
    for (const Control &c : controls_)
        place(c, factor, origin, true);
}

void Layout::fit(QWidget *control) const
{
    for (const Control &c : controls_)
        if (c.widget == control)
            fitText(c, factor_);
}

// A text too long for its control at the designed font is set smaller, a
// pixel at a time, down to three quarters of the font's size: a translation
// that runs longer than the English still shows whole.
void Layout::fitText(const Control &c, double factor) const
{
    // Measured only when something it depends on has changed, and not while
    // hidden: measuring loads the font at each size tried.
    const auto *label = qobject_cast<const QLabel *>(c.widget.data());
    const auto *button = qobject_cast<const QAbstractButton *>(c.widget.data());
    const QString text = label ? label->text() : button ? button->text() : QString();
    const int height = c.widget->parentWidget() ? c.widget->parentWidget()->height() : 0;
    if (!c.pixels || c.widget->isHidden() ||
        (text == c.fittedText && factor == c.fittedFactor && height == c.fittedHeight))
        return;
    c.fittedText = text;
    c.fittedFactor = factor;
    c.fittedHeight = height;
    const QSize size = scaled(c.twips, factor).size();
    // Down to the next control below it, or the window's foot.
    int below = int(height * 15 / factor);
    for (const Control &other : controls_)
        if (other.widget && other.widget != c.widget && other.widget->parentWidget() == c.widget->parentWidget() &&
            other.twips.top() > c.twips.top() && other.twips.left() < c.twips.right() &&
            other.twips.right() > c.twips.left())
            below = std::min(below, other.twips.top());
    // A pixel is kept clear: big figures reach a little above their box.
    const int room = scaled(QRect(0, c.twips.top(), 1, std::max(0, below - c.twips.top())), factor).height() - 1;
    const int designed = std::max(1, int(std::lround(c.pixels * factor)));
    const int smallest = std::max(1, int(std::ceil(designed * 0.75)));
    QFont font = scaledFont(c.font, factor);
    bool fits = false;
    for (int pixels = designed; pixels >= smallest && !fits; --pixels) {
        font.setPixelSize(pixels);
        fits = textFits(c.widget, font, size, room);
    }
    // At the smallest size, narrower letters, as a condensed face has them.
    for (int stretch = 95; stretch >= 75 && !fits; stretch -= 5) {
        font.setStretch(stretch);
        fits = textFits(c.widget, font, size, room);
    }
    if (c.widget->font().pixelSize() != font.pixelSize() || c.widget->font().stretch() != font.stretch())
        c.widget->setFont(font);
}

void Layout::place(const Control &c, double factor, QPoint origin, bool fitting) const
{
    if (!c.widget)
        return;
    if (fitting)
        fitText(c, factor);
    // The origin moves the window's own controls; those inside a panel move
    // with the panel.
    QRect r = scaled(c.twips, factor);
    if (c.widget->parentWidget() == parent())
        r.translate(origin);
    // Where the desktop's font runs longer than the game's was designed for,
    // a wrapping label grows downwards rather than cut its last line.
    if (auto *label = qobject_cast<QLabel *>(c.widget.data()); label && label->wordWrap())
        r.setHeight(std::max(r.height(), label->heightForWidth(r.width())));
    if (c.widget->geometry() != r)
        c.widget->setGeometry(r);
}

} // namespace ui
