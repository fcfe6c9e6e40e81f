#pragma once
// The credits: the author, the play-testers and the artist of the skull card
// back, and OK back to the menu.

#include "ui/BorderlessWindow.h"

class frmCredits : public ui::BorderlessWindow {
    Q_OBJECT
public:
    explicit frmCredits(QWidget *owner = nullptr);
};
