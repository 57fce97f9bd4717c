#include "search/Genres.h"

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
        format("menuCollege", "College", "College"),
        format("menuReligious", "Religious", "Religious"),
        format("menuTalkNews", "Talk/News", "Talk/News"),
        format("menuTV", "Live Television", "Live Television"),
        format("menuSpecial", "Special (Police, Scanners, Emergency)", "Special"),
        music("menu50s", "50's", "50s,50's,1950,fifties"),
        music("menu60s", "60's", "60s,60's,1960,sixties"),
        music("menu70s", "70s", "70s,70's,1970,seventies"),
        music("menu80s", "80s", "80s,80's,1980,eighties"),
        music("menu90s", "90s", "90s,90's,1990,nineties"),
        music("menuAlternative", "Alternative", "Alternative"),
        music("menuAC", "Adult Contemporary", "Adult Contemporary"),
        music("menuBigBand", "Big Band", "Big Band"),
        music("menuBlues", "Blues", "Blues"),
        music("menuCalypso", "Calypso", "calypso"),
        music("menuCeltic", "Celtic", "Celtic"),
        music("menuClassical", "Classical", "Classical"),
        music("menuCountry", "Country", "Country"),
        music("menuDance", "Dance", "Dance"),
        music("MenuExp", "Experimental", "Experimental"),
        music("menuGoth", "Goth", "Goth"),
        music("menuIndustrial", "Industrial", "Industrial"),
        music("menuJazz", "Jazz", "Jazz"),
        music("menuMetal", "Metal", "Metal"),
        music("menuNewAge", "New Age", "New Age"),
        music("menuOldTime", "Oldtime", "Oldtime"),
        music("menuOldies", "Oldies", "Oldies"),
        music("menuPOP", "Pop", "Pop"),
        music("menuPunk", "Punk", "Punk"),
        music("menuRock", "Rock", "Rock"),
        music("menuReggae", "Reggae", "Reggae"),
        music("menuSka", "Ska", "^ska^,^ska$,ska-,ska/,skamusic,`ska"),
        music("menuSwing", "Swing", "Swing"),
        music("menutechno", "Techno", "techno^,techno$,techno-,techno/,technomusic"),
        music("menuZydeco", "Zydeco", "Zydeco"),
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
