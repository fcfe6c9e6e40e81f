#pragma once
// The skull picture of the information windows, at its own size at the top
// left of its box.

#include <QLabel>

namespace ui {

class SkullPicture : public QLabel {
    Q_OBJECT
public:
    SkullPicture(QWidget *parent, const char *name, const QRect &geometry);

protected:
    // Rendered afresh whenever the window comes to a screen of another pixel
    // ratio, so it stays sharp.
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
