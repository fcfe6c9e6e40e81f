#pragma once
// What the small windows reached from the menu have in common: twip
// positions, the blue background, no title bar, and the border of four thick
// lines that each window draws itself. Header only, so that the card back
// chooser in backs/ can share it without linking the menu's library.

#include "assets/Art.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLine>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QRect>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <initializer_list>

namespace frame {

// Positions are designed in twips; 15 twips make one pixel.
constexpr int px(int twips) { return twips / 15; }
inline QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}
inline QLine twipLine(int x1, int y1, int x2, int y2)
{
    return {px(x1), px(y1), px(x2), px(y2)};
}

inline const QColor Blue(0, 0, 255);
inline const QColor Red(255, 0, 0);
inline const QColor Cyan(0, 255, 255);
inline const QColor Green(0, 255, 0);

// The desktop's own colours, whatever the window's palette says.
inline QColor windowText() { return QGuiApplication::palette().color(QPalette::WindowText); }
// The background of text fields: the "white" of the game's windows.
inline QColor windowBackground() { return QGuiApplication::palette().color(QPalette::Base); }

// A frameless window at a fixed client area on the screen, with a blue
// background.
inline void makeBorderless(QWidget *w, const QString &caption, const QRect &clientArea)
{
    w->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    w->setWindowTitle(caption);
    w->setGeometry(clientArea);
    w->setFixedSize(clientArea.size());
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Blue);
    w->setPalette(p);
}

// Sets the colours of a label (or any widget) on the window.
inline void colour(QWidget *w, const QColor &text, const QColor &background = Blue)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, background);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A label as the game's windows use them: plain text that wraps at word
// ends, on the window's blue unless told otherwise.
inline QLabel *makeLabel(QWidget *parent, const char *name, const QString &text,
                         const QRect &geometry, const QColor &textColour,
                         Qt::Alignment align, const QFont &font)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    l->setAlignment(align | Qt::AlignTop);
    l->setWordWrap(true);
    l->setFont(font);
    colour(l, textColour);
    // Where the desktop's font runs longer than the game's was designed for,
    // the label grows downwards rather than cut its last line.
    const int needed = l->heightForWidth(geometry.width());
    if (needed > geometry.height())
        l->resize(geometry.width(), needed);
    return l;
}

// A command button whose caption wraps onto a second line when it is too
// long for one, as the game's buttons are small.
class Button : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
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
};

inline QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                               const QRect &geometry, const QFont &font)
{
    auto *b = new Button(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(font);
    // Enter presses the button that has the focus.
    b->setAutoDefault(true);
    return b;
}

// The skull picture of the information windows, rendered afresh whenever the
// window comes to a screen of another pixel ratio, so it stays sharp.
class SkullPicture : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const qreal dpr = devicePixelRatioF();
        if (pixmap().isNull() || pixmap().devicePixelRatio() != dpr)
            setPixmap(art::skullPicture(dpr));
        QLabel::paintEvent(event);
    }
};

// The skull picture shown at its own size at the top left of `geometry`.
inline QLabel *makeSkullPicture(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *l = new SkullPicture(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setPixmap(art::skullPicture(l->devicePixelRatioF()));
    return l;
}

// One straight border line `width` pixels thick, centred on the line from
// a to b, with square ends so that the corners close.
inline void drawThickLine(QPainter &painter, const QLine &line, const QColor &colour, int width = 5)
{
    const int half = width / 2;
    const QRect r = QRect(line.p1(), line.p2()).normalized().adjusted(-half, -half, half, half);
    painter.fillRect(r, colour);
}

inline void drawBorder(QWidget *w, std::initializer_list<QLine> lines)
{
    QPainter painter(w);
    for (const QLine &line : lines)
        drawThickLine(painter, line, windowText());
}

// Keeps `w` above the window `owner` (the game table), so that a click on the
// disabled table cannot bury it.
inline void keepAbove(QWidget *w, QWidget *owner)
{
    if (!owner || owner == w)
        return;
    w->winId();
    owner->winId();
    if (QWindow *handle = w->windowHandle())
        handle->setTransientParent(owner->windowHandle());
}

// Shows a window without blocking, brings it to the front and gives it the
// input.
inline void showInFront(QWidget *w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

// These windows have no close box, but the desktop can still ask them to close
// (its close shortcut). Such a request does what the window's own button for
// going back does, so the table is never left disabled with nothing shown.
class CloseActsAs : public QObject {
public:
    CloseActsAs(QWidget *w, std::function<void()> act) : QObject(w), act_(std::move(act)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        act_();
        return true;
    }

private:
    std::function<void()> act_;
};

inline void closeActsAs(QWidget *w, std::function<void()> act)
{
    w->installEventFilter(new CloseActsAs(w, std::move(act)));
}

} // namespace frame
