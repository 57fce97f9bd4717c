#pragma once

#include "playback/Players.h"

#include <QString>

// What kind of stream a link is, judged from its text alone. The status bar and play dispatch
// use two tables that differ on purpose: ".RPM" and "RTSP" links show as RealAudio but play
// in Winamp, ".RMM" shows as MP3 Shoutcast but plays in RealPlayer, and a trailing quote only
// hides the extension from the status bar.
class StreamFormat
{
public:
    // From the last "." to the end, upper case; the whole link when it holds no ".".
    static QString linkExtension(const QString& link);
    // "RealAudio", "Xing StreamWorks", "Microsoft Media" or "MP3 Shoutcast".
    static QString formatName(const QString& link);
    // The status bar text for a selected link: the format name and " Stream"; empty for an
    // empty link, which leaves the status bar as it is.
    static QString ShowStreamFormat(const QString& link);
    // The player that gets the link.
    static Player PlayerForLink(const QString& link);
};
