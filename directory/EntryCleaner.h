#pragma once

#include "directory/CatalogEntry.h"

#include <QByteArrayView>

// Makes catalog text safe to put between the field markers of a results page and the
// separators of a scanner answer. The client splits those texts on the first occurrence of
// each marker and takes the first double quote as the start of a link, so a stray quote, "<",
// doubled marker character or ":" in a clip title would shift every field after it.
class EntryCleaner
{
public:
    // Drops double quotes, "<" and control characters, shortens runs of the marker characters
    // * & ^ $ ~ @ to one and removes them from the end, where they would join the marker.
    static QString cleanText(const QString& text);
    // Drops double quotes, "<", ">", blanks and control characters, shortens "@" runs to one
    // and removes a trailing "@".
    static QString cleanAddress(const QString& address);
    static CatalogEntry clean(CatalogEntry entry);
    // True when a written field would hold a text by which the client recognises an error page
    // or a scanner failure; such an entry cannot be listed without being misread.
    static bool holdsReservedText(const CatalogEntry& entry);
    // The same for one field's text in UTF-8 (no reserved text spans a line break).
    static bool holdsReservedText(QByteArrayView utf8);
};
