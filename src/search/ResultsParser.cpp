#include "search/ResultsParser.h"

#include "search/NumericText.h"
#include "search/ResultsModel.h"
#include "search/SearchRequest.h"

#include <algorithm>
#include <limits>

namespace {
const QLatin1String kLinkStart("A HREF");
const QLatin1String kLinkEnd("</A>");
const QLatin1String kQuote("\"");

int clampToInt(qsizetype value)
{
    return static_cast<int>(std::min<qsizetype>(value, std::numeric_limits<int>::max()));
}

// The text before the first marker goes to field and the text after it stays in rest.
bool cut(QStringView& rest, QLatin1String marker, QStringView& field)
{
    const qsizetype at = TextScanner::indexOf(rest, marker, 0, Qt::CaseSensitive);
    if (at < 0)
        return false;
    field = rest.left(at);
    rest = rest.mid(at + marker.size());
    return true;
}

struct Fields
{
    QStringView name;
    QStringView format;
    QStringView location;
    QStringView speed;
    QStringView length;
    QStringView flag;
    QStringView page;
};

std::optional<Fields> cutFields(QStringView text, bool archive)
{
    Fields fields;
    QStringView rest = text;
    if (!cut(rest, QLatin1String("**"), fields.name) || !cut(rest, QLatin1String("&&"), fields.format) ||
        !cut(rest, QLatin1String("^^"), fields.location) || !cut(rest, QLatin1String("$$"), fields.speed))
        return std::nullopt;
    if (archive && !cut(rest, QLatin1String("~~"), fields.length))
        return std::nullopt;
    if (!cut(rest, QLatin1String("@@"), fields.flag))
        return std::nullopt;
    fields.name = NumericText::trimBlanks(fields.name);
    fields.page = rest;
    return fields;
}

constexpr QStringView kUnknown = u"Unknown";

QStringView orUnknown(QStringView text)
{
    return text.isEmpty() ? kUnknown : text;
}

QStringView stripUrl(QStringView url)
{
    auto isStrip = [](QChar c) { return c == u'"' || c == u' '; };
    while (!url.isEmpty() && isStrip(url.front()))
        url = url.mid(1);
    while (!url.isEmpty() && isStrip(url.back()))
        url.chop(1);
    return url.trimmed();
}

// The speed as shown, written over out (whose memory is reused).
void speedTextInto(QStringView speed, QString& out)
{
    out.resize(0);
    if (NumericText::value(speed) == 0 || speed == u"0") {
        out.append(kUnknown);
        return;
    }
    out.append(speed);
    if (!speed.endsWith(u'k'))
        out.append(u'k');
}

// The location as shown: most are the trimmed field itself; the others are made in made.
QStringView shownLocation(QStringView location, QString& made)
{
    const QStringView trimmed = NumericText::trimBlanks(location);
    if (!trimmed.startsWith(u',') && !trimmed.endsWith(u',') && !trimmed.contains(kUnknown))
        return trimmed;
    QString text = trimmed.toString();
    if (text == QLatin1String(","))
        text = kUnknown.toString();
    else if (text.startsWith(u','))
        text = NumericText::trimBlanks(QStringView(text).mid(1)).toString();
    if (text.endsWith(u','))
        text = NumericText::trimBlanks(QStringView(text).left(text.indexOf(u','))).toString();
    text.replace(QLatin1String("Unknown, Internet"), QLatin1String("Internet Based"));
    text.replace(QLatin1String("Unknown, Unknown"), QLatin1String("Unknown"));
    text.remove(QLatin1String("Unknown, "));
    made = NumericText::trimBlanks(text).toString();
    return made;
}

// Cells of an archive record; returns its picture.
ResultPicture archiveCells(const Fields& fields, QStringView url, ResultsParser::MadeTexts& made,
                           ResultRow::Cells& cells)
{
    ResultPicture picture = ResultPicture::None;
    if (fields.flag == u"0") {
        picture = ResultPicture::Audio;
        cells[ResultsModel::ArchiveFlag] = u"0";
    } else if (fields.flag == u"1") {
        picture = ResultPicture::Video;
        cells[ResultsModel::ArchiveFlag] = u"1";
    } else {
        cells[ResultsModel::ArchivePicture] = u"?";
    }
    made.length = ResultsParser::lengthText(fields.length);
    cells[ResultsModel::ArchiveLength] = made.length;
    cells[ResultsModel::ArchiveSpeed] = made.speed;
    cells[ResultsModel::ArchiveSeconds] = fields.length;
    QStringView name = fields.name;
    if (name.startsWith(u':'))
        name = name.mid(1);
    const qsizetype colon = name.indexOf(u':');
    cells[ResultsModel::ArchiveTitle] = colon < 0 ? name : name.left(colon);
    cells[ResultsModel::ArchiveAdditional] = colon < 0 ? QStringView() : name.mid(colon + 1);
    cells[ResultsModel::ArchiveUrl] = url;
    cells[ResultsModel::ArchivePage] = fields.page;
    const qsizetype k = made.speed.indexOf(u'k');
    made.speedValue =
        NumericText::normalized(k < 0 ? QStringView(made.speed) : QStringView(made.speed).left(k));
    cells[ResultsModel::ArchiveSpeedValue] = made.speedValue;
    return picture;
}

void liveCells(const Fields& fields, QStringView url, ResultsParser::MadeTexts& made, ResultRow::Cells& cells)
{
    cells[ResultsModel::LiveStation] = orUnknown(fields.name);
    cells[ResultsModel::LiveFormat] =
        fields.format.isEmpty() ? kUnknown : NumericText::trimBlanks(fields.format);
    cells[ResultsModel::LiveLocation] = shownLocation(fields.location, made.location);
    cells[ResultsModel::LiveSpeed] = made.speed;
    cells[ResultsModel::LiveUrl] = stripUrl(url);
    cells[ResultsModel::LivePage] = fields.page;
    const double value = NumericText::value(made.speed);
    if (value == 0) {
        cells[ResultsModel::LiveSpeedValue] = u"5000";
    } else {
        NumericText::writeText(value, made.speedValue);
        cells[ResultsModel::LiveSpeedValue] = made.speedValue;
    }
}

// The cells and picture of one record, or nothing when it is dropped.
std::optional<ResultPicture> recordCells(QStringView url, QStringView text, bool archive,
                                         std::optional<int> speedCeiling, ResultsParser::MadeTexts& made,
                                         ResultRow::Cells& cells)
{
    const std::optional<Fields> fields = cutFields(text, archive);
    if (!fields || url.size() > ResultRow::kCellLimit || fields->page.size() > ResultRow::kCellLimit)
        return std::nullopt;
    speedTextInto(fields->speed, made.speed);
    if (speedCeiling && NumericText::value(made.speed) > *speedCeiling)
        return std::nullopt;
    cells = {};
    if (archive)
        return archiveCells(*fields, url, made, cells);
    liveCells(*fields, url, made, cells);
    return ResultPicture::None;
}
} // namespace

