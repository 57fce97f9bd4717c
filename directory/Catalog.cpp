#include "directory/Catalog.h"

#include "directory/EntryCleaner.h"
#include "directory/StationListReader.h"

#include <QFile>

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
    const QByteArray data = file.readAll();
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
    if (!appendCounted(entry)) {
        warn(lineNumber, QStringLiteral("left out: no stream address, or text the client reads as an error"));
        return false;
    }
    return true;
}

bool Catalog::append(const CatalogEntry& entry)
{
    const CatalogEntry cleaned = EntryCleaner::clean(entry);
    if (cleaned.streamUrl.isEmpty() || EntryCleaner::holdsReservedText(cleaned))
        return false;
    m_entries.append(cleaned);
    m_entries.back().indexTexts();
    m_index.add(m_entries.back().allFolded);
    return true;
}

bool Catalog::appendCounted(const CatalogEntry& entry)
{
    if (append(entry))
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
    return text;
}

void Catalog::warn(int lineNumber, const QString& text)
{
    m_warnings.append(QStringLiteral("line %1: %2").arg(lineNumber).arg(text));
}
