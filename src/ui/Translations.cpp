#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
void load(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace

void Translations::install(QCoreApplication& app, const QLocale& locale)
{
    // English is the source text: a translator found for it (Qt ships qtbase_en) changes nothing.
    if (locale.uiLanguages().value(0).startsWith(QLatin1String("en")))
        return;
    load(app, locale, QStringLiteral("skylark"), QStringLiteral(":/i18n"));
    load(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
