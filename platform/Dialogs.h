#pragma once
// The modal message box and text-entry dialog of the game's windows.

#include <QRect>
#include <QString>

#include <functional>

class QWidget;

namespace platform {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Question, Warning };
enum class Answer { Ok, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box; an empty title means the application title.
    virtual Answer message(const QString &text, Buttons buttons = Buttons::Ok,
                           Icon icon = Icon::None, const QString &title = {},
                           Answer defaultAnswer = Answer::Ok) = 0;
    // A text-entry dialog: the text typed, or an empty text on Cancel. It
    // opens below `keepClear` (in screen pixels) when that is given, so what
    // lies there stays in view. The text box takes at most `maxLength`
    // characters; the first key that would type one more calls `whenFull`
    // with the dialog, once.
    virtual QString input(const QString &prompt, const QString &title, const QRect &keepClear,
                          int maxLength, std::function<void(QWidget *dialog)> whenFull = {}) = 0;
};

class QtDialogs final : public Dialogs {
public:
    Answer message(const QString &text, Buttons buttons, Icon icon, const QString &title,
                   Answer defaultAnswer) override;
    QString input(const QString &prompt, const QString &title, const QRect &keepClear,
                  int maxLength, std::function<void(QWidget *dialog)> whenFull) override;
};

} // namespace platform
