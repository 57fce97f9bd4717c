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
        : m_end(catalog.entries().size()), m_all(lookup == CatalogSearch::Lookup::FullScan)
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
bool textMatches(const KeywordMatcher& matcher, const CatalogEntry& entry, SearchQuery::Category category)
{
    switch (category) {
    case SearchQuery::Category::Formats:
        return !entry.category.isEmpty() && matcher.matches(entry.category);
    case SearchQuery::Category::MusicStyle:
        return !entry.styleText.isEmpty() &&
               matcher.matches(entry.styleText, entry.styleFolded, entry.stylePairs);
    case SearchQuery::Category::Any:
        break;
    }
    return !entry.allText.isEmpty() && matcher.matches(entry.allText, entry.allFolded, entry.allPairs);
}

bool wantedFormat(const CatalogEntry& entry, const SearchQuery& query)
{
    return query.formats.contains(entry.formatFlag);
}

bool wantedPlayer(const CatalogEntry& entry, const ScanQuery& query)
{
    const auto family = entry.scanFamily;
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
        found.append(catalog.entries()[position]);
    return found;
}

QList<qsizetype> CatalogSearch::matchPositions(const Catalog& catalog, const SearchQuery& query,
                                               Lookup lookup)
{
    QList<qsizetype> found;
    const KeywordMatcher matcher(query.keywords);
    if (matcher.isEmpty() || query.formats.isEmpty())
        return found;
    const QList<CatalogEntry>& entries = catalog.entries();
    Candidates candidates(catalog, matcher, lookup);
    for (qsizetype i = candidates.next(0); i < entries.size(); i = candidates.next(i + 1)) {
        const CatalogEntry& entry = entries[i];
        if (entry.isLive() != query.live || !withinSpeed(entry, query.speedCeiling) ||
            !wantedFormat(entry, query))
            continue;
        if (!textMatches(matcher, entry, query.category))
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
    const KeywordMatcher matcher(query.style);
    const bool everyStyle = query.style.trimmed().isEmpty();
    const QList<CatalogEntry>& entries = catalog.entries();
    Candidates candidates(catalog, matcher, everyStyle ? Lookup::FullScan : lookup);
    for (qsizetype i = candidates.next(0); i < entries.size(); i = candidates.next(i + 1)) {
        const CatalogEntry& entry = entries[i];
        if (!entry.isLive() || !withinSpeed(entry, query.speedCeiling) || !wantedPlayer(entry, query))
            continue;
        if (everyStyle || matcher.matches(entry.allText, entry.allFolded, entry.allPairs))
            list.append(entry);
    }
    return list;
}

bool CatalogSearch::withinSpeed(const CatalogEntry& entry, double ceiling)
{
    return ceiling <= 0 || entry.bitrate <= 0 || entry.bitrate <= ceiling;
}
