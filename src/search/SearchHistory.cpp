#include "search/SearchHistory.h"

#include "search/NumericText.h"
#include "search/SearchRequest.h"

bool SearchHistory::contains(const QString& text) const
{
    const QString wanted = key(text);
    for (const QString& entry : m_entries) {
        if (key(entry) == wanted)
            return true;
    }
    return false;
}

bool SearchHistory::remember(const QString& text, int searchFormat)
{
    if (searchFormat != SearchRequest::kTypedSearch || contains(text))
        return false;
    m_entries.append(text);
    return true;
}

QString SearchHistory::key(const QString& text)
{
    return NumericText::trimBlanks(text).toString().toUpper();
}
