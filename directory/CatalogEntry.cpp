#include "directory/CatalogEntry.h"

#include <cmath>

QString CatalogEntry::location() const
{
    if (region.isEmpty())
        return city + QLatin1Char(',');
    return city + QStringLiteral(", ") + region;
}

QString CatalogEntry::searchableText() const
{
    const QStringList fields{
        name, title, additional, format, city, region, styles.join(QLatin1Char(',')), category, location()};
    return fields.join(QLatin1Char('\n'));
}

QString CatalogEntry::bitrateText() const
{
    // Whole rates, nearly all of them, are written the same way without the costly general form.
    if (!std::signbit(bitrate) && bitrate < 1e12 && bitrate == std::floor(bitrate))
        return QString::number(static_cast<qint64>(bitrate));
    return QString::number(bitrate, 'g', 12);
}
