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

    // Shows the window without outlines, not even around the back in use.
    void showWindow() override;

signals:
    // OK: the back picked last, 0 until the first pick of the run. The
    // window then hides and tells closed().
    void backChosen(int index);

protected:
    // Cancel, Escape and the desktop's close request.
    void goBack() override;

private:
    void choose(int index);

    QList<CardPicture *> backs_;
    QPushButton *ok_ = nullptr;
    int chosen_ = 0;
};
