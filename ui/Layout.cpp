#include "ui/Layout.h"

#include "ui/Scale.h"

#include <QLabel>

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

void Layout::add(QWidget *control, const QRect &twips, const QFont &font)
{
    controls_.append({control, twips, font, std::max(0, font.pixelSize())});
    place(controls_.last(), scale(), {});
}

void Layout::apply(double factor, QPoint origin) const
{
    for (const Control &c : controls_)
        place(c, factor, origin);
}

void Layout::place(const Control &c, double factor, QPoint origin) const
{
    if (!c.widget)
        return;
    if (c.pixels) {
        const int pixels = std::max(1, int(std::lround(c.pixels * factor)));
        if (c.widget->font().pixelSize() != pixels)
            c.widget->setFont(scaledFont(c.font, factor));
    }
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
