#pragma once

#include "directory/Catalog.h"
#include "directory/ScanQuery.h"
#include "directory/SearchQuery.h"

#include <QByteArray>
#include <QList>

// Chooses catalog entries for the two forms of a request. Results keep catalog order.
class CatalogSearch
{
public:
    // Where the entries to check come from: the catalog's trigram index, which passes over the
    // entries whose text lacks a piece of every alternative, or every entry in turn. Both give
    // the same results; the full scan is there to check the index against.
    enum class Lookup
    {
        Index,
        FullScan
    };

    // A results page lists at most this many entries: the first matches in catalog order.
    static constexpr int kMaxResults = 1000;

    // The entries a "/search.asp" query puts on its results page, in page order. rawQuery is
    // the query as sent, without the "?". Empty for a scanner query or a query the service
    // refuses.
    static QList<CatalogEntry> selectedEntries(const Catalog& catalog, const QByteArray& rawQuery);

    static QList<CatalogEntry> search(const Catalog& catalog, const SearchQuery& query);
    // The catalog positions of the entries search() gives.
    static QList<qsizetype> matchPositions(const Catalog& catalog, const SearchQuery& query,
                                           Lookup lookup = Lookup::Index);
    // The scanner's whole list for the style and player; positions are 1-based indices into it.
    static QList<CatalogEntry> scanList(const Catalog& catalog, const ScanQuery& query,
                                        Lookup lookup = Lookup::Index);
    // The catalog positions of the entries scanList() gives.
    static QList<qsizetype> scanPositions(const Catalog& catalog, const ScanQuery& query,
                                          Lookup lookup = Lookup::Index);

    // An unknown bit rate (0) is under every ceiling; a ceiling of 0 lets everything through.
    static bool withinSpeed(const CatalogEntry& entry, double ceiling);
};
