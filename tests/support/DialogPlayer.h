#pragma once
// The player at the desktop's own modal dialogs. Each waits in an event loop
// of its own, so the test plays it from a timer once it is up.

#include <QApplication>
#include <QDialog>
#include <QtTest>

#include <functional>

// Types `text` key by key, as a keyboard with a key for each letter would.
inline void type(QWidget *on, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, on, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

// Runs `player` on the next modal dialog once it shows. A dialog still up
// five seconds later is cancelled, so that a failing test does not hang.
inline void whenDialogShows(std::function<void(QDialog &)> player)
{
    QTimer::singleShot(10, qApp, [player] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return whenDialogShows(player);
        QTimer::singleShot(5000, dialog, &QDialog::reject);
        player(*dialog);
    });
}

// Types `text` on what has the focus in the next dialog, then presses `key`.
inline void answerNextDialog(const QString &text, Qt::Key key)
{
    whenDialogShows([=](QDialog &dialog) {
        QWidget *focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
        type(focus, text);
        QTest::keyClick(focus, key);
    });
}
