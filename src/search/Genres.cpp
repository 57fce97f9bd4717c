#include "search/Genres.h"

#include <QCoreApplication>

namespace {
GenreEntry format(const char* objectName, const char* caption, const char* keywords)
{
    return {QLatin1String(objectName), QLatin1String(caption), QLatin1String(keywords), 1,
            GenreEntry::Menu::Format};
}

GenreEntry music(const char* objectName, const char* caption, const char* keywords)
{
    return {QLatin1String(objectName), QLatin1String(caption), QLatin1String(keywords), 2,
            GenreEntry::Menu::Music};
}
} // namespace

const QList<GenreEntry>& Genres::all()
{
    static const QList<GenreEntry> entries{
        format("menuCollege", QT_TRANSLATE_NOOP("Genres", "College"), "College"),
        format("menuReligious", QT_TRANSLATE_NOOP("Genres", "Religious"), "Religious"),
        format("menuTalkNews", QT_TRANSLATE_NOOP("Genres", "Talk/News"), "Talk/News"),
        format("menuTV", QT_TRANSLATE_NOOP("Genres", "Live Television"), "Live Television"),
        format("menuSpecial", QT_TRANSLATE_NOOP("Genres", "Special (Police, Scanners, Emergency)"),
               "Special"),
        music("menu50s", QT_TRANSLATE_NOOP("Genres", "50's"), "50s,50's,1950,fifties"),
        music("menu60s", QT_TRANSLATE_NOOP("Genres", "60's"), "60s,60's,1960,sixties"),
        music("menu70s", QT_TRANSLATE_NOOP("Genres", "70s"), "70s,70's,1970,seventies"),
        music("menu80s", QT_TRANSLATE_NOOP("Genres", "80s"), "80s,80's,1980,eighties"),
        music("menu90s", QT_TRANSLATE_NOOP("Genres", "90s"), "90s,90's,1990,nineties"),
        music("menuAlternative", QT_TRANSLATE_NOOP("Genres", "Alternative"), "Alternative"),
        music("menuAC", QT_TRANSLATE_NOOP("Genres", "Adult Contemporary"), "Adult Contemporary"),
        music("menuBigBand", QT_TRANSLATE_NOOP("Genres", "Big Band"), "Big Band"),
        music("menuBlues", QT_TRANSLATE_NOOP("Genres", "Blues"), "Blues"),
        music("menuCalypso", QT_TRANSLATE_NOOP("Genres", "Calypso"), "calypso"),
        music("menuCeltic", QT_TRANSLATE_NOOP("Genres", "Celtic"), "Celtic"),
        music("menuClassical", QT_TRANSLATE_NOOP("Genres", "Classical"), "Classical"),
        music("menuCountry", QT_TRANSLATE_NOOP("Genres", "Country"), "Country"),
        music("menuDance", QT_TRANSLATE_NOOP("Genres", "Dance"), "Dance"),
        music("MenuExp", QT_TRANSLATE_NOOP("Genres", "Experimental"), "Experimental"),
        music("menuGoth", QT_TRANSLATE_NOOP("Genres", "Goth"), "Goth"),
        music("menuIndustrial", QT_TRANSLATE_NOOP("Genres", "Industrial"), "Industrial"),
        music("menuJazz", QT_TRANSLATE_NOOP("Genres", "Jazz"), "Jazz"),
        music("menuMetal", QT_TRANSLATE_NOOP("Genres", "Metal"), "Metal"),
        music("menuNewAge", QT_TRANSLATE_NOOP("Genres", "New Age"), "New Age"),
        music("menuOldTime", QT_TRANSLATE_NOOP("Genres", "Oldtime"), "Oldtime"),
        music("menuOldies", QT_TRANSLATE_NOOP("Genres", "Oldies"), "Oldies"),
        music("menuPOP", QT_TRANSLATE_NOOP("Genres", "Pop"), "Pop"),
        music("menuPunk", QT_TRANSLATE_NOOP("Genres", "Punk"), "Punk"),
        music("menuRock", QT_TRANSLATE_NOOP("Genres", "Rock"), "Rock"),
        music("menuReggae", QT_TRANSLATE_NOOP("Genres", "Reggae"), "Reggae"),
        music("menuSka", QT_TRANSLATE_NOOP("Genres", "Ska"), "^ska^,^ska$,ska-,ska/,skamusic,`ska"),
        music("menuSwing", QT_TRANSLATE_NOOP("Genres", "Swing"), "Swing"),
        music("menutechno", QT_TRANSLATE_NOOP("Genres", "Techno"),
              "techno^,techno$,techno-,techno/,technomusic"),
        music("menuZydeco", QT_TRANSLATE_NOOP("Genres", "Zydeco"), "Zydeco"),
    };
    return entries;
}

const GenreEntry* Genres::find(const QString& objectName)
{
    for (const GenreEntry& entry : all()) {
        if (entry.objectName == objectName)
            return &entry;
    }
    return nullptr;
}
