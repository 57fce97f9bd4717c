#include "directory/Catalog.h"

#include "directory/EntryCleaner.h"
#include "directory/ResultsPage.h"
#include "directory/StationListReader.h"

#include <QFile>

#include <sys/mman.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
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

// A zeroed block for a file's text, in huge pages where the system offers them, so a list of
// tens of megabytes costs tens of page faults rather than tens of thousands.
class FileBuffer
{
public:
    explicit FileBuffer(qsizetype size)
    {
        constexpr size_t kHugePage = 2 << 20;
        m_length = static_cast<size_t>(size) + kHugePage;
        void* block = ::mmap(nullptr, m_length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED)
            return;
        m_block = static_cast<char*>(block);
        const auto at = reinterpret_cast<quintptr>(m_block);
        m_data = m_block + ((kHugePage - at % kHugePage) % kHugePage);
        ::madvise(m_data, static_cast<size_t>(size), MADV_HUGEPAGE);
    }
    ~FileBuffer()
    {
        if (m_block)
            ::munmap(m_block, m_length);
    }
    FileBuffer(const FileBuffer&) = delete;
    FileBuffer& operator=(const FileBuffer&) = delete;

    char* data() const { return m_data; }

private:
    char* m_block = nullptr;
    char* m_data = nullptr;
    size_t m_length = 0;
};

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
    const qsizetype room = StationListReader::padding();
    FileBuffer buffer(file.size() + room);
    QByteArray whole;
    QByteArrayView data;
    if (file.size() > 0 && buffer.data()) {
        data = QByteArrayView(buffer.data(), std::max<qint64>(file.read(buffer.data(), file.size()), 0));
    } else {
        whole = file.readAll();
        whole.reserve(whole.size() + room);
        data = whole;
    }
    const QByteArray start = data.first(std::min<qsizetype>(data.size(), 64)).toByteArray().trimmed();
    // The TSV catalog starts with a comment or its header, never with "[".
    if (!path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) && !start.startsWith('['))
        return parse(QByteArray::fromRawData(data.data(), data.size()));
    QString error;
    if (!StationListReader::read(data, room, options.keepFailed, *this, error)) {
        m_error = QStringLiteral("%1: %2").arg(path, error);
        return false;
    }
    finish();
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
    finish();
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
    const auto kind = kindFrom(fields[Column::Kind]);
    CatalogEntry entry;
    if (!kind || !readNumbers(fields, entry)) {
        warn(lineNumber, QStringLiteral("unreadable kind, bit rate, seconds or video flag"));
        drop(QStringLiteral("unreadable line"));
        return false;
    }
    entry.kind = *kind;
    entry.name = fields[Column::Name];
    entry.title = fields[Column::Title];
    entry.additional = fields[Column::Additional];
    entry.streamUrl = fields[Column::StreamUrl];
    entry.site = fields[Column::Site];
    entry.format = fields[Column::Format];
    entry.city = fields[Column::City];
    entry.region = fields[Column::Region];
    entry.styles = stylesFrom(fields[Column::Styles]);
    entry.category = fields[Column::Category];
    if (!appendCounted(std::move(entry))) {
        warn(lineNumber, QStringLiteral("left out: no stream address, or text the client reads as an error"));
        return false;
    }
    return true;
}

bool Catalog::append(CatalogEntry entry)
{
    orderByPopularity();
    if (!store(std::move(entry)))
        return false;
    m_index.add(folded(m_records.back()));
    m_firstUnordered = m_records.size();
    return true;
}

bool Catalog::appendCounted(CatalogEntry entry)
{
    if (append(std::move(entry)))
        return true;
    drop(QStringLiteral("no stream address, or text the client reads as an error"));
    return false;
}

bool Catalog::appendUnordered(CatalogEntry entry)
{
    const std::pair<qint64, qint64> popularity{entry.votes, entry.clicks};
    if (!store(std::move(entry))) {
        drop(QStringLiteral("no stream address, or text the client reads as an error"));
        return false;
    }
    m_popularity.push_back(popularity);
    return true;
}

