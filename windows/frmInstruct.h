#pragma once
// The instructions: three short texts beside the skull picture, the keys in
// small print, and OK back to the menu.

#include "ui/BorderlessWindow.h"

class frmInstruct : public ui::BorderlessWindow {
    Q_OBJECT
public:
    explicit frmInstruct(QWidget *owner = nullptr);
};
