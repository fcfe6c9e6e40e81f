#pragma once
// The player at the desktop: the game's windows it shows, and its own modal
// dialogs, each of which waits in an event loop of its own, so that the test
// plays it from a timer once it is up.

#include <QApplication>
#include <QDialog>
#include <QtTest>

// The window of this name that the desktop shows now, if any.
inline QWidget *shown(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// Once the next modal dialog shows: types `text` key by key on what has the
// focus there, lets `look` see the dialog, and presses `key`. A dialog still
// up five seconds later is cancelled, so that a failing test does not hang.
inline void answerNextDialog(const QString &text, Qt::Key key, std::function<void(QDialog &)> look = {})
{
    QTimer::singleShot(10, qApp, [=] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return answerNextDialog(text, key, look);
        QTimer::singleShot(5000, dialog, &QDialog::reject);
        for (const QChar c : text)   // as a keyboard with a key for each letter types it
            QTest::sendKeyEvent(QTest::Click, dialog->focusWidget(), Qt::Key(c.toUpper().unicode()), QString(c), {});
        if (look)
            look(*dialog);
        QTest::keyClick(dialog->focusWidget(), key);
    });
}
