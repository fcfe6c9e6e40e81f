#pragma once
// The skull picture of the information windows, at its own size (scaled with
// the windows) at the top left of its box.

#include <QLabel>

namespace ui {

class SkullPicture : public QLabel {
    Q_OBJECT
public:
    // `twips` is the picture's designed box.
    SkullPicture(QWidget *parent, const char *name, const QRect &twips);

protected:
    // Rendered afresh whenever the window comes to a screen of another pixel
    // ratio or changes its scale, so it stays sharp.
    void paintEvent(QPaintEvent *event) override;

private:
    qreal renderedFor_ = 0;
};

} // namespace ui
