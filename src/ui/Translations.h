#pragma once

class QCoreApplication;
class QLocale;

// The program's own texts and Qt's (standard dialogs, message box buttons) in the desktop's
// language. English is the source language: it needs no translation, and a language without one
// falls back to it.
namespace Translations {
// Installs the translations for the languages locale lists, best first; they live as long as app.
void install(QCoreApplication& app, const QLocale& locale);
} // namespace Translations
