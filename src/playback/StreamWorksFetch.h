#pragma once

#include "search/DocumentWait.h"

#include <QObject>
#include <QString>

#include <optional>

class HttpClient;
class Tick;

// Fetches a StreamWorks description on its own HTTP client, as one document wait: it ends on
// the end of the document, an error, stop(), kIdleLimit silent ticks, kDeadlineTicks in all, or
// a description longer than the wait's cap (only its beginning is kept).
class StreamWorksFetch : public QObject
{
    Q_OBJECT

public:
    static constexpr int kIdleLimit = 30;
    static constexpr int kDeadlineTicks = 60;

    StreamWorksFetch(HttpClient& client, Tick& tick, QObject* parent = nullptr);

    // Starts fetching link, abandoning a fetch still running (which then reports nothing).
    // Only http and https links are fetched; others finish at once with no text.
    void start(const QString& link);
    // Ends the wait now with what has arrived.
    void stop() { m_wait.stop(); }
    // Abandons the fetch without reporting.
    void cancel() { m_wait.cancel(); }
    bool isRunning() const { return m_wait.isRunning(); }

    // The address on the description's "STREAM" line (any case, after "=", ":" or blanks),
    // up to the end of that line; empty when the text names no address.
    static std::optional<QString> streamAddress(const QString& description);

Q_SIGNALS:
    // The text received (all of it, or what came before the wait ended).
    void finished(const QString& description);

private:
    DocumentWait m_wait;
};
