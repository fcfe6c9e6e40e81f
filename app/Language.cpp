#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {

// Where the build puts the game's translations, among its resources.
const QString GameWords = QStringLiteral(":/i18n");

// Installs a translator that `found` its file; a file that is missing,
// broken or empty is no translation at all.
QTranslator *install(QCoreApplication &app, std::unique_ptr<QTranslator> translator, bool found)
{
    if (!found || translator->isEmpty())
        return nullptr;
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}

} // namespace

void useLanguage(QCoreApplication &app, const QLocale &language, const QString &extra)
{
    // English has only its plurals to give ("1 card", "2 cards"): it lies
    // under every other language, for what that one leaves out.
    auto english = std::make_unique<QTranslator>();
    const bool plurals = english->load(QStringLiteral("quintrel_en"), GameWords);
    install(app, std::move(english), plurals);

    auto words = std::make_unique<QTranslator>();
    const bool found = words->load(language, QStringLiteral("quintrel"), QStringLiteral("_"), GameWords) &&
                       !words->language().startsWith(QLatin1String("en"));
    if (QTranslator *game = install(app, std::move(words), found)) {
        // Qt's own words (Yes, No, Cancel) only in a language the game speaks
        // too, so that a message never mixes two languages. None shows before
        // the table does: they are read once it is up, not before it.
        QTimer::singleShot(0, &app, [&app, language = QLocale(game->language()), game = QPointer(game)] {
            if (!game)
                return;   // another language was chosen meanwhile
            auto qt = std::make_unique<QTranslator>();
            const bool loaded = qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            install(app, std::move(qt), loaded);
        });
    }

    if (!extra.isEmpty()) {
        auto over = std::make_unique<QTranslator>();
        const bool loaded = over->load(extra);
        install(app, std::move(over), loaded);
    }
}
