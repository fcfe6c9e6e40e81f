#include "ui/Label.h"

#include "ui/Layout.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace ui {

namespace {

class Squeeze : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Only a paint is looked at: other events come while a label is made
        // or destroyed, when it is not yet or no longer a label.
        if (event->type() != QEvent::Paint)
            return false;
        auto *label = qobject_cast<QLabel *>(watched);
        if (!label)
            return false;
        const int room = label->contentsRect().width();
        const int wide = label->fontMetrics().horizontalAdvance(label->text());
        if (wide <= room || room <= 0)
            return false;
        QPainter painter(label);
        painter.setFont(label->font());
        painter.setPen(label->palette().color(QPalette::WindowText));
        painter.scale(double(room) / wide, 1.0);
        painter.drawText(QRect(0, 0, wide, label->height()), int(label->alignment()), label->text());
        return true;
    }
};

} // namespace

void keepWhole(QLabel *label)
{
    static Squeeze squeeze;
    label->installEventFilter(&squeeze);
}

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
