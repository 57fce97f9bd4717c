#pragma once

#include "directory/CatalogEntry.h"
#include "directory/LargeBlocks.h"
#include "directory/TrigramIndex.h"

#include <QByteArrayView>
#include <QList>
#include <QMap>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

struct CatalogOptions
{
    bool keepFailed = false; // keep stations of a JSON list whose last check failed
};

// The directory's stations and clips in catalog order. The file is either tab-separated UTF-8
// with a header line naming the columns (see columns()), where blank lines and lines starting
// with "#" are skipped, or a JSON station list (see StationListReader), ordered most popular
// first. An entry that cannot be read, or whose text the client would misread, is left out and
// counted rather than failing the whole catalog.
//
// Entries are kept compactly: every text of the catalog in one block of UTF-8, each entry a
// record of where its texts start in it, with what a search checks worked out at load.
class Catalog
{
public:
    // Where an entry's texts are in the catalog's text, in this order, each followed by a line
    // break; Name to Location together are the entry's search text.
    enum Text
    {
        Name,
        Title,
        Additional,
        Format,
        City,
        Region,
        Styles, // joined by commas
        Category,
        Location,
        StreamUrl,
        Site,
        PageLine, // the entry's line on a results page, with its own line break
        Folded,   // the search text case-folded
        TextCount
    };

    struct Record
    {
        std::array<quint32, TextCount + 1> at{}; // text k is at[k] up to at[k + 1] less its line break
        quint32 foldedStyles = 0;                // where the styles start within the folded text
        quint32 foldedStylesSize = 0;
        KeywordMatcher::PairSet allPairs{};
        KeywordMatcher::PairSet stylePairs{};
        double bitrate = 0;
        qint32 seconds = 0;
        bool live = true;
        bool video = false;
        StreamClassifier::FormatFlag formatFlag = StreamClassifier::FormatFlag::MA;
        StreamClassifier::ScanFamily scanFamily = StreamClassifier::ScanFamily::Unknown;
    };

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
    void reserve(qsizetype entries, qsizetype textBytes);
    qsizetype size() const { return static_cast<qsizetype>(m_records.size()); }
    const Record& record(qsizetype position) const { return m_records[static_cast<size_t>(position)]; }
    // One of an entry's texts in UTF-8, without its line break.
    QByteArrayView text(qsizetype position, Text which) const;
    // The entry's search text (Name to Location) in UTF-8 and the styles' folded form.
    QByteArrayView searchText(qsizetype position) const;
    QByteArrayView foldedText(qsizetype position) const;
    QByteArrayView foldedStyles(qsizetype position) const;
    // The entry's line on a results page, line break included.
    QByteArrayView pageLine(qsizetype position) const;
    // The entry made again from the catalog's text.
    CatalogEntry entry(qsizetype position) const;
    // Every entry made again, on the first call, and kept until the catalog changes: for
    // checks and tools, not for serving (it is not safe from several threads at once).
    const QList<CatalogEntry>& entries() const;
    // The entries' search texts by three-byte run, position for position with entries().
    const TrigramIndex& index() const { return m_index; }

    // Counting for the load report: every entry read, and why each one left out was dropped.
    void countRead() { ++m_read; }
    void drop(const QString& reason) { ++m_dropped[reason]; }
    // append() that counts a refused entry as dropped.
    bool appendCounted(CatalogEntry entry);
    // For lists ordered at the end: appends without indexing, keeping the entry's popularity;
    // orderByPopularity() then sorts the entries appended so and indexes them.
    bool appendUnordered(CatalogEntry entry);
    void orderByPopularity();
    // "read N entries, kept K, dropped D (n reason, ...)", then ", cut C long fields" if any.
    QString summary() const;

private:
    bool parseLine(const QString& line, int lineNumber);
    void cutToLength(CatalogEntry& entry);
    void warn(int lineNumber, const QString& text);
    bool store(CatalogEntry entry);
    void addText(const QString& text);
    void addText(QByteArrayView text);
    void appendPageLine(const Record& record, const CatalogEntry& entry);
    void appendFolded(Record& record, const QString& styles, const QString& afterStyles);
    QByteArrayView folded(const Record& record) const;
    void finish();

    TextBlock m_text;
    LargeVector<Record> m_records;
    // Popularity of the entries appended unordered, from m_firstUnordered on.
    std::vector<std::pair<qint64, qint64>> m_popularity;
    size_t m_firstUnordered = 0;
    mutable std::optional<QList<CatalogEntry>> m_entries;
    TrigramIndex m_index;
    qsizetype m_read = 0;
    QMap<QString, qsizetype> m_dropped;
    qsizetype m_cut = 0;
    QString m_error;
    QStringList m_warnings;
};
