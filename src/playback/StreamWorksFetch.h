#pragma once

#include <QMetaObject>
#include <QObject>
#include <QString>

#include <optional>

class AppState;
class HttpClient;

// Fetches a StreamWorks description through the main window's HTTP client. The wait ends on
// the end of the document, an error, Stop, or 30 seconds without a document event (counted on
// the program's one-second tick). The client also serves searches, so the fetch listens to it
// only while it runs.
class StreamWorksFetch : public QObject
{
    Q_OBJECT

public:
    static constexpr qint32 kIdleLimit = 30;

    StreamWorksFetch(AppState& state, HttpClient& client, QObject* parent = nullptr);

    // Starts fetching link, abandoning a fetch still running (which then reports nothing).
    // Only http and https links are fetched; others finish at once with no text.
    void start(const QString& link);
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
    // Disconnects from the client and cancels the request this fetch started.
    void stopListening();

    AppState& m_state;
    HttpClient& m_client;
    QString m_buffer;
    bool m_running = false;
    QList<QMetaObject::Connection> m_connections;
};
