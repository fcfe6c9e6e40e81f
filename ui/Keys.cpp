#include "ui/Keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace ui {

namespace {

const QString Table = QStringLiteral("On the table");
const QString Everywhere = QStringLiteral("In every window");
const QString Browser = QStringLiteral("In the web browser");

QList<KeyBinding> makeBindings()
{
    using K = KeyAction;
    auto seq = [](QKeyCombination key) { return QKeySequence(key); };
    return {
        {K::Deal, {seq(Qt::CTRL | Qt::Key_N)}, QCoreApplication::translate("Keys", "Alt+D, Ctrl+N"),
         QStringLiteral("deal, and start a game or the next round"), Table},
        {K::TakeScore, {}, QStringLiteral("Alt+T"), QStringLiteral("take the score and end the round"), Table},
        {K::Menu, {}, QStringLiteral("Alt+M"), QStringLiteral("the menu"), Table},
        {K::HighScores, {}, QStringLiteral("Alt+H"), QStringLiteral("the high scores"), Table},
        {K::Exit, {seq(Qt::CTRL | Qt::Key_Q)}, QCoreApplication::translate("Keys", "Alt+E, Ctrl+Q"),
         QStringLiteral("leave the game"), Table},
        {K::Turn, {seq(Qt::Key_N)}, QStringLiteral("N"),
         QStringLiteral("turn the next card of the deck; a drawn card still showing first fills a "
                        "gap in the pyramid, and then no card is turned"), Table},
        {K::SayState, {seq(Qt::Key_S)}, QStringLiteral("S"),
         QStringLiteral("say the score, the time left, the elevens, the cards left and the round"), Table},
        {K::ReadTable, {seq(Qt::Key_P)}, QStringLiteral("P"),
         QStringLiteral("read the pyramid row by row, each card open, covered or gone, then the "
                        "drawn card and the deck"), Table},
        {K::KeyHelp, {seq(Qt::Key_F1)}, QStringLiteral("F1"), QStringLiteral("this list of keys"), Table},
        {K::LargerTable, {seq(Qt::CTRL | Qt::Key_Plus), seq(Qt::CTRL | Qt::Key_Equal)},
         QStringLiteral("Ctrl+Plus"), QStringLiteral("larger table"), Table},
        {K::SmallerTable, {seq(Qt::CTRL | Qt::Key_Minus)}, QStringLiteral("Ctrl+Minus"),
         QStringLiteral("smaller table"), Table},
        {K::DesignedSize, {seq(Qt::CTRL | Qt::Key_0)}, QStringLiteral("Ctrl+0"),
         QStringLiteral("designed size"), Table},
        {K::Move, {}, QStringLiteral("Arrow keys"),
         QStringLiteral("move to the nearest card or button in that direction"), Everywhere},
        {K::NextControl, {}, QStringLiteral("Tab"), QStringLiteral("the next card or button"), Everywhere},
        {K::PreviousControl, {}, QStringLiteral("Shift+Tab"), QStringLiteral("the one before"), Everywhere},
        {K::Pick, {}, QStringLiteral("Space"),
         QStringLiteral("press the button, select or unselect the card, pick the card back"), Everywhere},
        {K::PickAndConfirm, {}, QStringLiteral("Enter"),
         QStringLiteral("the same; on a card back, choose it and close the chooser"), Everywhere},
        {K::GoBack, {seq(Qt::Key_Escape)}, QStringLiteral("Escape"),
         QStringLiteral("close the window and go back"), Everywhere},
        {K::SystemInfo, {}, QStringLiteral("Alt+S"), QStringLiteral("system information, in About"), Everywhere},
        {K::BrowserBack, {seq(Qt::ALT | Qt::Key_Left)}, QStringLiteral("Alt+Left"),
         QStringLiteral("the page before"), Browser},
        {K::BrowserForward, {seq(Qt::ALT | Qt::Key_Right)}, QStringLiteral("Alt+Right"),
         QStringLiteral("the page after"), Browser},
        {K::AddressBox, {}, QStringLiteral("Alt+A"), QStringLiteral("the address box"), Browser},
    };
}

} // namespace

const QList<KeyBinding> &keyBindings()
{
    static const QList<KeyBinding> bindings = makeBindings();
    return bindings;
}

const KeyBinding &binding(KeyAction action)
{
    for (const KeyBinding &b : keyBindings())
        if (b.action == action)
            return b;
    Q_UNREACHABLE();
}

bool isKey(const QKeyEvent *event, KeyAction action)
{
    const QKeySequence pressed(event->keyCombination());
    for (const QKeySequence &key : binding(action).keys)
        if (key == pressed)
            return true;
    return false;
}

void addShortcut(QWidget *window, KeyAction action, std::function<void()> run)
{
    for (const QKeySequence &key : binding(action).keys)
        QObject::connect(new QShortcut(key, window), &QShortcut::activated, window, run);
}

QString keyHelp()
{
    QString help;
    QString where;
    for (const KeyBinding &b : keyBindings()) {
        if (b.where != where) {
            where = b.where;
            help += (help.isEmpty() ? QString() : QStringLiteral("\n")) + where + QStringLiteral(":\n");
        }
        help += QStringLiteral("%1: %2.\n").arg(b.keyText, b.what);
    }
    return help.trimmed();
}

} // namespace ui
