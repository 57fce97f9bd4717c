#include "playback/StreamFormat.h"

#include <QStringList>

namespace {
bool isOneOf(const QString& extension, std::initializer_list<const char*> extensions)
{
    for (const char* candidate : extensions) {
        if (extension == QLatin1String(candidate))
            return true;
    }
    return false;
}
} // namespace

QString StreamFormat::linkExtension(const QString& link)
{
    const qsizetype dot = link.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? link : link.mid(dot)).toUpper();
}

QString StreamFormat::formatName(const QString& link)
{
    const QString extension = linkExtension(link);
    const QString upper = link.toUpper();
    if (isOneOf(extension, {".RA", ".RAM", ".RM", ".RPM", ".SMI", ".SMIL"}))
        return QStringLiteral("RealAudio");
    if (extension == QLatin1String(".XDM"))
        return QStringLiteral("Xing StreamWorks");
    if (isOneOf(extension, {".ASF", ".ASX", ".WMA", ".WMV", ".WAX"}))
        return QStringLiteral("Microsoft Media");
    if (isOneOf(extension, {".PLS", ".M3U"}))
        return QStringLiteral("MP3 Shoutcast");
    if (upper.contains(QLatin1String("MAKEASX")))
        return QStringLiteral("Microsoft Media");
    if (upper.contains(QLatin1String("MAKERAM")) || upper.contains(QLatin1String("RTSP")))
        return QStringLiteral("RealAudio");
    return QStringLiteral("MP3 Shoutcast");
}

QString StreamFormat::ShowStreamFormat(const QString& link)
{
    if (link.isEmpty())
        return {};
    return formatName(link) + QStringLiteral(" Stream");
}

Player StreamFormat::PlayerForLink(const QString& link)
{
    const QString extension = linkExtension(link).remove(QLatin1Char('"'));
    const QString upper = link.toUpper();
    if (isOneOf(extension, {".SMIL", ".SMI", ".RMM", ".RAM", ".RM", ".RA"}))
        return Player::RealPlayer;
    if (isOneOf(extension, {".ASX", ".ASF", ".WMA", ".WMV", ".WAX"}))
        return Player::MediaPlayer;
    if (extension == QLatin1String(".XDM"))
        return Player::StreamWorks;
    if (upper.contains(QLatin1String("MAKEASX")))
        return Player::MediaPlayer;
    if (upper.contains(QLatin1String("MAKERAM")))
        return Player::RealPlayer;
    return Player::Winamp;
}
