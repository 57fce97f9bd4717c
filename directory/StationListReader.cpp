#include "directory/StationListReader.h"

#include "directory/Catalog.h"
#include "directory/EntryCleaner.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include <QSet>

#include <simdjson.h>

namespace {

namespace json = simdjson::ondemand;

// A text longer than this is cut before it is decoded: no field the catalog keeps is nearly as
// long, and a list with megabyte fields then costs no more to read than one with short ones.
constexpr size_t kLongestText = 64 * 1024;

enum Key
{
    Uuid,
    Name,
    Url,
    UrlResolved,
    Homepage,
    Tags,
    Country,
    CountryCode,
    State,
    Codec,
    Bitrate,
    Hls,
    LastCheckOk,
    Votes,
    ClickCount,
    KeyCount
};

constexpr std::array<std::string_view, KeyCount> kKeys{
    "stationuuid", "name",  "url",     "url_resolved", "homepage",    "tags",  "country",   "countrycode",
    "state",       "codec", "bitrate", "hls",          "lastcheckok", "votes", "clickcount"};

// One field of a station as the list gives it. The text points into the parser's buffer, which
// holds every string of the list until the next list is read.
struct Field
{
    enum class Kind : quint8
    {
        Absent, // missing, null, an object or an array
        Text,
        Number,
        Flag
    };
    Kind kind = Kind::Absent;
    std::string_view text;
    double number = 0;
};

using Station = std::array<Field, KeyCount>;

std::optional<Key> keyOf(std::string_view name)
{
    const auto* found = std::find(kKeys.begin(), kKeys.end(), name);
    return found == kKeys.end() ? std::nullopt : std::optional<Key>(Key(found - kKeys.begin()));
}

// The text cut to at most `limit` bytes without splitting a UTF-8 sequence.
std::string_view cutText(std::string_view text, size_t limit)
{
    if (text.size() <= limit)
        return text;
    size_t end = limit;
    while (end > 0 && (static_cast<uchar>(text[end]) & 0xc0) == 0x80)
        --end;
    return text.substr(0, end);
}

simdjson::error_code readField(json::value value, Field& field)
{
    field = {};
    json::json_type type;
    if (const auto error = value.type().get(type))
        return error;
    switch (type) {
    case json::json_type::string:
        field.kind = Field::Kind::Text;
        if (const auto error = value.get_string().get(field.text))
            return error;
        field.text = cutText(field.text, kLongestText);
        return simdjson::SUCCESS;
    case json::json_type::number:
        field.kind = Field::Kind::Number;
        return value.get_double().get(field.number);
    case json::json_type::boolean: {
        bool flag = false;
        field.kind = Field::Kind::Flag;
        const auto error = value.get_bool().get(flag);
        field.number = flag ? 1 : 0;
        return error;
    }
    case json::json_type::null:
    case json::json_type::object:
    case json::json_type::array:
        break;
    }
    return simdjson::SUCCESS;
}

simdjson::error_code readStation(json::object object, Station& station)
{
    station = {};
    for (auto member : object) {
        json::field field;
        std::string_view name;
        if (const auto error = std::move(member).get(field))
            return error;
        // Keys are read where they are, unless they hold an escape; only a few are wanted.
        const char* raw = field.key().raw();
        size_t length = 0;
        while (raw[length] != '"' && raw[length] != '\\')
            ++length;
        if (raw[length] == '"')
            name = std::string_view(raw, length);
        else if (const auto error = field.unescaped_key().get(name))
            return error;
        // A key given twice counts with its last value.
        if (const auto key = keyOf(name)) {
            if (const auto error = readField(field.value(), station[*key]))
                return error;
        }
    }
    return simdjson::SUCCESS;
}

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString textOf(const Field& field)
{
    if (field.kind == Field::Kind::Text)
        return utf8(field.text);
    if (field.kind == Field::Kind::Number)
        return QString::number(field.number, 'g', 15);
    return {};
}

double numberOf(const Field& field)
{
    double number = 0;
    if (field.kind == Field::Kind::Number || field.kind == Field::Kind::Flag)
        number = field.number;
    else if (field.kind == Field::Kind::Text)
        number = utf8(field.text).trimmed().toDouble();
    return std::isfinite(number) && number > 0 ? number : 0;
}

qint64 countOf(const Field& field)
{
    constexpr double kLargest = 1e15;
    return static_cast<qint64>(std::min(numberOf(field), kLargest));
}

// A yes/no field: true, a non-zero number, or "1"/"true"; absent or null gives the default.
bool flagOf(const Field& field, bool absent)
{
    if (field.kind == Field::Kind::Flag || field.kind == Field::Kind::Number)
        return field.number != 0;
    if (field.kind == Field::Kind::Text) {
        const QString text = utf8(field.text).trimmed().toLower();
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

QString streamAddress(const Station& station)
{
    const QString resolved = EntryCleaner::cleanAddress(textOf(station[UrlResolved]));
    return resolved.isEmpty() ? EntryCleaner::cleanAddress(textOf(station[Url])) : resolved;
}

// The client shows "State, Country", drops "Unknown, " and shows "Unknown, Internet" as
// "Internet Based".
void setLocation(const Station& station, CatalogEntry& entry)
{
    const QString state = EntryCleaner::cleanText(textOf(station[State]));
    QString country = EntryCleaner::cleanText(textOf(station[Country]));
    if (country.isEmpty())
        country = EntryCleaner::cleanText(textOf(station[CountryCode]));
    entry.city = state.isEmpty() || country.isEmpty() ? QStringLiteral("Unknown") : state;
    entry.region = country.isEmpty() ? QStringLiteral("Internet") : country;
}

CatalogEntry entryFrom(const Station& station, const QString& streamUrl)
{
    CatalogEntry entry;
    entry.streamUrl = streamUrl;
    entry.name = textOf(station[Name]);
    const QString site = EntryCleaner::cleanAddress(textOf(station[Homepage]));
    entry.site = StationListReader::isWebAddress(site) ? site : QString();
    setLocation(station, entry);
    entry.styles = tagsOf(textOf(station[Tags]));
    entry.format = StationListReader::formatText(textOf(station[Codec]), flagOf(station[Hls], false));
    entry.bitrate = std::round(numberOf(station[Bitrate]));
    entry.votes = countOf(station[Votes]);
    entry.clicks = countOf(station[ClickCount]);
    return entry;
}

// Checks one station in list order; the reason it is left out, or none.
class Checker
{
public:
    explicit Checker(bool keepFailed) : m_keepFailed(keepFailed) {}

    std::optional<QString> check(const Station& station, QString& streamUrl)
    {
        streamUrl = streamAddress(station);
        if (streamUrl.isEmpty())
            return QStringLiteral("no stream address");
        if (!StationListReader::isWebAddress(streamUrl))
            return QStringLiteral("stream address not http or https");
        if (!m_keepFailed && !flagOf(station[LastCheckOk], true))
            return QStringLiteral("failed its last check");
        const QString uuid = textOf(station[Uuid]).trimmed().toLower();
        if (!uuid.isEmpty() && !addUuid(uuid))
            return QStringLiteral("repeated stationuuid");
        return std::nullopt;
    }

private:
    bool addUuid(const QString& uuid)
    {
        const qsizetype before = m_seen.size();
        m_seen.insert(uuid);
        return m_seen.size() > before;
    }

    bool m_keepFailed;
    QSet<QString> m_seen;
};

QString describe(simdjson::error_code code, const char* at, QByteArrayView data)
{
    const qsizetype offset = at ? at - data.data() : data.size();
    return QStringLiteral("not a readable JSON station list: %1 at byte %2")
        .arg(QString::fromLatin1(simdjson::error_message(code)))
        .arg(std::clamp<qsizetype>(offset, 0, data.size()));
}

const char* locationOf(json::document& document)
{
    const char* at = nullptr;
    return document.current_location().get(at) ? nullptr : at;
}

} // namespace

qsizetype StationListReader::padding()
{
    return simdjson::SIMDJSON_PADDING;
}

bool StationListReader::read(const QByteArray& data, bool keepFailed, Catalog& catalog, QString& error)
{
    return read(data, data.capacity() - data.size(), keepFailed, catalog, error);
}

bool StationListReader::read(QByteArrayView data, qsizetype room, bool keepFailed, Catalog& catalog,
                             QString& error)
{
    // The parser reads a little past the end of its text; a buffer without that room is copied.
    std::optional<simdjson::padded_string> copy;
    simdjson::padded_string_view text(data.data(), static_cast<size_t>(data.size()),
                                      static_cast<size_t>(data.size() + std::max<qsizetype>(room, 0)));
    if (room < padding()) {
        copy.emplace(data.data(), static_cast<size_t>(data.size()));
        text = *copy;
    }
    json::parser parser;
    json::document document;
    json::array stations;
    json::json_type type = json::json_type::null;
    auto code = parser.iterate(text).get(document);
    if (!code)
        code = document.type().get(type);
    if (!code && type != json::json_type::array) {
        error = QStringLiteral("not a JSON station list: the top level is not an array");
        return false;
    }
    if (!code)
        code = document.get_array().get(stations);
    if (code) {
        error = describe(code, nullptr, data);
        return false;
    }

    // Each station goes into the catalog as soon as it is read; the catalog puts them in
    // popularity order at the end. Room reserved and not used costs address space only.
    catalog.reserve(static_cast<qsizetype>(data.size() / 300), data.size() / 2);
    Checker checker(keepFailed);
    Station station;
    for (auto element : stations) {
        json::value value;
        json::object object;
        json::json_type elementType = json::json_type::null;
        code = std::move(element).get(value);
        if (!code)
            code = value.type().get(elementType);
        if (code)
            break;
        catalog.countRead();
        if (elementType != json::json_type::object) {
            catalog.drop(QStringLiteral("not a station object"));
            continue;
        }
        code = value.get_object().get(object);
        if (!code)
            code = readStation(object, station);
        if (code)
            break;
        QString streamUrl;
        if (const auto reason = checker.check(station, streamUrl))
            catalog.drop(*reason);
        else
            catalog.appendUnordered(entryFrom(station, streamUrl));
    }
    if (code) {
        const char* at = locationOf(document);
        error = describe(code, at, data);
        return false;
    }
    catalog.orderByPopularity();
    return true;
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
