#pragma once

#include "core/SilenceCount.h"

#include <QObject>
#include <QString>

class HttpClient;
class Tick;

// The wait for one station-list reply. It ends on the end of the document, a failure, a reply
// longer than the scanner takes, or kSilenceLimit silent ticks, and then reports once.
class ScanReplyWait : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSilenceLimit = 30;

    ScanReplyWait(HttpClient& client, Tick& tick, QObject* parent = nullptr);

    void start(const QString& url);
    // Ends the wait without a report.
    void cancel();
    bool isRunning() const { return m_running; }

    const QString& text() const { return m_text; }
    int status() const { return m_status; }
    bool failed() const { return m_failed; }

Q_SIGNALS:
    void finished();

private:
    void onDocument(int state, const QString& block);
    void onTick();
    void finish(bool failed);

    HttpClient& m_client;
    QString m_text;
    SilenceCount m_silence{kSilenceLimit};
    int m_status = 0;
    bool m_failed = false;
    bool m_running = false;
};
