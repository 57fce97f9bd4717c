#include "directory/CatalogSearch.h"

#include "directory/DirectoryQuery.h"
#include "directory/KeywordMatcher.h"

#include <algorithm>

namespace {

// The catalog positions that may match a keyword list, in ascending order: those on every
// trigram list of one of its alternatives, or all of them when an alternative's pieces are too
// short to index. The matcher still decides each one.
class Candidates
{
public:
    Candidates(const Catalog& catalog, const KeywordMatcher& matcher, CatalogSearch::Lookup lookup)
        : m_end(catalog.size()), m_all(lookup == CatalogSearch::Lookup::FullScan)
    {
        Q_ASSERT(catalog.index().size() == m_end);
        if (m_all)
            return;
        for (const QByteArrayList& pieces : matcher.alternativePieces()) {
            Alternative alternative;
            alternative.lists = catalog.index().postingsFor(pieces);
            alternative.at.assign(alternative.lists.size(), 0);
            m_all = m_all || alternative.lists.empty();
            m_alternatives.push_back(std::move(alternative));
        }
    }

    // The first candidate at or after from; the catalog's size when there is none.
    qsizetype next(qsizetype from)
    {
        if (m_all || from >= m_end)
            return std::min(from, m_end);
        qsizetype first = m_end;
        for (Alternative& alternative : m_alternatives)
            first = std::min(first, seek(alternative, static_cast<TrigramIndex::Position>(from)));
        return first;
    }

private:
    struct Alternative
    {
        std::vector<TrigramIndex::Postings> lists;
        std::vector<size_t> at; // how far each list has been passed over
    };

    // The first position at or after target on all the alternative's lists, leapfrogging from
    // list to list until they agree.
    qsizetype seek(Alternative& alternative, TrigramIndex::Position target) const
    {
        for (;;) {
            bool agreed = true;
            for (size_t i = 0; i < alternative.lists.size(); ++i) {
                const TrigramIndex::Postings list = alternative.lists[i];
                size_t& at = alternative.at[i];
                if (at < list.size() && list[at] < target)
                    at = static_cast<size_t>(
                        std::lower_bound(list.begin() + static_cast<std::ptrdiff_t>(at), list.end(), target) -
                        list.begin());
                if (at == list.size())
                    return m_end;
                if (list[at] != target) {
                    target = list[at];
                    agreed = false;
                }
            }
            if (agreed)
                return target;
        }
    }

    qsizetype m_end;
    bool m_all;
    std::vector<Alternative> m_alternatives;
};

// The text a search looks at: the category for a category search, the styles for a music
// style search, everything otherwise. Entries without the field are not in such a search.
bool textMatches(const KeywordMatcher& matcher, const Catalog& catalog, qsizetype position,
                 SearchQuery::Category category)
{
    const Catalog::Record& record = catalog.record(position);
    switch (category) {
    case SearchQuery::Category::Formats: {
        const QByteArrayView text = catalog.text(position, Catalog::Category);
        return !text.isEmpty() && matcher.matches(QString::fromUtf8(text));
    }
    case SearchQuery::Category::MusicStyle: {
        const QByteArrayView text = catalog.text(position, Catalog::Styles);
        return !text.isEmpty() && matcher.matches(text, catalog.foldedStyles(position), record.stylePairs);
    }
    case SearchQuery::Category::Any:
        break;
    }
    const QByteArrayView text = catalog.searchText(position);
    return !text.isEmpty() && matcher.matches(text, catalog.foldedText(position), record.allPairs);
}

bool underCeiling(const Catalog::Record& record, double ceiling)
{
    return ceiling <= 0 || record.bitrate <= 0 || record.bitrate <= ceiling;
}

bool wantedPlayer(const Catalog::Record& record, const ScanQuery& query)
{
    const auto family = record.scanFamily;
    return family == query.player ||
           (query.includeUnknown && family == StreamClassifier::ScanFamily::Unknown);
}

} // namespace

QList<CatalogEntry> CatalogSearch::selectedEntries(const Catalog& catalog, const QByteArray& rawQuery)
{
    const DirectoryQuery query = DirectoryQuery::parse(rawQuery);
    if (query.form() != DirectoryQuery::Form::Search)
        return {};
    return search(catalog, query.search());
}

QList<CatalogEntry> CatalogSearch::search(const Catalog& catalog, const SearchQuery& query)
{
    QList<CatalogEntry> found;
    for (const qsizetype position : matchPositions(catalog, query))
        found.append(catalog.entry(position));
    return found;
}

QList<qsizetype> CatalogSearch::matchPositions(const Catalog& catalog, const SearchQuery& query,
                                               Lookup lookup)
{
    QList<qsizetype> found;
    const KeywordMatcher matcher(query.keywords);
    if (matcher.isEmpty() || query.formats.isEmpty())
        return found;
    Candidates candidates(catalog, matcher, lookup);
    for (qsizetype i = candidates.next(0); i < catalog.size(); i = candidates.next(i + 1)) {
        const Catalog::Record& record = catalog.record(i);
        if (record.live != query.live || !underCeiling(record, query.speedCeiling) ||
            !query.formats.contains(record.formatFlag))
            continue;
        if (!textMatches(matcher, catalog, i, query.category))
            continue;
        found.append(i);
        if (found.size() == kMaxResults)
            break;
    }
    return found;
}

QList<CatalogEntry> CatalogSearch::scanList(const Catalog& catalog, const ScanQuery& query, Lookup lookup)
{
    QList<CatalogEntry> list;
    for (const qsizetype position : scanPositions(catalog, query, lookup))
        list.append(catalog.entry(position));
    return list;
}

QList<qsizetype> CatalogSearch::scanPositions(const Catalog& catalog, const ScanQuery& query, Lookup lookup)
{
    QList<qsizetype> list;
    const KeywordMatcher matcher(query.style);
    const bool everyStyle = query.style.trimmed().isEmpty();
    Candidates candidates(catalog, matcher, everyStyle ? Lookup::FullScan : lookup);
    for (qsizetype i = candidates.next(0); i < catalog.size(); i = candidates.next(i + 1)) {
        const Catalog::Record& record = catalog.record(i);
        if (!record.live || !underCeiling(record, query.speedCeiling) || !wantedPlayer(record, query))
            continue;
        if (everyStyle || matcher.matches(catalog.searchText(i), catalog.foldedText(i), record.allPairs))
            list.append(i);
    }
    return list;
}

bool CatalogSearch::withinSpeed(const CatalogEntry& entry, double ceiling)
{
    return ceiling <= 0 || entry.bitrate <= 0 || entry.bitrate <= ceiling;
}
