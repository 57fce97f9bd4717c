#pragma once

#include <QString>

// The format families of a stream address, decided from the address text alone the same way
// the client decides them, so that a filter the user sets shows exactly the streams the
// client will call by that format.
class StreamClassifier
{
public:
    // The six format filters of a search request.
    enum class FormatFlag
    {
        RA, // RealAudio
        MA, // MP3 and anything not recognised
        RV, // RealVideo
        NA, // Windows Media audio
        NV, // Windows Media video
        SW  // StreamWorks
    };

    // What the scanner's player choice makes of an address.
    enum class ScanFamily
    {
        RealPlayer,
        WindowsMedia,
        Known,  // recognised, but for another player (MP3 playlists, StreamWorks)
        Unknown // nothing in the address tells the format
    };

    // From the last "." to the end, upper-cased, double quotes removed; the whole address when
    // it has no ".". A query after the file name stays part of it.
    static QString extensionOf(const QString& link);
    static FormatFlag formatFlag(const QString& link, bool video);
    static ScanFamily scanFamily(const QString& link);
    // "RA", "MA", ... as the query keys spell them.
    static QString flagKey(FormatFlag flag);
};
