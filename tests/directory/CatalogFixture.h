#pragma once

#include "directory/Catalog.h"

// Entries for small in-memory catalogs; site and location are derived from the name.
inline CatalogEntry liveEntry(const QString& name, const QString& url, const QString& styles = {},
                              const QString& category = {}, double bitrate = 0, bool video = false)
{
    CatalogEntry entry;
    entry.name = name;
    entry.streamUrl = url;
    entry.site =
        QStringLiteral("http://www.example.com/") + QString(name).replace(QLatin1Char(' '), QLatin1Char('-'));
    entry.format = QStringLiteral("RealAudio");
    entry.city = QStringLiteral("Dayton");
    entry.region = QStringLiteral("Ohio");
    entry.styles = styles.split(QLatin1Char(','), Qt::SkipEmptyParts);
    entry.category = category;
    entry.bitrate = bitrate;
    entry.video = video;
    return entry;
}

inline CatalogEntry clipEntry(const QString& title, const QString& additional, const QString& url,
                              double bitrate = 0, int seconds = 0, bool video = false)
{
    CatalogEntry entry = liveEntry(QString(), url, QString(), QString(), bitrate, video);
    entry.kind = CatalogEntry::Kind::Clip;
    entry.title = title;
    entry.additional = additional;
    entry.seconds = seconds;
    return entry;
}

inline Catalog catalogOf(const QList<CatalogEntry>& entries)
{
    Catalog catalog;
    for (const CatalogEntry& entry : entries)
        catalog.append(entry);
    return catalog;
}
