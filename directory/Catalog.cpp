#include "directory/Catalog.h"

#include "directory/EntryCleaner.h"
#include "directory/StationListReader.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

enum Column
{
    Kind,
    Name,
    Title,
    Additional,
    StreamUrl,
    Site,
    Format,
    City,
    Region,
    Styles,
    Category,
    Bitrate,
    Seconds,
    Video,
    ColumnCount
};

// Cuts the text to `limit` characters, never inside a surrogate pair; true when it was cut.
bool cutChars(QString& text, qsizetype limit)
{
    if (text.size() <= limit)
        return false;
    text.truncate(text[limit].isLowSurrogate() ? limit - 1 : limit);
    return true;
}

// Cuts the text to `limit` bytes of UTF-8, never inside a character; true when it was cut.
bool cutBytes(QString& text, qsizetype limit)
{
    // A UTF-16 unit takes at most three bytes; shorter texts need no counting.
    if (text.size() * 3 <= limit)
        return false;
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() <= limit)
        return false;
    qsizetype end = limit;
    while (end > 0 && (static_cast<uchar>(bytes[end]) & 0xc0) == 0x80)
        --end;
    text = QString::fromUtf8(bytes.left(end));
    return true;
}

// Keeps the styles that fit into `limit` bytes together, commas included; true when any went.
bool cutStyles(QStringList& styles, qsizetype limit)
{
    qsizetype used = 0;
    for (qsizetype i = 0; i < styles.size(); ++i) {
        used += (i > 0 ? 1 : 0) + styles[i].toUtf8().size();
        if (used > limit) {
            styles.resize(i);
            return true;
        }
    }
    return false;
}

std::optional<CatalogEntry::Kind> kindFrom(const QString& text)
{
    if (text == QLatin1String("live"))
        return CatalogEntry::Kind::Live;
    if (text == QLatin1String("clip"))
        return CatalogEntry::Kind::Clip;
    return std::nullopt;
}

QStringList stylesFrom(const QString& text)
{
    QStringList styles;
    for (const QString& part : text.split(QLatin1Char(','))) {
        if (!part.trimmed().isEmpty())
            styles.append(part.trimmed());
    }
    return styles;
}

// Numbers of the file: bit rate a decimal number >= 0, seconds a whole number >= 0, video 0 or 1.
bool readNumbers(const QStringList& fields, CatalogEntry& entry)
{
    bool rateOk = false;
    bool secondsOk = false;
    entry.bitrate = fields[Bitrate].toDouble(&rateOk);
    entry.seconds = fields[Seconds].toInt(&secondsOk);
    const QString& video = fields[Video];
    entry.video = video == QLatin1String("1");
    return rateOk && secondsOk && std::isfinite(entry.bitrate) && entry.bitrate >= 0 && entry.seconds >= 0 &&
           (video == QLatin1String("0") || video == QLatin1String("1"));
}

} // namespace

const QStringList& Catalog::columns()
{
    static const QStringList names{
        QStringLiteral("kind"),       QStringLiteral("name"),       QStringLiteral("title"),
        QStringLiteral("additional"), QStringLiteral("stream_url"), QStringLiteral("site"),
        QStringLiteral("format"),     QStringLiteral("city"),       QStringLiteral("region"),
        QStringLiteral("styles"),     QStringLiteral("category"),   QStringLiteral("bitrate"),
        QStringLiteral("seconds"),    QStringLiteral("video")};
    return names;
}

bool Catalog::load(const QString& path, const CatalogOptions& options)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    // Read with the room the JSON reader needs past the end, so it reads the file in place.
    QByteArray data(file.size() + StationListReader::padding(), Qt::Uninitialized);
    data.resize(std::max<qint64>(file.read(data.data(), file.size()), 0));
    std::fill(data.end(), data.end() + StationListReader::padding(), '\0');
    if (file.size() == 0)
        data = file.readAll();
    const QByteArray start = data.left(64).trimmed();
    // The TSV catalog starts with a comment or its header, never with "[".
    if (!path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) && !start.startsWith('['))
        return parse(data);
    QString error;
    if (!StationListReader::read(data, options.keepFailed, *this, error)) {
        m_error = QStringLiteral("%1: %2").arg(path, error);
        return false;
    }
    m_index.squeeze();
    return true;
}

