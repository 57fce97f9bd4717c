#include "collections/Playlist.h"

#include <algorithm>
#include <optional>

#include <QCoreApplication>
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

// A byte-order mark names the encoding; without one the text is UTF-8, or else Latin-1, in
// which older players wrote playlists and where every byte is a character. Empty when the
// data is not text.
std::optional<QString> decode(const QByteArray& data)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(data);
    QStringDecoder decoder(marked.value_or(QStringConverter::Utf8));
    QString text = decoder(data);
    if (decoder.hasError())
        text = marked ? QString() : QString::fromLatin1(data);
    if (text.isNull() || text.contains(QChar(0)))
        return std::nullopt;
    return text;
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

PlaylistRead refusedRead(const QString& error)
{
    PlaylistRead refused;
    refused.error = error;
    return refused;
}

class Collector
{
public:
    void take(QStringView name, QStringView link)
    {
        const QString address = link.trimmed().toString();
        const Playlist::LinkCheck check = Playlist::checkLink(address);
        if (check == Playlist::LinkCheck::NotAddress)
            ++m_read.notAddress;
        else if (check == Playlist::LinkCheck::Unsafe)
            ++m_read.unsafe;
        else if (check == Playlist::LinkCheck::TooLong)
            ++m_read.tooLong;
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

Playlist::LinkCheck Playlist::checkLink(const QString& link)
{
    if (link.size() > kMaxLinkLength)
        return LinkCheck::TooLong;
    if (!LinkSafety::isSafe(link))
        return LinkCheck::Unsafe;
    const QUrl url(link);
    const bool address = url.isValid() && !url.isLocalFile() && !url.host().isEmpty();
    return address ? LinkCheck::Fit : LinkCheck::NotAddress;
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
    const std::optional<QString> text = decode(data);
    if (!text)
        return refusedRead(QCoreApplication::translate("Playlist", "it holds binary data, not a playlist"));
    return isPls(*text) ? readPls(*text) : readM3u(*text);
}

PlaylistRead Playlist::readFile(const QString& path)
{
    // Special files could block or never end; only plain files are playlists.
    if (!QFileInfo(path).isFile())
        return refusedRead(QCoreApplication::translate("Playlist", "it is not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refusedRead(file.errorString());
    const QByteArray data = file.read(kMaxBytes + 1);
    if (data.size() > kMaxBytes)
        return refusedRead(QCoreApplication::translate("Playlist", "it is larger than %1 MiB")
                               .arg(kMaxBytes / (1024 * 1024)));
    if (file.error() != QFileDevice::NoError)
        return refusedRead(file.errorString());
    return read(data);
}
