#pragma once

#include "directory/CatalogEntry.h"

#include <optional>

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class Catalog;

// Reads a station list in the community directory's JSON form: an array of station objects
// with stationuuid, name, url, url_resolved, homepage, tags, country, countrycode, state,
// codec, bitrate, hls, lastcheckok, votes and clickcount. Any field may be missing, null or of
// another type than documented; numbers may come as strings. Every station is live.
class StationListReader
{
public:
    // Adds the stations to the catalog, once per stationuuid, leaving out those whose last
    // check failed unless keepFailed. False, with error, when the data is not a JSON array.
    static bool read(const QByteArray& data, bool keepFailed, Catalog& catalog, QString& error);

    // The entry for one station object, or nullopt with the reason it is left out.
    static std::optional<CatalogEntry> entryFrom(const QJsonObject& station, QString& reason);
    // The format text for a codec name such as "MP3", "AAC+" or "OGG"; "HLS" for HLS streams.
    static QString formatText(const QString& codec, bool hls);
    // True for an absolute http or https address.
    static bool isWebAddress(const QString& address);
};