void Catalog::orderByPopularity()
{
    const size_t first = m_firstUnordered;
    if (first == m_records.size())
        return;
    // Most votes first, then most clicks; the order they came in among equals.
    std::vector<quint32> order(m_records.size() - first);
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [this](quint32 a, quint32 b) {
        return m_popularity[a].first != m_popularity[b].first
                   ? m_popularity[a].first > m_popularity[b].first
                   : m_popularity[a].second > m_popularity[b].second;
    });
    LargeVector<Record> sorted;
    sorted.reserve(m_records.size());
    sorted.assign(m_records.begin(), m_records.begin() + static_cast<std::ptrdiff_t>(first));
    for (const quint32 i : order)
        sorted.push_back(m_records[first + i]);
    m_records = std::move(sorted);
    m_popularity = {};
    m_entries.reset();
    m_index.addAll(static_cast<qsizetype>(m_records.size() - first),
                   [&](qsizetype i) { return folded(m_records[first + static_cast<size_t>(i)]); });
    m_firstUnordered = m_records.size();
}

void Catalog::reserve(qsizetype entries, qsizetype textBytes)
{
    m_records.reserve(static_cast<size_t>(entries));
    m_text.reserve(textBytes);
}

void Catalog::finish()
{
    orderByPopularity();
    m_index.squeeze();
}

void Catalog::addText(const QString& text)
{
    m_text += text.toUtf8();
    m_text += '\n';
}

void Catalog::addText(QByteArrayView text)
{
    m_text += text;
    m_text += '\n';
}

bool Catalog::store(CatalogEntry entry)
{
    // Cut first: cleaning only ever shortens, and never leaves a marker at a cut end.
    cutToLength(entry);
    entry = EntryCleaner::clean(std::move(entry));
    if (entry.streamUrl.isEmpty())
        return false;
    // Offsets into the text are 32 bits; an entry takes at most some tens of kilobytes.
    constexpr qsizetype kRoom = std::numeric_limits<quint32>::max() - (1 << 20);
    if (m_text.size() > kRoom)
        return false;
    Record record;
    const QString styles = entry.styles.join(QLatin1Char(','));
    const QString location = entry.location();
    const std::array<const QString*, StreamUrl + 2> texts{
        &entry.name, &entry.title,    &entry.additional, &entry.format,    &entry.city, &entry.region,
        &styles,     &entry.category, &location,         &entry.streamUrl, &entry.site};
    const qsizetype start = m_text.size();
    for (size_t k = 0; k < texts.size(); ++k) {
        record.at[k] = static_cast<quint32>(m_text.size());
        addText(*texts[k]);
    }
    record.at[PageLine] = static_cast<quint32>(m_text.size());
    // Every text written to a page or a scanner answer, each checked where it now is.
    for (const Text written : {Name, Title, Additional, Format, City, Region, Site, StreamUrl}) {
        const QByteArrayView text(m_text.constData() + record.at[written],
                                  record.at[written + 1] - record.at[written] - 1);
        if (EntryCleaner::holdsReservedText(text)) {
            m_text.truncate(start);
            return false;
        }
    }
    appendPageLine(record, entry);
    appendFolded(record, styles, QLatin1Char('\n') + entry.category + QLatin1Char('\n') + location);
    record.bitrate = entry.bitrate;
    record.seconds = entry.seconds;
    record.live = entry.isLive();
    record.video = entry.video;
    record.formatFlag = StreamClassifier::formatFlag(entry.streamUrl, entry.video);
    record.scanFamily = StreamClassifier::scanFamily(entry.streamUrl);
    m_records.push_back(record);
    m_entries.reset();
    return true;
}

// Folding goes character by character, so the search text folds in three parts: before the
// styles, the styles, after them; the styles' folded form is then a part of the whole.
void Catalog::appendFolded(Record& record, const QString& styles, const QString& afterStyles)
{
    record.at[Folded] = static_cast<quint32>(m_text.size());
    const QByteArrayView before(m_text.constData() + record.at[Name], record.at[Styles] - record.at[Name]);
    const QByteArray foldedBefore = KeywordMatcher::foldedText(QString::fromUtf8(before));
    const QByteArray foldedStyles = KeywordMatcher::foldedText(styles);
    m_text += foldedBefore;
    m_text += foldedStyles;
    m_text += KeywordMatcher::foldedText(afterStyles);
    m_text += '\n';
    record.at[TextCount] = static_cast<quint32>(m_text.size());
    record.foldedStyles = static_cast<quint32>(foldedBefore.size());
    record.foldedStylesSize = static_cast<quint32>(foldedStyles.size());
    record.allPairs = KeywordMatcher::pairsOf(folded(record));
    record.stylePairs = KeywordMatcher::pairsOf(foldedStyles);
}

