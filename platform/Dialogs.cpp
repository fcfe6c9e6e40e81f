#include "platform/Dialogs.h"

#include "version/Version.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// A message too tall for its screen's free area (the key list on a small
// screen at a large scale): its text scrolls in a box that fits, above an
// OK that stays in view.
void showScrolling(QWidget *owner, const QString &title, const QString &text, QSize room)
{
    QDialog box(owner);
    box.setWindowTitle(title);
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("messageScroll"));
    scroll->setWidget(label);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(ok, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto *layout = new QVBoxLayout(&box);
    layout->addWidget(scroll);
    layout->addWidget(ok);
    box.resize(QSize(label->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() +
                         2 * layout->contentsMargins().left() + 2 * scroll->frameWidth(),
                     room.height()).boundedTo(room));
    ok->button(QDialogButtonBox::Ok)->setFocus();
    box.exec();
}

} // namespace

namespace platform {

namespace {

// Watches a full text box for the first key that would type past its end.
class WhenFull : public QObject {
public:
    WhenFull(QLineEdit *box, std::function<void()> full) : QObject(box), box_(box), full_(std::move(full)) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !full_)
            return false;
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (box_->text().size() >= box_->maxLength() && !box_->hasSelectedText() && !typed.isEmpty()
            && typed.at(0).isPrint())
            std::exchange(full_, {})();
        return false;
    }

private:
    QLineEdit *box_;
    std::function<void()> full_;
};

} // namespace

Answer QtDialogs::message(const QString &text, Buttons buttons, Icon icon, const QString &title,
                          Answer defaultAnswer)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QString::fromLatin1(version::Title) : title);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // A frame's title bar and borders come to less than this, on any
    // desktop: room kept for them before they are known.
    constexpr int FrameRoom = 64;
    QScreen *screen = box.parentWidget() ? box.parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen->availableGeometry().size() - QSize(FrameRoom, FrameRoom);
    if (buttons == Buttons::Ok && box.sizeHint().height() > room.height()) {
        showScrolling(box.parentWidget(), box.windowTitle(), text, room);
        return Answer::Ok;
    }
    const int result = box.exec();
    if (buttons == Buttons::YesNo)
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

QString QtDialogs::input(const QString &prompt, const QString &title, const QRect &keepClear,
                         int maxLength, std::function<void(QWidget *dialog)> whenFull)
{
    // A prompt may break its lines with a bare carriage return; the dialog's
    // label breaks lines only at line feeds.
    QString shown = prompt;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(u'\r'), QChar(u'\n'));
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(shown);
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto *box = dialog.findChild<QLineEdit *>()) {
        box->setMaxLength(maxLength);
        if (whenFull)
            box->installEventFilter(new WhenFull(box, [&dialog, whenFull] { whenFull(&dialog); }));
    }
    if (keepClear.isValid()) {
        dialog.adjustSize();
        dialog.move(keepClear.center().x() - dialog.width() / 2, keepClear.bottom() + 12);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace platform
