#include "ui/Label.h"

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

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                  const QColor &textColour, Qt::Alignment align, const QFont &font)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    l->setAlignment(align | Qt::AlignTop);
    l->setWordWrap(true);
    l->setFont(font);
    setColours(l, textColour);
    // Where the desktop's font runs longer than the game's was designed for,
    // the label grows downwards rather than cut its last line.
    const int needed = l->heightForWidth(geometry.width());
    if (needed > geometry.height())
        l->resize(geometry.width(), needed);
    return l;
}

} // namespace ui
