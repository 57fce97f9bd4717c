#pragma once

#include "directory/CatalogEntry.h"

#include <QByteArray>
#include <QList>

// The results page of a search: one hyperlink per entry, the stream address as its target and
// the entry's fields packed into the link text between two-character markers:
//   live: name**format&&location^^speed$$flag@@site
//   clip: title:additional**format&&location^^speed$$seconds~~flag@@site
// The client takes the first double quote after a link as the start of the next link, so the
// text around the links holds none.
class ResultsPage
{
public:
    static QByteArray build(const QList<CatalogEntry>& entries);
    static QString linkText(const CatalogEntry& entry);
    // <A HREF="address">link text</A>
    static QString link(const CatalogEntry& entry);
};
