#pragma once

#include "core/SilenceCount.h"

#include <QObject>
#include <QString>

#include <optional>

class HttpClient;
class Tick;

// Fetches a StreamWorks description on its own HTTP client. The wait ends on the end of the
// document, an error, stop(), or kIdleLimit seconds without a document event, counted on the
// program's tick by this fetch alone.
class StreamWorksFetch : public QObject
{
    Q_OBJECT

public:
    static constexpr int kIdleLimit = 30;

    StreamWorksFetch(HttpClient& client, Tick& tick, QObject* parent = nullptr);

    // Starts fetching link, abandoning a fetch still running (which then reports nothing).
    // Only http and https links are fetched; others finish at once with no text.
    void start(const QString& link);
    // Ends the wait now with what has arrived.
    void stop();
    // Abandons the fetch without reporting.
    void cancel();
    bool isRunning() const { return m_running; }

    // The address on the description's "STREAM" line (any case, after "=", ":" or blanks),
    // up to the end of that line; empty when the text names no address.
    static std::optional<QString> streamAddress(const QString& description);

Q_SIGNALS:
    // The text received (all of it, or what came before the wait ended).
    void finished(const QString& description);

private:
    void onDocument(int state, const QString& block);
    void onError(int number);
    void onTick();
    void finish();

    HttpClient& m_client;
    QString m_buffer;
    SilenceCount m_silence{kIdleLimit};
    bool m_running = false;
};
