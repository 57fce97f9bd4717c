#pragma once

#include "playback/Players.h"

#include <QString>

// What kind of stream a link is, judged from its text alone, from one table of link endings
// and words. Three readers use it and part on purpose where the table says so:
// - the status bar shows ".RPM" and "RTSP" links as RealAudio and ".RMM" as MP3 Shoutcast, and a
//   trailing double quote hides the extension from it;
// - play dispatch plays ".RPM" and "RTSP" links in Winamp and ".RMM" in RealPlayer;
// - the scanner's player code reads ".RPM" as RealPlayer and knows no "RTSP" or ".RMM".
// The directory service keeps its own copy of the scanner's and status bar's rules
// (directory/StreamClassifier), since it links none of the client's libraries.
class StreamFormat
{
public:
    enum class Family
    {
        Real,
        Media,
        StreamWorks,
        Mp3 // also anything not recognised
    };
    enum class Reader
    {
        StatusBar,
        Play,
        Scan
    };

    // From the last "." to the end, upper case; the whole link when it holds no ".".
    static QString linkExtension(const QString& link);
    static Family family(const QString& link, Reader reader);
    // "RealAudio", "Xing StreamWorks", "Microsoft Media" or "MP3 Shoutcast".
    static QString formatName(const QString& link);
    // The status bar text for a selected link: the format name and " Stream"; empty for an
    // empty link, which leaves the status bar as it is.
    static QString showStreamFormat(const QString& link);
    // The player that gets the link.
    static Player playerForLink(const QString& link);
    // The scanner's player code: "R", "N", "X", "2", or "" for an empty link.
    static QString scanPlayerCode(const QString& link);
};
