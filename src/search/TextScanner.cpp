#include "search/TextScanner.h"

#include <algorithm>

namespace {
bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool sameAscii(QChar actual, char wanted, Qt::CaseSensitivity sensitivity)
{
    const char16_t code = actual.unicode();
    if (code == static_cast<unsigned char>(wanted))
        return true;
    if (sensitivity == Qt::CaseSensitive || !isAsciiLetter(wanted))
        return false;
    return (code | 0x20) == (static_cast<unsigned char>(wanted) | 0x20);
}

bool matchesAt(QStringView text, qsizetype at, QLatin1String needle, Qt::CaseSensitivity sensitivity)
{
    for (qsizetype offset = 0; offset < needle.size(); ++offset) {
        if (!sameAscii(text[at + offset], needle[offset].toLatin1(), sensitivity))
            return false;
    }
    return true;
}

// A character of the needle that has no other case, so the search can jump from one of its
// occurrences to the next with the fast single-character search; -1 when every one is a letter.
qsizetype anchorOf(QLatin1String needle, Qt::CaseSensitivity sensitivity)
{
    for (qsizetype at = 0; at < needle.size(); ++at) {
        if (sensitivity == Qt::CaseSensitive || !isAsciiLetter(needle[at].toLatin1()))
            return at;
    }
    return -1;
}
} // namespace

TextScanner::TextScanner(QLatin1String needle, Qt::CaseSensitivity sensitivity)
    : m_needle(needle), m_sensitivity(sensitivity)
{}

qsizetype TextScanner::find(QStringView buffer, qsizetype from)
{
    if (m_found >= from)
        return m_found;
    const qsizetype start = std::max(from, m_clearUntil);
    m_found = indexOf(buffer, m_needle, start, m_sensitivity);
    if (m_found >= 0) {
        m_clearUntil = m_found;
        return m_found;
    }
    // A match may still begin in the last few characters once more text arrives.
    m_clearUntil = std::max(start, buffer.size() - m_needle.size() + 1);
    return -1;
}

void TextScanner::shift(qsizetype removed)
{
    m_found = m_found >= removed ? m_found - removed : -1;
    m_clearUntil = std::max<qsizetype>(0, m_clearUntil - removed);
}

void TextScanner::reset()
{
    m_found = -1;
    m_clearUntil = 0;
}

qsizetype TextScanner::indexOf(QStringView text, QLatin1String needle, qsizetype from,
                               Qt::CaseSensitivity sensitivity)
{
    const qsizetype last = text.size() - needle.size();
    if (needle.isEmpty() || from > last)
        return needle.isEmpty() && from <= text.size() ? from : -1;
    const qsizetype anchor = anchorOf(needle, sensitivity);
    if (anchor < 0) {
        for (qsizetype at = from; at <= last; ++at) {
            if (matchesAt(text, at, needle, sensitivity))
                return at;
        }
        return -1;
    }
    const QChar anchorChar = needle[anchor];
    for (qsizetype hit = text.indexOf(anchorChar, from + anchor); hit >= 0 && hit - anchor <= last;
         hit = text.indexOf(anchorChar, hit + 1)) {
        if (matchesAt(text, hit - anchor, needle, sensitivity))
            return hit - anchor;
    }
    return -1;
}
