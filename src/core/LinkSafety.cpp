#include "core/LinkSafety.h"

#include <QCoreApplication>

#include <algorithm>

namespace LinkSafety {
QString refusal(const QString& link)
{
    const bool hasControl =
        std::any_of(link.begin(), link.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (hasControl)
        return QCoreApplication::translate(
            "LinkSafety", "The stream address contains control characters and cannot be played.");
    if (link.trimmed().startsWith(QLatin1Char('-')))
        return QCoreApplication::translate("LinkSafety",
                                           "The stream address begins with \"-\" and cannot be played.");
    return {};
}
} // namespace LinkSafety
