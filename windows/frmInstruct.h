#pragma once
// The instructions: three short texts beside the skull picture, and OK back to
// the menu.

#include <QWidget>

class QLabel;
class QPushButton;

class frmInstruct : public QWidget {
    Q_OBJECT
public:
    explicit frmInstruct(QWidget *parent = nullptr);

    void Command1_Click();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *Command1 = nullptr;

signals:
    // OK: the menu shows itself again; this window hides right after.
    void closed();

protected:
    void paintEvent(QPaintEvent *event) override;
};
