#include "ui/Keys.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <optional>

namespace ui {

namespace {

QString translated(const char *text) { return QCoreApplication::translate("Keys", text); }

QList<KeyBinding> makeBindings()
{
    using K = KeyAction;
    using P = KeyPlace;
    auto seq = [](QKeyCombination key) { return QKeySequence(key); };
    return {
        {K::Deal, "actDeal", {seq(Qt::CTRL | Qt::Key_N)}, QT_TRANSLATE_NOOP("Keys", "&Deal"),
         QT_TRANSLATE_NOOP("Keys", "deal, and start a game or the next round"), P::Table},
        {K::TakeScore, "actTakeScore", {}, QT_TRANSLATE_NOOP("Keys", "&Take Score"),
         QT_TRANSLATE_NOOP("Keys", "take the score and end the round"), P::Table},
        {K::Menu, "actMenu", {}, QT_TRANSLATE_NOOP("Keys", "&Menu"), QT_TRANSLATE_NOOP("Keys", "the menu"),
         P::Table},
        {K::HighScores, "actHighScores", {}, QT_TRANSLATE_NOOP("Keys", "&High Scores"),
         QT_TRANSLATE_NOOP("Keys", "the high scores"), P::Table},
        {K::Exit, "actExit", {seq(Qt::CTRL | Qt::Key_Q)}, QT_TRANSLATE_NOOP("Keys", "&Exit"),
         QT_TRANSLATE_NOOP("Keys", "leave the game"), P::Table},
        {K::Turn, "actTurn", {seq(Qt::Key_N)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "turn the next card of the deck; a drawn card still showing first "
                                   "fills a gap in the pyramid, and then no card is turned"), P::Table},
        {K::SayState, "actSayState", {seq(Qt::Key_S)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "say the score, the time left, the elevens, the cards left and the round"),
         P::Table},
        {K::ReadTable, "actReadTable", {seq(Qt::Key_P)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "read the pyramid row by row, each card open, covered or gone, then the "
                                   "drawn card and the deck"), P::Table},
        {K::KeyHelp, "actKeyHelp", {seq(Qt::Key_F1)}, nullptr, QT_TRANSLATE_NOOP("Keys", "this list of keys"),
         P::Table},
        {K::LargerTable, "actLarger", {seq(Qt::CTRL | Qt::Key_Plus), seq(Qt::CTRL | Qt::Key_Equal)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "larger table"), P::Table},
        {K::SmallerTable, "actSmaller", {seq(Qt::CTRL | Qt::Key_Minus)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "smaller table"), P::Table},
        {K::DesignedSize, "actDesignedSize", {seq(Qt::CTRL | Qt::Key_0)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "designed size"), P::Table},
        {K::Move, "actMove", {}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "move to the nearest card or button in that direction"), P::Everywhere,
         QT_TRANSLATE_NOOP("Keys", "Arrow keys")},
        {K::NextControl, "actNextControl", {seq(Qt::Key_Tab)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "the next card or button"), P::Everywhere},
        {K::PreviousControl, "actPreviousControl", {seq(Qt::SHIFT | Qt::Key_Tab)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "the one before"), P::Everywhere},
        {K::Pick, "actPick", {seq(Qt::Key_Space)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "press the button, select or unselect the card, pick the card back"),
         P::Everywhere},
        {K::PickAndConfirm, "actPickAndConfirm", {seq(Qt::Key_Enter)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "the same; on a card back, choose it and close the chooser"),
         P::Everywhere},
        {K::GoBack, "actGoBack", {seq(Qt::Key_Escape)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "close the window and go back"), P::Everywhere},
        {K::SystemInfo, "actSystemInfo", {}, QT_TRANSLATE_NOOP("Keys", "&System Info..."),
         QT_TRANSLATE_NOOP("Keys", "system information, in About"), P::Everywhere},
        {K::BrowserBack, "actBrowserBack", {seq(Qt::ALT | Qt::Key_Left)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "the page before"), P::Browser},
        {K::BrowserForward, "actBrowserForward", {seq(Qt::ALT | Qt::Key_Right)}, nullptr,
         QT_TRANSLATE_NOOP("Keys", "the page after"), P::Browser},
        {K::AddressBox, "actAddressBox", {}, QT_TRANSLATE_NOOP("Keys", "&Address:"),
         QT_TRANSLATE_NOOP("Keys", "the address box"), P::Browser},
    };
}

QString placeName(KeyPlace where)
{
    switch (where) {
    case KeyPlace::Table:
        return translated(QT_TRANSLATE_NOOP("Keys", "On the table"));
    case KeyPlace::Everywhere:
        return translated(QT_TRANSLATE_NOOP("Keys", "In every window"));
    case KeyPlace::Browser:
        break;
    }
    return translated(QT_TRANSLATE_NOOP("Keys", "In the web browser"));
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

QString caption(KeyAction action)
{
    const char *text = binding(action).caption;
    return text ? translated(text) : QString();
}

QString keyText(KeyAction action)
{
    const KeyBinding &b = binding(action);
    if (b.keyName)
        return translated(b.keyName);
    QStringList keys;
    if (b.caption)
        keys << QKeySequence::mnemonic(caption(action)).toString(QKeySequence::NativeText);
    for (const QKeySequence &key : b.keys)
        keys << key.toString(QKeySequence::NativeText);
    // Ctrl+Plus and Ctrl+= are one key on most keyboards: the first names it.
    if (action == KeyAction::LargerTable)
        keys.resize(1);
    return keys.join(QStringLiteral(", "));
}

QString keyWhat(KeyAction action) { return translated(binding(action).what); }

bool isKey(const QKeyEvent *event, KeyAction action)
{
    const QKeySequence pressed(event->keyCombination());
    for (const QKeySequence &key : binding(action).keys)
        if (key == pressed)
            return true;
    return false;
}

QAction *addAction(QWidget *window, KeyAction action, std::function<void()> run)
{
    const KeyBinding &b = binding(action);
    auto *act = new QAction(keyWhat(action), window);
    act->setObjectName(QLatin1String(b.name));
    act->setShortcuts(b.keys);
    QObject::connect(act, &QAction::triggered, window, std::move(run));
    window->addAction(act);
    return act;
}

QString keyHelp()
{
    QString help;
    std::optional<KeyPlace> where;
    for (const KeyBinding &b : keyBindings()) {
        if (b.where != where) {
            where = b.where;
            help += (help.isEmpty() ? QString() : QStringLiteral("\n")) +
                    QCoreApplication::translate("Keys", "%1:", "a heading of the key list").arg(placeName(b.where)) +
                    QLatin1Char('\n');
        }
        help += QCoreApplication::translate("Keys", "%1: %2.", "a key and what it does")
                    .arg(keyText(b.action), keyWhat(b.action)) + QLatin1Char('\n');
    }
    return help.trimmed();
}

} // namespace ui
