#pragma once
// The card back chooser: the ten backs side by side; OK chooses the one
// picked last, by a click or from the keyboard.

#include "ui/BorderlessWindow.h"

#include <QList>

class CardPicture;
class QPushButton;

class frmBacks : public ui::BorderlessWindow {
    Q_OBJECT
public:
    // `owner` is the table, which the window stays above.
    explicit frmBacks(QWidget *owner = nullptr);

    // Shows the window with the focus and the pick mark on the back in use.
    void showWindow() override;
    // The back in use, which the chooser opens on.
    void setCurrent(int index);

signals:
    // OK: the back picked last, or the one in use when none was picked. The
    // window then hides and tells closed().
    void backChosen(int index);

protected:
    // Cancel, Escape and the desktop's close request.
    void goBack() override;
    // Enter on a back chooses it and confirms.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(int index);
    void markChosen();

    QList<CardPicture *> backs_;
    QPushButton *ok_ = nullptr;
    int chosen_ = 0;
};
