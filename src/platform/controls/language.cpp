// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/controls/language.h"

#include <utility>

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

void InstallTranslations()
{
    static bool installed = false;
    if (std::exchange(installed, true) || !QCoreApplication::instance())
        return;
    // The English plural forms of Somatra's own sentences ("1 kilogram"). A language installed after it
    // is searched first.
    auto *plurals = new QTranslator(QCoreApplication::instance());
    if (plurals->load(QStringLiteral("somatra_en"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(plurals);
    else
        delete plurals;
    // The person's languages in order of preference; English (the source texts), C and POSIX end
    // the search, so "en:de" stays English. Unknown languages are passed over.
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language.startsWith(QLatin1String("en")) || language == QLatin1String("C")
            || language == QLatin1String("POSIX"))
            return;
        auto *own = new QTranslator(QCoreApplication::instance());
        // load() also tries the language without its country: "de_AT" finds somatra_de.
        if (!own->load(QLatin1String("somatra_") + language, QStringLiteral(":/i18n"))) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        // Qt's texts (the line edit's context menu, ...) from Debian's qt6-translations-l10n.
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QLatin1String("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return;
    }
}

} // namespace platform
