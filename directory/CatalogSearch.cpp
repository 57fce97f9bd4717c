#include "directory/CatalogSearch.h"

#include "directory/DirectoryQuery.h"
#include "directory/KeywordMatcher.h"

namespace {

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
    const KeywordMatcher matcher(query.keywords);
    if (matcher.isEmpty() || query.formats.isEmpty())
        return found;
    for (const CatalogEntry& entry : catalog.entries()) {
        if (entry.isLive() != query.live || !withinSpeed(entry, query.speedCeiling) ||
            !wantedFormat(entry, query))
            continue;
        if (!textMatches(matcher, entry, query.category))
            continue;
        found.append(entry);
        if (found.size() == kMaxResults)
            break;
    }
    return found;
}

QList<CatalogEntry> CatalogSearch::scanList(const Catalog& catalog, const ScanQuery& query)
{
    QList<CatalogEntry> list;
    const KeywordMatcher matcher(query.style);
    const bool everyStyle = query.style.trimmed().isEmpty();
    for (const CatalogEntry& entry : catalog.entries()) {
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
