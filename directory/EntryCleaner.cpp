#include "directory/EntryCleaner.h"

#include <algorithm>
#include <string_view>

namespace {

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

bool isMarkerChar(QChar c)
{
    switch (c.unicode()) {
    case u'*':
    case u'&':
    case u'^':
    case u'$':
    case u'~':
    case u'@':
        return true;
    default:
        return false;
    }
}

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

QString collapseRuns(const QString& text, bool (*isRunChar)(QChar))
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (isRunChar(c) && !out.isEmpty() && out.back() == c)
            continue;
        out.append(c);
    }
    while (!out.isEmpty() && (isRunChar(out.back()) || out.back().isSpace()))
        out.chop(1);
    return out;
}

bool isAt(QChar c)
{
    return c == QLatin1Char('@');
}

// True when cleaning leaves the text as it is: nothing to drop, no run of a marker character,
// no marker or blank at either end. Most catalog text is like that and is kept without a copy.
bool alreadyClean(const QString& text, bool (*isDropped)(QChar), bool (*isRunChar)(QChar))
{
    if (text.isEmpty())
        return true;
    if (text.front().isSpace() || text.back().isSpace() || isRunChar(text.back()))
        return false;
    QChar previous;
    for (const QChar c : text) {
        if (isDropped(c) || (isRunChar(c) && c == previous))
            return false;
        previous = c;
    }
    return true;
}

bool droppedFromText(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('<') || isControl(c);
}

bool droppedFromAddress(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('<') || c == QLatin1Char('>') || c.isSpace() ||
           isControl(c);
}

} // namespace

QString EntryCleaner::cleanText(const QString& text)
{
    if (alreadyClean(text, droppedFromText, isMarkerChar))
        return text;
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c != QLatin1Char('"') && c != QLatin1Char('<') && !isControl(c))
            kept.append(c);
    }
    return collapseRuns(kept, isMarkerChar).trimmed();
}

QString EntryCleaner::cleanAddress(const QString& address)
{
    if (alreadyClean(address, droppedFromAddress, isAt))
        return address;
    QString kept;
    kept.reserve(address.size());
    for (const QChar c : address) {
        if (c != QLatin1Char('"') && c != QLatin1Char('<') && c != QLatin1Char('>') && !c.isSpace() &&
            !isControl(c))
            kept.append(c);
    }
    return collapseRuns(kept, isAt);
}

CatalogEntry EntryCleaner::clean(CatalogEntry entry)
{
    entry.name = cleanText(entry.name);
    // The client splits a clip's name field at its first ":" into title and additional text.
    entry.title = cleanText(entry.title).remove(QLatin1Char(':')).trimmed();
    entry.additional = cleanText(entry.additional);
    if (entry.title.isEmpty())
        entry.additional.remove(QLatin1Char(':'));
    entry.format = cleanText(entry.format);
    entry.city = cleanText(entry.city);
    entry.region = cleanText(entry.region);
    entry.category = cleanText(entry.category);
    for (QString& style : entry.styles)
        style = cleanText(style);
    entry.streamUrl = cleanAddress(entry.streamUrl);
    entry.site = cleanAddress(entry.site);
    return entry;
}

bool EntryCleaner::holdsReservedText(const CatalogEntry& entry)
{
    for (const QString* text : {&entry.name, &entry.title, &entry.additional, &entry.format, &entry.city,
                                &entry.region, &entry.site, &entry.streamUrl}) {
        if (holdsReservedText(QByteArrayView(text->toUtf8())))
            return true;
    }
    return false;
}

bool EntryCleaner::holdsReservedText(QByteArrayView utf8)
{
    static constexpr std::string_view kErrorPageTexts[] = {"302 Moved Temporarily",
                                                           "301 Moved Permanently",
                                                           "404 Object Not Found",
                                                           "404 File Not Found",
                                                           "Forbidden",
                                                           "403.6"};
    // Matched ignoring case. No character outside ASCII folds to one of theirs, so comparing
    // the UTF-8 bytes ASCII-wise finds what a caseless search of the text finds.
    static constexpr std::string_view kScanTexts[] = {"ERROR<BR>", "EXCEPTION OC"};
    const std::string_view text(utf8.data(), static_cast<size_t>(utf8.size()));
    for (const std::string_view reserved : kErrorPageTexts) {
        if (text.find(reserved) != std::string_view::npos)
            return true;
    }
    const auto sameLetter = [](char a, char b) { return asciiUpper(a) == b; };
    for (const std::string_view reserved : kScanTexts) {
        if (std::search(text.begin(), text.end(), reserved.begin(), reserved.end(), sameLetter) != text.end())
            return true;
    }
    return false;
}
