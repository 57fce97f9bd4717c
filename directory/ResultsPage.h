#pragma once

#include "directory/Catalog.h"
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
    // The page of the catalog's entries at these positions, from the lines made at load.
    static QByteArray build(const Catalog& catalog, const QList<qsizetype>& positions);
    // One entry's link and line break, in UTF-8.
    static QByteArray line(const CatalogEntry& entry);
    static QString linkText(const CatalogEntry& entry);
    // <A HREF="address">link text</A>
    static QString link(const CatalogEntry& entry);
};
