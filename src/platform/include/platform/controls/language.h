// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The person's language: Somatra's translations and Qt's own, chosen from the desktop's language
// settings. Numbers keep following the numeric locale.
#include <QCoreApplication>
#include <QString>

namespace platform {

// Installs the English plural forms, then the translations of the first language in
// QLocale::system().uiLanguages() that Somatra has, with Qt's own for it where the system has them;
// none for English, C or an unknown language.
// Call once the application exists and before the first window is built; later calls do nothing.
void InstallTranslations();

// Somatra's texts outside the two forms, marked with QT_TRANSLATE_NOOP("Somatra", ...).
inline QString Tr(const char *text)
{
    return QCoreApplication::translate("Somatra", text);
}

} // namespace platform
