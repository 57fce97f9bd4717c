#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class Catalog;

// Reads a station list in the community directory's JSON form: an array of station objects
// with stationuuid, name, url, url_resolved, homepage, tags, country, countrycode, state,
// codec, bitrate, hls, lastcheckok, votes and clickcount. Any field may be missing, null or of
// another type than documented; numbers may come as strings. Every station is live.
//
// The list is read in one pass over the text, without building a document of it: each station's
// fields are taken as they come, and entries are made from them straight into the catalog.
class StationListReader
{
public:
    // Bytes a buffer needs beyond its data for the list to be read in place rather than copied.
    static qsizetype padding();

    // Adds the stations to the catalog, once per stationuuid, leaving out those whose last
    // check failed unless keepFailed. False, with error, when the data is not a JSON array.
    static bool read(const QByteArray& data, bool keepFailed, Catalog& catalog, QString& error);
    // The same for data followed by `room` readable bytes.
    static bool read(QByteArrayView data, qsizetype room, bool keepFailed, Catalog& catalog, QString& error);

    // The format text for a codec name such as "MP3", "AAC+" or "OGG"; "HLS" for HLS streams.
    static QString formatText(const QString& codec, bool hls);
    // True for an absolute http or https address.
    static bool isWebAddress(const QString& address);
};
