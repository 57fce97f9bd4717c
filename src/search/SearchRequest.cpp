#include "search/SearchRequest.h"

#include "core/ProductInfo.h"
#include "core/Settings.h"
#include "search/NumericText.h"

#include <array>

namespace {
struct SpeedEntry
{
    const char* name;
    int code;
};

constexpr std::array<SpeedEntry, 6> kSpeeds{{
    {QT_TRANSLATE_NOOP("SearchRequest", "Phone Modem 28.8"), 28},
    {QT_TRANSLATE_NOOP("SearchRequest", "Phone Modem 33.6"), 33},
    {QT_TRANSLATE_NOOP("SearchRequest", "Phone Modem 56k"), 56},
    {QT_TRANSLATE_NOOP("SearchRequest", "ISDN 64k"), 64},
    {QT_TRANSLATE_NOOP("SearchRequest", "ISDN 128k"), 128},
    {QT_TRANSLATE_NOOP("SearchRequest", "Cable/DSL"), 300},
}};

bool needsEscape(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    return byte == '&' || byte == '#' || byte == '%' || code < 0x20 || code >= 0x7F;
}
} // namespace

QString SearchRequest::url() const
{
    return QStringLiteral("http://") + host + QStringLiteral("/search.asp?V=") + versionText() +
           QStringLiteral("&P=L&T1=") + wireKeywords(keywords) + filterString(formats) + modeString(archive) +
           formatString(searchFormat) + speedSuffix(conSpeed);
}

QString SearchRequest::encodeKeywords(const QString& boxText)
{
    QString encoded = boxText;
    encoded.replace(u' ', u'+');
    return encoded;
}

QString SearchRequest::wireKeywords(const QString& keywords)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const QByteArray bytes = keywords.toUtf8();
    QString wire;
    wire.reserve(bytes.size());
    for (const char byte : bytes) {
        if (!needsEscape(byte)) {
            wire.append(QLatin1Char(byte));
            continue;
        }
        const auto code = static_cast<unsigned char>(byte);
        wire.append(u'%');
        wire.append(QLatin1Char(kHex[code >> 4]));
        wire.append(QLatin1Char(kHex[code & 0x0F]));
    }
    return wire;
}

QString SearchRequest::filterString(const FormatFilters& formats)
{
    QString filter = QStringLiteral("&F=1&");
    const std::array<std::pair<bool, const char*>, 6> boxes{{{formats.RA, "RA=1&"},
                                                             {formats.MA, "MA=1&"},
                                                             {formats.RV, "RV=1&"},
                                                             {formats.NA, "NA=1&"},
                                                             {formats.NV, "NV=1&"},
                                                             {formats.SW, "SW=1&"}}};
    for (const auto& [selected, parameter] : boxes) {
        if (selected)
            filter += QLatin1String(parameter);
    }
    filter.chop(1);
    return filter;
}

QString SearchRequest::modeString(bool archive)
{
    return archive ? QString() : QStringLiteral("&LIVE=1");
}

QString SearchRequest::formatString(int searchFormat)
{
    return searchFormat == kTypedSearch ? QString() : QStringLiteral("&FMT=") + QString::number(searchFormat);
}

QString SearchRequest::speedSuffix(const QString& conSpeed)
{
    return QStringLiteral("&SPD=") + QString::number(speedCode(conSpeed));
}

const QStringList& SearchRequest::speedNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const SpeedEntry& entry : kSpeeds)
            list.append(QLatin1String(entry.name));
        return list;
    }();
    return names;
}

int SearchRequest::speedCode(const QString& conSpeed)
{
    for (const SpeedEntry& entry : kSpeeds) {
        if (conSpeed == QLatin1String(entry.name))
            return entry.code;
    }
    return 0;
}

std::optional<int> SearchRequest::speedCeiling(const QString& conSpeed)
{
    const int code = speedCode(conSpeed);
    return code == 0 ? std::nullopt : std::optional<int>(code);
}

QString SearchRequest::versionText()
{
    return NumericText::normalized(kProductVersion);
}
