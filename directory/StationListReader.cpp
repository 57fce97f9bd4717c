#include "directory/StationListReader.h"

#include "directory/Catalog.h"
#include "directory/EntryCleaner.h"

#include <cmath>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

namespace {

QString textOf(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    return {};
}

double numberOf(const QJsonValue& value)
{
    double number = 0;
    if (value.isDouble())
        number = value.toDouble();
    else if (value.isString())
        number = value.toString().trimmed().toDouble();
    else if (value.isBool())
        number = value.toBool() ? 1 : 0;
    return std::isfinite(number) && number > 0 ? number : 0;
}

qint64 countOf(const QJsonValue& value)
{
    constexpr double kLargest = 1e15;
    return static_cast<qint64>(std::min(numberOf(value), kLargest));
}

// A yes/no field: true, a non-zero number, or "1"/"true"; absent or null gives the default.
bool flagOf(const QJsonValue& value, bool absent)
{
    if (value.isBool())
        return value.toBool();
    if (value.isDouble())
        return value.toDouble() != 0;
    if (value.isString()) {
        const QString text = value.toString().trimmed().toLower();
        return text == QLatin1String("1") || text == QLatin1String("true");
    }
    return absent;
}

QStringList tagsOf(const QString& text)
{
    QStringList tags;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QString tag = EntryCleaner::cleanText(part);
        if (!tag.isEmpty())
            tags.append(tag);
    }
    return tags;
}

QString streamAddress(const QJsonObject& station)
{
    const QString resolved = EntryCleaner::cleanAddress(textOf(station.value(QLatin1String("url_resolved"))));
    return resolved.isEmpty() ? EntryCleaner::cleanAddress(textOf(station.value(QLatin1String("url"))))
                              : resolved;
}

// The client shows "State, Country", drops "Unknown, " and shows "Unknown, Internet" as
// "Internet Based".
void setLocation(const QJsonObject& station, CatalogEntry& entry)
{
    const QString state = EntryCleaner::cleanText(textOf(station.value(QLatin1String("state"))));
    QString country = EntryCleaner::cleanText(textOf(station.value(QLatin1String("country"))));
    if (country.isEmpty())
        country = EntryCleaner::cleanText(textOf(station.value(QLatin1String("countrycode"))));
    entry.city = state.isEmpty() || country.isEmpty() ? QStringLiteral("Unknown") : state;
    entry.region = country.isEmpty() ? QStringLiteral("Internet") : country;
}

void sortByPopularity(QList<CatalogEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const CatalogEntry& a, const CatalogEntry& b) {
        return a.votes != b.votes ? a.votes > b.votes : a.clicks > b.clicks;
    });
}

} // namespace

bool StationListReader::read(const QByteArray& data, bool keepFailed, Catalog& catalog, QString& error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("not a readable JSON station list: %1 at byte %2")
                    .arg(parseError.errorString())
                    .arg(parseError.offset);
        return false;
    }
    if (!document.isArray()) {
        error = QStringLiteral("not a JSON station list: the top level is not an array");
        return false;
    }
    QList<CatalogEntry> entries;
    QSet<QString> seen;
    const QJsonArray stations = document.array();
    for (const QJsonValue& value : stations) {
        catalog.countRead();
        if (!value.isObject()) {
            catalog.drop(QStringLiteral("not a station object"));
            continue;
        }
        const QJsonObject station = value.toObject();
        QString reason;
        auto entry = entryFrom(station, reason);
        if (entry && !keepFailed && !flagOf(station.value(QLatin1String("lastcheckok")), true)) {
            entry.reset();
            reason = QStringLiteral("failed its last check");
        }
        const QString uuid = textOf(station.value(QLatin1String("stationuuid"))).trimmed().toLower();
        if (entry && !uuid.isEmpty() && seen.contains(uuid)) {
            entry.reset();
            reason = QStringLiteral("repeated stationuuid");
        }
        if (!entry) {
            catalog.drop(reason);
            continue;
        }
        if (!uuid.isEmpty())
            seen.insert(uuid);
        entries.append(*entry);
    }
    sortByPopularity(entries);
    for (const CatalogEntry& entry : entries)
        catalog.appendCounted(entry);
    return true;
}

std::optional<CatalogEntry> StationListReader::entryFrom(const QJsonObject& station, QString& reason)
{
    CatalogEntry entry;
    entry.streamUrl = streamAddress(station);
    if (entry.streamUrl.isEmpty()) {
        reason = QStringLiteral("no stream address");
        return std::nullopt;
    }
    if (!isWebAddress(entry.streamUrl)) {
        reason = QStringLiteral("stream address not http or https");
        return std::nullopt;
    }
    entry.name = textOf(station.value(QLatin1String("name")));
    const QString site = EntryCleaner::cleanAddress(textOf(station.value(QLatin1String("homepage"))));
    entry.site = isWebAddress(site) ? site : QString();
    setLocation(station, entry);
    entry.styles = tagsOf(textOf(station.value(QLatin1String("tags"))));
    entry.format = formatText(textOf(station.value(QLatin1String("codec"))),
                              flagOf(station.value(QLatin1String("hls")), false));
    entry.bitrate = std::round(numberOf(station.value(QLatin1String("bitrate"))));
    entry.votes = countOf(station.value(QLatin1String("votes")));
    entry.clicks = countOf(station.value(QLatin1String("clickcount")));
    return entry;
}

QString StationListReader::formatText(const QString& codec, bool hls)
{
    if (hls)
        return QStringLiteral("HLS");
    const QString name = EntryCleaner::cleanText(codec).toUpper();
    if (name == QLatin1String("OGG") || name == QLatin1String("VORBIS"))
        return QStringLiteral("OGG Vorbis");
    if (name == QLatin1String("OPUS"))
        return QStringLiteral("Opus");
    if (name == QLatin1String("UNKNOWN"))
        return {};
    return name;
}

bool StationListReader::isWebAddress(const QString& address)
{
    for (const QLatin1String scheme : {QLatin1String("http://"), QLatin1String("https://")}) {
        if (address.startsWith(scheme, Qt::CaseInsensitive) && address.size() > scheme.size())
            return true;
    }
    return false;
}
