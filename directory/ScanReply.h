#pragma once

#include "directory/Catalog.h"
#include "directory/CatalogEntry.h"

#include <QByteArray>
#include <QList>

// The scanner's answer: the station after a list position as eight fields, the first seven
// each ended by "@@@@" and the last by the "<" of the markup that follows:
//   position@@@@site@@@@name@@@@stream@@@@format@@@@city@@@@region@@@@bitrate<HTML>...
// The position given back is the returned station's own, so the next request asks for the
// one after it.
class ScanReply
{
public:
    // "ERROR<BR>" for an empty list, "EXCEPTION OC" when the position is at or past its end.
    static QByteArray build(const QList<CatalogEntry>& list, qint64 after);
    // The same for the list of these catalog positions; only the station answered is made.
    static QByteArray build(const Catalog& catalog, const QList<qsizetype>& positions, qint64 after);
    static QByteArray station(const CatalogEntry& entry, qint64 position);

private:
    // The answer for a position the list has no station at.
    static QByteArray failure(qsizetype listSize);
};
