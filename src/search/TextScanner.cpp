#include "search/TextScanner.h"

#include <algorithm>

TextScanner::TextScanner(QLatin1String needle, Qt::CaseSensitivity sensitivity)
    : m_needle(needle), m_sensitivity(sensitivity)
{}

qsizetype TextScanner::find(QStringView buffer, qsizetype from)
{
    if (m_found >= from)
        return m_found;
    const qsizetype start = std::max(from, m_clearUntil);
    m_found = buffer.indexOf(m_needle, start, m_sensitivity);
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
