#pragma once

#include "search/ResultRow.h"
#include "search/TextScanner.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class ResultsModel;

// Reader of the directory's results page. Every result is one hyperlink whose target is the
// stream address and whose text packs the other fields between two-character markers:
//   live:    name**format&&location^^speed$$flag@@page
//   archive: title:additional**format&&location^^speed$$seconds~~flag@@page
// Complete links are cut off the front of the received text as blocks arrive; text that does
// not yet form a complete link waits for the next block. A record that lacks one of the markers
// of its mode is dropped (no row, not counted), as is a record faster than the connection's
// speed ceiling and one whose stream or page address is longer than a cell holds (cut, it would
// lead somewhere else). Longer display texts are cut by the row.
class ResultsParser : public QObject
{
    Q_OBJECT

public:
    // What one search may take: text not yet consumed as links (a page that never closes its
    // links), rows, and the memory of those rows. Reaching any ends the reading; the rows read
    // so far stay.
    static constexpr qsizetype kTextLimit = 16 * 1024 * 1024;
    static constexpr int kRowLimit = 500000;
    static constexpr qsizetype kByteLimit = 256 * 1024 * 1024;
    // Longer clip lengths in seconds are shown as unknown.
    static constexpr double kLongestLength = 1e12;
    enum class Limit
    {
        None,
        Text,
        Rows,
        Bytes
    };

    explicit ResultsParser(ResultsModel& model, QObject* parent = nullptr);

    // The mode and connection type the next records are read with.
    void setOptions(bool archive, const QString& conSpeed);
    // While *flag is true no further link is parsed.
    void setStopFlag(const bool* flag) { m_stop = flag; }
    // Tests reach the memory budget with a smaller one.
    void setByteLimit(qsizetype bytes) { m_byteLimit = bytes; }

    // A new search: unconsumed text and the count are cleared.
    void resetSearch();
    // A new document: unconsumed text is cleared.
    void clearBuffer();
    // After a search: the unconsumed text and its memory go.
    void releaseBuffer();
    Limit limitReached() const { return m_limit; }
    // Appends one received block and parses the links it completes; the rows of the block
    // reach the model in one insertion.
    void append(QStringView block);
    void extract();

    // Received text not yet consumed as links.
    QStringView responseBuffer() const { return QStringView(m_buffer).mid(m_pos); }
    int resultCount() const { return m_resultCount; }

    // The row of one record, or nothing when it is dropped. url is the link target as cut
    // from the page, text the link text.
    static std::optional<ResultRow> recordRow(QStringView url, QStringView text, bool archive,
                                              std::optional<int> speedCeiling);
    // The location as shown in live mode.
    static QString cleanLocation(QStringView location);
    // "[m:s]" for a length in seconds, "[??:??]" when unknown.
    static QString lengthText(QStringView seconds);
    // "20k" for a speed field of 20, "Unknown" when it holds no speed.
    static QString speedText(QStringView speed);

    // Texts a record makes rather than cuts from the page. The parser keeps one set for all its
    // records, so that making them seldom allocates.
    struct MadeTexts
    {
        QString speed;
        QString location;
        QString length;
        QString speedValue;
    };

Q_SIGNALS:
    // The unparsed length when a block starts being parsed.
    void progressMaximum(int maximum);
    // The unparsed length before each link.
    void progressValue(int value);
    // The count to show: every one of the first 100, then every 100th.
    void countShown(int count);

private:
    void parseResultRecord(QStringView url, QStringView text);
    bool stopped() const { return m_stop && *m_stop; }
    void compact();

    ResultsModel& m_model;
    const bool* m_stop = nullptr;
    bool m_archive = false;
    std::optional<int> m_ceiling;
    QString m_buffer;
    qsizetype m_pos = 0;
    TextScanner m_linkStart;
    TextScanner m_linkEnd;
    TextScanner m_quote;
    int m_resultCount = 0;
    qsizetype m_rowBytes = 0;
    qsizetype m_byteLimit = kByteLimit;
    Limit m_limit = Limit::None;
    MadeTexts m_made;
};
