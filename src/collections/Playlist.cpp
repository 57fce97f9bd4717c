#include "collections/Playlist.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringTokenizer>
#include <QUrl>

#include "core/LinkSafety.h"

using namespace Qt::StringLiterals;

namespace {
bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

QString cleanName(QStringView name)
{
    QString out = name.left(Playlist::kMaxNameLength).toString();
    std::replace_if(out.begin(), out.end(), isControl, u' ');
    return out;
}

QString decode(const QByteArray& data)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(data);
    // Older players wrote playlists in Latin-1, where every byte is a character.
    return utf8.hasError() ? QString::fromLatin1(data) : text;
}

// The title of "#EXTINF:<length> <attributes>,<title>": after the first comma outside quotes.
QStringView extinfTitle(QStringView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == u'"')
            quoted = !quoted;
        else if (line.at(i) == u',' && !quoted)
            return line.mid(i + 1);
    }
    return {};
}

class Collector
{
public:
    void take(QStringView name, QStringView link)
    {
        const QString address = link.trimmed().toString();
        if (!Playlist::isWebLink(address))
            ++m_read.notWeb;
        else if (m_read.entries.size() >= Playlist::kMaxEntries)
            ++m_read.overLimit;
        else
            m_read.entries.append({name.isEmpty() ? address : cleanName(name), address});
    }
    PlaylistRead result() const { return m_read; }

private:
    PlaylistRead m_read;
};

QStringView withoutCarriageReturn(QStringView line)
{
    return line.endsWith(u'\r') ? line.chopped(1) : line;
}

PlaylistRead readM3u(QStringView text)
{
    Collector collector;
    QString name;
    for (const QStringView raw : QStringTokenizer{text, u'\n'}) {
        const QStringView line = withoutCarriageReturn(raw);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.startsWith(u'#')) {
            if (trimmed.startsWith(u"#EXTINF:", Qt::CaseInsensitive))
                name = extinfTitle(line).toString();
            continue;
        }
        collector.take(name, trimmed);
        name.clear();
    }
    return collector.result();
}

// "File3=..." and "Title3=..." by their numbers; other keys and sections are ignored.
PlaylistRead readPls(QStringView text)
{
    QMap<int, std::pair<QString, QString>> numbered; // number -> (title, file)
    for (const QStringView raw : QStringTokenizer{text, u'\n'}) {
        const QStringView line = withoutCarriageReturn(raw);
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QStringView key = line.left(equals).trimmed();
        const QStringView value = line.mid(equals + 1);
        const bool isFile = key.startsWith(u"File", Qt::CaseInsensitive);
        const bool isTitle = key.startsWith(u"Title", Qt::CaseInsensitive);
        if (!isFile && !isTitle)
            continue;
        bool ok = false;
        const int number = key.mid(isFile ? 4 : 5).toInt(&ok);
        if (!ok || number < 1)
            continue;
        (isFile ? numbered[number].second : numbered[number].first) = value.toString();
    }
    Collector collector;
    for (const auto& [title, file] : std::as_const(numbered)) {
        if (!file.isNull())
            collector.take(title, file);
    }
    return collector.result();
}

bool isPls(QStringView text)
{
    for (const QStringView line : QStringTokenizer{text, u'\n'}) {
        if (!line.trimmed().isEmpty())
            return line.trimmed().compare(u"[playlist]", Qt::CaseInsensitive) == 0;
    }
    return false;
}
} // namespace

Playlist::Format Playlist::formatForPath(const QString& path)
{
    return QFileInfo(path).suffix().compare(u"pls", Qt::CaseInsensitive) == 0 ? Format::Pls : Format::M3u;
}

bool Playlist::isWebLink(const QString& link)
{
    if (link.isEmpty() || link.size() > kMaxLinkLength || !LinkSafety::isSafe(link))
        return false;
    const QUrl url(link);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

bool Playlist::canWrite(const PlaylistEntry& entry)
{
    const QString& link = entry.link;
    return !link.isEmpty() && link == link.trimmed() && !link.startsWith(u'#') &&
           std::none_of(link.begin(), link.end(), isControl);
}

QByteArray Playlist::write(const QList<PlaylistEntry>& entries, Format format)
{
    QString text = format == Format::Pls ? QStringLiteral("[playlist]\n") : QStringLiteral("#EXTM3U\n");
    int number = 0;
    for (const PlaylistEntry& entry : entries) {
        if (!canWrite(entry))
            continue;
        const QString name = cleanName(entry.name);
        if (format == Format::M3u) {
            text += u"#EXTINF:-1,"_s + name + u'\n' + entry.link + u'\n';
        } else {
            const QString n = QString::number(++number);
            text += u"File"_s + n + u'=' + entry.link + u"\nTitle"_s + n + u'=' + name + u"\nLength"_s + n +
                    u"=-1\n"_s;
        }
    }
    if (format == Format::Pls)
        text += u"NumberOfEntries="_s + QString::number(number) + u"\nVersion=2\n"_s;
    return text.toUtf8();
}

bool Playlist::writeFile(const QString& path, const QList<PlaylistEntry>& entries, QString& error)
{
    QSaveFile file(path);
    const QByteArray data = write(entries, formatForPath(path));
    // Unbuffered, so that a write that fails is seen before commit() replaces anything.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size() ||
        !file.commit()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

PlaylistRead Playlist::read(const QByteArray& data)
{
    if (data.contains('\0'))
        return {{}, 0, 0, QStringLiteral("it holds binary data, not a playlist")};
    const QString text = decode(data);
    return isPls(text) ? readPls(text) : readM3u(text);
}

PlaylistRead Playlist::readFile(const QString& path)
{
    // Special files could block or never end; only plain files are playlists.
    if (!QFileInfo(path).isFile())
        return {{}, 0, 0, QStringLiteral("it is not a file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, 0, 0, file.errorString()};
    const QByteArray data = file.read(kMaxBytes + 1);
    if (data.size() > kMaxBytes)
        return {{}, 0, 0, QStringLiteral("it is larger than %1 MiB").arg(kMaxBytes / (1024 * 1024))};
    if (file.error() != QFileDevice::NoError)
        return {{}, 0, 0, file.errorString()};
    return read(data);
}
