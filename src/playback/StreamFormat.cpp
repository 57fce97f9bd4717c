#include "playback/StreamFormat.h"

#include <QCoreApplication>

#include <array>

namespace {
using Family = StreamFormat::Family;
using Reader = StreamFormat::Reader;

enum Readers : unsigned
{
    StatusBar = 1u << unsigned(Reader::StatusBar),
    Play = 1u << unsigned(Reader::Play),
    Scan = 1u << unsigned(Reader::Scan),
    All = StatusBar | Play | Scan
};

struct Rule
{
    const char* text;
    Family family;
    unsigned readers;
};

// Link endings, compared with the upper-cased extension.
constexpr std::array kEndings{
    Rule{".RA", Family::Real, All},
    Rule{".RAM", Family::Real, All},
    Rule{".RM", Family::Real, All},
    Rule{".RPM", Family::Real, StatusBar | Scan},
    Rule{".RMM", Family::Real, Play},
    Rule{".SMI", Family::Real, All},
    Rule{".SMIL", Family::Real, All},
    Rule{".XDM", Family::StreamWorks, All},
    Rule{".ASF", Family::Media, All},
    Rule{".ASX", Family::Media, All},
    Rule{".WMA", Family::Media, All},
    Rule{".WMV", Family::Media, All},
    Rule{".WAX", Family::Media, All},
    Rule{".PLS", Family::Mp3, StatusBar | Scan},
    Rule{".M3U", Family::Mp3, StatusBar | Scan},
};

// Words anywhere in the link that mark generated playlists, tried in this order when no ending
// matched.
constexpr std::array kWords{
    Rule{"MAKEASX", Family::Media, All},
    Rule{"MAKERAM", Family::Real, All},
    Rule{"RTSP", Family::Real, StatusBar},
};

bool reads(const Rule& rule, Reader reader)
{
    return (rule.readers & (1u << unsigned(reader))) != 0;
}
} // namespace

QString StreamFormat::linkExtension(const QString& link)
{
    const qsizetype dot = link.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? link : link.mid(dot)).toUpper();
}

StreamFormat::Family StreamFormat::family(const QString& link, Reader reader)
{
    QString extension = linkExtension(link);
    if (reader != Reader::StatusBar)
        extension.remove(QLatin1Char('"'));
    for (const Rule& rule : kEndings) {
        if (reads(rule, reader) && extension == QLatin1String(rule.text))
            return rule.family;
    }
    const QString upper = link.toUpper();
    for (const Rule& rule : kWords) {
        if (reads(rule, reader) && upper.contains(QLatin1String(rule.text)))
            return rule.family;
    }
    return Family::Mp3;
}

QString StreamFormat::formatName(const QString& link)
{
    switch (family(link, Reader::StatusBar)) {
    case Family::Real:
        return QStringLiteral("RealAudio");
    case Family::Media:
        return QStringLiteral("Microsoft Media");
    case Family::StreamWorks:
        return QStringLiteral("Xing StreamWorks");
    case Family::Mp3:
        break;
    }
    return QStringLiteral("MP3 Shoutcast");
}

QString StreamFormat::showStreamFormat(const QString& link)
{
    if (link.isEmpty())
        return {};
    // The format names are product names, the same in every language.
    return QCoreApplication::translate("StreamFormat", "%1 Stream").arg(formatName(link));
}

Player StreamFormat::playerForLink(const QString& link)
{
    switch (family(link, Reader::Play)) {
    case Family::Real:
        return Player::RealPlayer;
    case Family::Media:
        return Player::MediaPlayer;
    case Family::StreamWorks:
        return Player::StreamWorks;
    case Family::Mp3:
        break;
    }
    return Player::Winamp;
}

QString StreamFormat::scanPlayerCode(const QString& link)
{
    if (link.isEmpty())
        return {};
    switch (family(link, Reader::Scan)) {
    case Family::Real:
        return QStringLiteral("R");
    case Family::Media:
        return QStringLiteral("N");
    case Family::StreamWorks:
        return QStringLiteral("X");
    case Family::Mp3:
        break;
    }
    return QStringLiteral("2");
}
