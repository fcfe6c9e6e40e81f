#pragma once
// The credits: the author, the play-testers and the artist of the skull card
// back, and OK back to the menu.

#include <QWidget>

class QLabel;
class QPushButton;

class frmCredits : public QWidget {
    Q_OBJECT
public:
    explicit frmCredits(QWidget *parent = nullptr);

    void Command1_Click();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *Command1 = nullptr;

signals:
    // OK: the menu shows itself again; this window hides right after.
    void closed();

protected:
    void paintEvent(QPaintEvent *event) override;
};
