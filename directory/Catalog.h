#pragma once

#include "directory/CatalogEntry.h"
#include "directory/TrigramIndex.h"

#include <QList>
#include <QMap>
#include <QStringList>

struct CatalogOptions
{
    bool keepFailed = false; // keep stations of a JSON list whose last check failed
};

// The directory's stations and clips in catalog order. The file is either tab-separated UTF-8
// with a header line naming the columns (see columns()), where blank lines and lines starting
// with "#" are skipped, or a JSON station list (see StationListReader), ordered most popular
// first. An entry that cannot be read, or whose text the client would misread, is left out and
// counted rather than failing the whole catalog.
class Catalog
{
public:
    static const QStringList& columns();

    // False when the file cannot be read, is not JSON where JSON is expected (a ".json" name or
    // a "[" first), or its header is not the expected one.
    bool load(const QString& path, const CatalogOptions& options = {});
    bool parse(const QByteArray& data);
    QString error() const { return m_error; }
    QStringList warnings() const { return m_warnings; }

    // Longest texts kept: longer ones are cut at load and counted in the report.
    static constexpr qsizetype kLongestName = 200;     // characters, for every shown text
    static constexpr qsizetype kLongestAddress = 2048; // bytes of UTF-8, for streams and sites
    static constexpr qsizetype kLongestStyles = 1024;  // bytes of UTF-8, the styles together

    // Cleans the entry for output and cuts its texts to length first; entries with reserved text
    // are refused (false).
    bool append(CatalogEntry entry);
    void reserve(qsizetype entries) { m_entries.reserve(entries); }
    const QList<CatalogEntry>& entries() const { return m_entries; }
    // The entries' search texts by three-byte run, position for position with entries().
    const TrigramIndex& index() const { return m_index; }

    // Counting for the load report: every entry read, and why each one left out was dropped.
    void countRead() { ++m_read; }
    void drop(const QString& reason) { ++m_dropped[reason]; }
    // append() that counts a refused entry as dropped.
    bool appendCounted(CatalogEntry entry);
    // "read N entries, kept K, dropped D (n reason, ...)", then ", cut C long fields" if any.
    QString summary() const;

private:
    bool parseLine(const QString& line, int lineNumber);
    void cutToLength(CatalogEntry& entry);
    void warn(int lineNumber, const QString& text);

    QList<CatalogEntry> m_entries;
    TrigramIndex m_index;
    qsizetype m_read = 0;
    QMap<QString, qsizetype> m_dropped;
    qsizetype m_cut = 0;
    QString m_error;
    QStringList m_warnings;
};
