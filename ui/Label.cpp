#include "ui/Label.h"

#include "ui/Layout.h"

#include <QLabel>

namespace ui {

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, background);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &twips,
                  const QColor &textColour, Qt::Alignment align, const QFont &font,
                  const QColor &background, bool wraps)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(align | Qt::AlignTop);
    l->setWordWrap(wraps);
    setColours(l, textColour, background);
    Layout::of(parent).add(l, twips, font);
    return l;
}

} // namespace ui
