#include "ui/Button.h"

#include "ui/Layout.h"
#include "ui/Scale.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <cmath>

namespace ui {

QRect Button::captionArea(QSize size) const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(), size);
    const int Padding = int(std::lround(4 * scale()));
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(Padding, 0, -Padding, 0);
}

void Button::paintEvent(QPaintEvent *event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect textArea = captionArea(size());
    if (option.fontMetrics.horizontalAdvance(QString(text()).remove(QLatin1Char('&'))) <=
        textArea.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(textArea, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         option.palette, isEnabled(), caption, QPalette::ButtonText);
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QRect &twips, const QFont &font)
{
    auto *b = new Button(caption, parent);
    b->setObjectName(QLatin1String(name));
    Layout::of(parent).add(b, twips, font);
    b->setAutoDefault(true);
    return b;
}

} // namespace ui
