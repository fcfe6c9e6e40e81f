#pragma once
// The game's words in `language` ("en", "de", ...) from now on, with a test's
// own translation file over them where `extra` names one.

#include "app/Language.h"

#include <QCoreApplication>
#include <QTranslator>

inline void speak(const QString &language, const QString &extra = {})
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
    useLanguage(*qApp, QLocale(language), extra);
}
