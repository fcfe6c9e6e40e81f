#pragma once
// The instructions: three short texts beside the skull picture, and OK back to
// the menu.

#include "ui/BorderlessWindow.h"

class frmInstruct : public ui::BorderlessWindow {
    Q_OBJECT
public:
    explicit frmInstruct(QWidget *owner = nullptr);
};
