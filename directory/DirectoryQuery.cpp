#include "directory/DirectoryQuery.h"

#include "directory/QueryString.h"

#include <algorithm>
#include <cmath>

namespace {

using FormatFlag = StreamClassifier::FormatFlag;

bool isOn(const QueryString& query, const QString& key)
{
    return query.value(key) == QLatin1String("1");
}

bool isWholeNumber(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
}

} // namespace

DirectoryQuery DirectoryQuery::parse(const QByteArray& rawQuery)
{
    DirectoryQuery result;
    QueryString query;
    if (!query.parse(rawQuery)) {
        result.fail(query.error());
        return result;
    }
    if (!query.contains(QStringLiteral("T1"))) {
        result.fail(QStringLiteral("the query has no T1"));
        return result;
    }
    const QString t1 = query.value(QStringLiteral("T1"));
    const bool scan =
        (t1 == QLatin1String("R") || t1 == QLatin1String("N")) && isOn(query, QStringLiteral("GS"));
    if (scan)
        result.readScan(query);
    else
        result.readSearch(query);
    return result;
}

void DirectoryQuery::readSearch(const QueryString& query)
{
    static const FormatFlag flags[] = {FormatFlag::RA, FormatFlag::MA, FormatFlag::RV,
                                       FormatFlag::NA, FormatFlag::NV, FormatFlag::SW};
    m_search.keywords = query.value(QStringLiteral("T1"));
    for (const FormatFlag flag : flags) {
        if (isOn(query, StreamClassifier::flagKey(flag)))
            m_search.formats.append(flag);
    }
    m_search.live = isOn(query, QStringLiteral("LIVE"));
    if (readCategory(query) && readSpeed(query, m_search.speedCeiling))
        m_form = Form::Search;
}

// FMT is optional; when given it is 1 (categories) or 2 (music styles).
bool DirectoryQuery::readCategory(const QueryString& query)
{
    if (!query.contains(QStringLiteral("FMT")))
        return true;
    const QString fmt = query.value(QStringLiteral("FMT"));
    if (fmt == QLatin1String("1") || fmt == QLatin1String("2")) {
        m_search.category =
            fmt == QLatin1String("1") ? SearchQuery::Category::Formats : SearchQuery::Category::MusicStyle;
        return true;
    }
    fail(QStringLiteral("FMT must be 1 or 2"));
    return false;
}

void DirectoryQuery::readScan(const QueryString& query)
{
    const bool real = query.value(QStringLiteral("T1")) == QLatin1String("R");
    m_scan.player =
        real ? StreamClassifier::ScanFamily::RealPlayer : StreamClassifier::ScanFamily::WindowsMedia;
    m_scan.style = query.value(QStringLiteral("STYLE"));
    m_scan.includeUnknown = isOn(query, QStringLiteral("UNK"));
    const QString position = query.value(QStringLiteral("LS"));
    bool ok = isWholeNumber(position);
    m_scan.after = ok ? position.toLongLong(&ok) : 0;
    if (!ok) {
        fail(QStringLiteral("LS must be a list position (0 or more)"));
        return;
    }
    if (readSpeed(query, m_scan.speedCeiling))
        m_form = Form::Scan;
}

// SPD is optional; when given it is a number of kbit/s, 0 meaning no ceiling.
bool DirectoryQuery::readSpeed(const QueryString& query, double& ceiling)
{
    if (!query.contains(QStringLiteral("SPD")))
        return true;
    bool ok = false;
    ceiling = query.value(QStringLiteral("SPD")).toDouble(&ok);
    if (ok && std::isfinite(ceiling) && ceiling >= 0)
        return true;
    ceiling = 0;
    fail(QStringLiteral("SPD must be a speed in kbit/s (0 or more)"));
    return false;
}

void DirectoryQuery::fail(const QString& error)
{
    m_form = Form::Bad;
    m_error = error;
}
