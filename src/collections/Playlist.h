#pragma once

#include <QList>
#include <QString>

struct PlaylistEntry
{
    QString name;
    QString link;

    bool operator==(const PlaylistEntry&) const = default;
};

// What reading a playlist gave. Only entries whose link could be played are taken.
struct PlaylistRead
{
    QList<PlaylistEntry> entries;
    // Entries left out because their link is no network address (a path, a local file, no host).
    int notAddress = 0;
    // Entries left out because their link could not be played (control characters, a leading "-").
    int unsafe = 0;
    // Entries left out because their link is longer than kMaxLinkLength.
    int tooLong = 0;
    // Usable entries left out because kMaxEntries were already taken.
    int overLimit = 0;
    // Why nothing at all was read; empty when the file was read.
    QString error;
};

// Playlists other players understand: extended M3U and PLS, written as UTF-8. Reading also
// takes plain M3U, Latin-1 files and UTF-16 files with a byte-order mark, and is careful with files from
// anywhere: their size, the number of entries taken and the links are limited.
class Playlist
{
public:
    enum class Format
    {
        M3u,
        Pls
    };

    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
    static constexpr int kMaxEntries = 10000;
    static constexpr int kMaxLinkLength = 8192;
    static constexpr int kMaxNameLength = 1024;

    // ".pls" means PLS; any other name extended M3U.
    static Format formatForPath(const QString& path);
    enum class LinkCheck
    {
        Fit,
        NotAddress,
        Unsafe,
        TooLong
    };

    // Whether a link read from a playlist may become a bookmark: one that play would hand to a
    // player, and an absolute network address (scheme and host), never a local file.
    static LinkCheck checkLink(const QString& link);
    // Whether an entry's link survives being written: one line, not empty, no surrounding
    // blanks. Names always do; their control characters become spaces.
    static bool canWrite(const PlaylistEntry& entry);

    // The playlist's bytes; entries that cannot be written are left out.
    static QByteArray write(const QList<PlaylistEntry>& entries, Format format);
    // Writes the file whole or not at all; on failure returns false with the reason in error.
    static bool writeFile(const QString& path, const QList<PlaylistEntry>& entries, QString& error);

    static PlaylistRead read(const QByteArray& data);
    static PlaylistRead readFile(const QString& path);
};
