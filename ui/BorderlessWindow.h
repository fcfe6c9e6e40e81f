#pragma once
// The menu and the windows reached from it: no title bar, a client area of a
// fixed size beside the table, a blue background and a border of four thick
// lines that the window draws itself. All of it follows the table's scale. Each stays a window of its own above the game table
// (its owner), never a child of it: a disabled parent would disable it too.

#include <QLine>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <initializer_list>

namespace ui {

class BorderlessWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the window above its owner, in front, with the input.
    virtual void showWindow();

signals:
    // The window's way back has been taken: the window it came from takes over.
    void closed();

protected:
    // `clientArea` is the window's designed place on the screen and `border`
    // the middle lines of the four sides, all in twips.
    BorderlessWindow(const QString &caption, const QRect &clientArea,
                     std::initializer_list<QLine> border, QWidget *owner);

    QWidget *owner() const { return owner_; }

    // The window's own button for going back. By default the window it returns
    // to shows itself first, so that the disabled table never comes to the
    // front in between.
    virtual void goBack();

    void paintEvent(QPaintEvent *event) override;
    // There is no close box, but the desktop can still ask the window to close
    // (its close shortcut): that goes back too, so the table is never left
    // disabled with nothing shown.
    void closeEvent(QCloseEvent *event) override;
    // Escape goes back too.
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Its size, place and controls for the table's scale now.
    void fitToScale();
    // Under Wayland: gives a key the window took for the table to the control
    // in focus; false where that is not for it to do.
    bool passOn(QKeyEvent *event);
    // Under Wayland, where it is a popup of the table: the keys the table
    // receives, and the input focus of the game.
    void takeKeys();

    QRect clientArea_;
    QPointer<QWidget> owner_;
    QList<QLine> border_;
    bool passing_ = false;
};

} // namespace ui
