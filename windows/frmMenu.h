#pragma once
// The menu: the hub of the information windows, the card back chooser and the
// web browser.

#include <QWidget>

namespace platform { class Platform; }
class TableLink;

class frmMenu : public QWidget {
    Q_OBJECT
public:
    frmMenu(platform::Platform &platform, TableLink &table, QWidget *parent = nullptr);

private:
    platform::Platform &platform_;
    TableLink &table_;
};
