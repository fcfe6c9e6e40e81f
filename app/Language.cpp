#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Where the build puts the game's translations, among its resources.
const QString GameWords = QStringLiteral(":/i18n");

// A file that is missing, broken or empty is no translation at all.
bool loaded(QTranslator &t, bool found) { return found && !t.isEmpty(); }

void install(QCoreApplication &app, QTranslator *translator)
{
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator);
}

} // namespace

void useLanguage(QCoreApplication &app, const QLocale &language, const QString &extra)
{
    // English has only its plurals to give ("1 card", "2 cards"): it lies
    // under every other language, for what that one leaves out.
    auto *english = new QTranslator;
    if (loaded(*english, english->load(QStringLiteral("quintrel_en"), GameWords)))
        install(app, english);
    else
        delete english;

    auto *game = new QTranslator;
    if (loaded(*game, game->load(language, QStringLiteral("quintrel"), QStringLiteral("_"), GameWords)) &&
        !game->language().startsWith(QLatin1String("en"))) {
        // Qt's own words only in a language the game speaks too, so that a
        // message never mixes two languages. The game's words, installed
        // last, come first where both have a text.
        auto *qt = new QTranslator;
        if (loaded(*qt, qt->load(QLocale(game->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))))
            install(app, qt);
        else
            delete qt;
        install(app, game);
    } else {
        delete game;
    }

    if (!extra.isEmpty()) {
        auto *over = new QTranslator;
        if (loaded(*over, over->load(extra)))
            install(app, over);
        else
            delete over;
    }
}