ResultsParser::ResultsParser(ResultsModel& model, QObject* parent)
    : QObject(parent), m_model(model), m_linkStart(kLinkStart, Qt::CaseInsensitive),
      m_linkEnd(kLinkEnd, Qt::CaseInsensitive), m_quote(kQuote, Qt::CaseSensitive)
{}

void ResultsParser::setOptions(bool archive, const QString& conSpeed)
{
    m_archive = archive;
    m_ceiling = SearchRequest::speedCeiling(conSpeed);
}

void ResultsParser::resetSearch()
{
    clearBuffer();
    m_resultCount = 0;
    m_rowBytes = 0;
    m_limit = Limit::None;
}

void ResultsParser::clearBuffer()
{
    m_buffer.clear();
    m_pos = 0;
    m_linkStart.reset();
    m_linkEnd.reset();
    m_quote.reset();
}

void ResultsParser::append(QStringView block)
{
    if (m_limit != Limit::None)
        return;
    m_buffer.append(block);
    extract();
    if (m_limit == Limit::None && responseBuffer().size() > kTextLimit)
        m_limit = Limit::Text;
}

void ResultsParser::releaseBuffer()
{
    clearBuffer();
    m_buffer.squeeze();
}

void ResultsParser::extract()
{
    Q_EMIT progressMaximum(clampToInt(m_buffer.size() - m_pos));
    const QStringView buffer(m_buffer);
    while (!stopped() && m_limit == Limit::None && m_linkStart.find(buffer, m_pos) >= 0) {
        const qsizetype end = m_linkEnd.find(buffer, m_pos);
        if (end < 0)
            break;
        Q_EMIT progressValue(clampToInt(buffer.size() - m_pos));
        // The link begins after the first double quote; the cut spans as many characters as lie
        // between the consumed position and the closing tag. Neither a quote past the closing tag
        // nor text past it is used: it may not have arrived yet, and a page must read the same
        // however its blocks fall.
        const qsizetype quote = m_quote.find(buffer, m_pos);
        const qsizetype start = (quote < 0 || quote > end) ? m_pos : quote + 1;
        const qsizetype tagEnd = end + kLinkEnd.size();
        const QStringView link = buffer.mid(start, std::min(end - m_pos, tagEnd - start));
        m_pos = end + 1;

        QStringView text = link.mid(link.indexOf(u'>') + 1);
        const qsizetype close = TextScanner::indexOf(text, kLinkEnd, 0, Qt::CaseInsensitive);
        if (close >= 0)
            text = text.left(close);
        QStringView url = link;
        if (const qsizetype tag = url.indexOf(u'<'); tag >= 0)
            url = url.left(tag);
        if (const qsizetype closing = url.indexOf(u'"'); closing >= 0)
            url = url.left(closing);
        if (!url.isEmpty() && !text.isEmpty())
            parseResultRecord(url, text);
    }
    compact();
    m_model.showAddedRows();
}