bool Catalog::parse(const QByteArray& data)
{
    const QStringList lines = QString::fromUtf8(data).split(QLatin1Char('\n'));
    bool headerSeen = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!headerSeen) {
            if (line.split(QLatin1Char('\t')) != columns()) {
                m_error = QStringLiteral("line %1: the header is not: %2")
                              .arg(i + 1)
                              .arg(columns().join(QLatin1Char(' ')));
                return false;
            }
            headerSeen = true;
            continue;
        }
        parseLine(line, i + 1);
    }
    if (!headerSeen)
        m_error = QStringLiteral("no header line");
    m_index.squeeze();
    return headerSeen;
}

bool Catalog::parseLine(const QString& line, int lineNumber)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    countRead();
    if (fields.size() != ColumnCount) {
        warn(lineNumber, QStringLiteral("%1 columns instead of %2").arg(fields.size()).arg(ColumnCount));
        drop(QStringLiteral("unreadable line"));
        return false;
    }
    const auto kind = kindFrom(fields[Kind]);
    CatalogEntry entry;
    if (!kind || !readNumbers(fields, entry)) {
        warn(lineNumber, QStringLiteral("unreadable kind, bit rate, seconds or video flag"));
        drop(QStringLiteral("unreadable line"));
        return false;
    }
    entry.kind = *kind;
    entry.name = fields[Name];
    entry.title = fields[Title];
    entry.additional = fields[Additional];
    entry.streamUrl = fields[StreamUrl];
    entry.site = fields[Site];
    entry.format = fields[Format];
    entry.city = fields[City];
    entry.region = fields[Region];
    entry.styles = stylesFrom(fields[Styles]);
    entry.category = fields[Category];
    if (!appendCounted(std::move(entry))) {
        warn(lineNumber, QStringLiteral("left out: no stream address, or text the client reads as an error"));
        return false;
    }
    return true;
}

bool Catalog::append(CatalogEntry entry)
{
    // Cut first: cleaning only ever shortens, and never leaves a marker at a cut end.
    cutToLength(entry);
    entry = EntryCleaner::clean(std::move(entry));
    if (entry.streamUrl.isEmpty() || EntryCleaner::holdsReservedText(entry))
        return false;
    m_entries.append(std::move(entry));
    m_entries.back().indexTexts();
    m_index.add(m_entries.back().allFolded);
    return true;
}

bool Catalog::appendCounted(CatalogEntry entry)
{
    if (append(std::move(entry)))
        return true;
    drop(QStringLiteral("no stream address, or text the client reads as an error"));
    return false;
}

QString Catalog::summary() const
{
    QStringList reasons;
    qsizetype dropped = 0;
    for (auto it = m_dropped.cbegin(); it != m_dropped.cend(); ++it) {
        reasons.append(QStringLiteral("%1 %2").arg(it.value()).arg(it.key()));
        dropped += it.value();
    }
    QString text =
        QStringLiteral("read %1 entries, kept %2, dropped %3").arg(m_read).arg(m_entries.size()).arg(dropped);
    if (!reasons.isEmpty())
        text += QStringLiteral(" (%1)").arg(reasons.join(QStringLiteral(", ")));
    if (m_cut > 0)
        text += QStringLiteral(", cut %1 long fields").arg(m_cut);
    return text;
}

void Catalog::cutToLength(CatalogEntry& entry)
{
    for (QString* text : {&entry.name, &entry.title, &entry.additional, &entry.format, &entry.city,
                          &entry.region, &entry.category})
        m_cut += cutChars(*text, kLongestName) ? 1 : 0;
    m_cut += cutBytes(entry.streamUrl, kLongestAddress) ? 1 : 0;
    m_cut += cutBytes(entry.site, kLongestAddress) ? 1 : 0;
    m_cut += cutStyles(entry.styles, kLongestStyles) ? 1 : 0;
}

void Catalog::warn(int lineNumber, const QString& text)
{
    m_warnings.append(QStringLiteral("line %1: %2").arg(lineNumber).arg(text));
}
