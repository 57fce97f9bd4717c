#pragma once

#include "directory/Catalog.h"

#include <QAnyStringView>

// Entries for small in-memory catalogs; site and location are derived from the name.
inline CatalogEntry liveEntry(QAnyStringView name, QAnyStringView url, QAnyStringView styles = {},
                              QAnyStringView category = {}, double bitrate = 0, bool video = false)
{
    CatalogEntry entry;
    entry.name = name.toString();
    entry.streamUrl = url.toString();
    entry.site = QStringLiteral("http://www.example.com/") +
                 QString(entry.name).replace(QLatin1Char(' '), QLatin1Char('-'));
    entry.format = QStringLiteral("RealAudio");
    entry.city = QStringLiteral("Dayton");
    entry.region = QStringLiteral("Ohio");
    entry.styles = styles.toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    entry.category = category.toString();
    entry.bitrate = bitrate;
    entry.video = video;
    return entry;
}

inline CatalogEntry clipEntry(QAnyStringView title, QAnyStringView additional, QAnyStringView url,
                              double bitrate = 0, int seconds = 0, bool video = false)
{
    CatalogEntry entry = liveEntry({}, url, {}, {}, bitrate, video);
    entry.kind = CatalogEntry::Kind::Clip;
    entry.title = title.toString();
    entry.additional = additional.toString();
    entry.seconds = seconds;
    return entry;
}