// The line ResultsPage::line() makes, put together from the texts just written.
void Catalog::appendPageLine(const Record& record, const CatalogEntry& entry)
{
    const auto written = [&](Text which) {
        return QByteArrayView(m_text.constData() + record.at[which],
                              record.at[which + 1] - record.at[which] - 1)
            .toByteArray();
    };
    QByteArray line = "<A HREF=\"" + written(StreamUrl) + "\">";
    if (entry.isLive()) {
        line += written(Name);
    } else {
        // The client drops one leading ":" before it splits title from additional text.
        const bool untitled = entry.title.isEmpty() && !entry.additional.isEmpty();
        line += (untitled ? QByteArray(":") : written(Title)) + ':' + written(Additional);
    }
    line += "**" + written(Format) + "&&" + written(Location) + "^^" + entry.bitrateText().toLatin1() + "$$";
    if (!entry.isLive())
        line += QByteArray::number(entry.seconds) + "~~";
    line += (entry.video ? "1@@" : "0@@") + written(Site) + "</A><BR>\n";
    m_text += line;
}

QByteArrayView Catalog::text(qsizetype position, Text which) const
{
    const Record& r = record(position);
    return {m_text.constData() + r.at[which], r.at[which + 1] - r.at[which] - 1};
}

QByteArrayView Catalog::searchText(qsizetype position) const
{
    const Record& r = record(position);
    return {m_text.constData() + r.at[Name], r.at[StreamUrl] - r.at[Name] - 1};
}

QByteArrayView Catalog::pageLine(qsizetype position) const
{
    const Record& r = record(position);
    return {m_text.constData() + r.at[PageLine], r.at[Folded] - r.at[PageLine]};
}

QByteArrayView Catalog::folded(const Record& r) const
{
    return {m_text.constData() + r.at[Folded], r.at[TextCount] - r.at[Folded] - 1};
}

QByteArrayView Catalog::foldedText(qsizetype position) const
{
    return folded(record(position));
}

QByteArrayView Catalog::foldedStyles(qsizetype position) const
{
    const Record& r = record(position);
    return {m_text.constData() + r.at[Folded] + r.foldedStyles, r.foldedStylesSize};
}

CatalogEntry Catalog::entry(qsizetype position) const
{
    const auto string = [&](Text which) {
        const QByteArrayView bytes = text(position, which);
        return QString::fromUtf8(bytes.data(), bytes.size());
    };
    const Record& r = record(position);
    CatalogEntry entry;
    entry.kind = r.live ? CatalogEntry::Kind::Live : CatalogEntry::Kind::Clip;
    entry.name = string(Name);
    entry.title = string(Title);
    entry.additional = string(Additional);
    entry.streamUrl = string(StreamUrl);
    entry.site = string(Site);
    entry.format = string(Format);
    entry.city = string(City);
    entry.region = string(Region);
    const QString styles = string(Styles);
    if (!styles.isEmpty())
        entry.styles = styles.split(QLatin1Char(','));
    entry.category = string(Category);
    entry.bitrate = r.bitrate;
    entry.seconds = r.seconds;
    entry.video = r.video;
    entry.pageLine = pageLine(position).toByteArray();
    return entry;
}

const QList<CatalogEntry>& Catalog::entries() const
{
    if (!m_entries) {
        m_entries.emplace();
        m_entries->reserve(size());
        for (qsizetype i = 0; i < size(); ++i)
            m_entries->append(entry(i));
    }
    return *m_entries;
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
        QStringLiteral("read %1 entries, kept %2, dropped %3").arg(m_read).arg(size()).arg(dropped);
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
