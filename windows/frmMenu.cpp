#include "windows/frmMenu.h"

#include "game/TableLink.h"

frmMenu::frmMenu(platform::Platform &platform, TableLink &table, QWidget *parent)
    : QWidget(parent), platform_(platform), table_(table)
{
}