void ResultsParser::compact()
{
    // Dropping consumed text only once it is the larger part keeps the copying linear.
    if (m_pos == 0 || m_pos * 2 < m_buffer.size())
        return;
    m_buffer.remove(0, m_pos);
    m_linkStart.shift(m_pos);
    m_linkEnd.shift(m_pos);
    m_quote.shift(m_pos);
    m_pos = 0;
}

void ResultsParser::parseResultRecord(QStringView url, QStringView text)
{
    ResultRow::Cells cells;
    const std::optional<ResultPicture> picture = recordCells(url, text, m_archive, m_ceiling, m_made, cells);
    if (!picture)
        return;
    ++m_resultCount;
    if (m_resultCount <= 100 || m_resultCount % 100 == 0)
        Q_EMIT countShown(m_resultCount);
    m_rowBytes += m_model.addRow(cells, *picture);
    if (m_resultCount >= kRowLimit)
        m_limit = Limit::Rows;
    else if (m_rowBytes >= m_byteLimit)
        m_limit = Limit::Bytes;
}

std::optional<ResultRow> ResultsParser::recordRow(QStringView url, QStringView text, bool archive,
                                                  std::optional<int> speedCeiling)
{
    MadeTexts made;
    ResultRow::Cells cells;
    const std::optional<ResultPicture> picture = recordCells(url, text, archive, speedCeiling, made, cells);
    if (!picture)
        return std::nullopt;
    return ResultRow(cells, *picture);
}

QString ResultsParser::speedText(QStringView speed)
{
    QString text;
    speedTextInto(speed, text);
    return text;
}

QString ResultsParser::cleanLocation(QStringView location)
{
    QString made;
    return shownLocation(location, made).toString();
}

QString ResultsParser::lengthText(QStringView seconds)
{
    static const QString unknown = QStringLiteral("[??:??]");
    if (!NumericText::isNumber(seconds))
        return unknown;
    // A fractional length counts as whole seconds; none, a negative one or one beyond any
    // real clip (which would not fit the arithmetic below) is unknown.
    const double value = NumericText::trimBlanks(seconds).toDouble();
    if (!(value >= 0.5 && value < kLongestLength))
        return unknown;
    const qint64 whole = qRound64(value);
    return u'[' + QString::number(whole / 60) + u':' + QString::number(whole % 60) + u']';
}
