#pragma once
// The player's language: the game's own words and Qt's (Yes, No, Cancel),
// chosen from the desktop's settings (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).

#include <QString>

class QCoreApplication;

#include <QLocale>

// Installs the game's words for `language` (the desktop's, QLocale(), for a
// player), and Qt's for the same language. With no translation of the game
// for it, the game stays in English, Qt's buttons too. `extra`, when given,
// is a translation file put over all of them (a test's).
void useLanguage(QCoreApplication &app, const QLocale &language, const QString &extra = {});
