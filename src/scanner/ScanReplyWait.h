#pragma once

#include "search/DocumentWait.h"

#include <QObject>
#include <QString>

class HttpClient;
class Tick;

// The wait for one station-list reply, as one document wait. It ends on the end of the
// document, a failure, a reply longer than the scanner takes, kSilenceLimit silent ticks or
// kDeadlineTicks in all: one station record is small, so a server that drips it fails.
class ScanReplyWait : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSilenceLimit = 30;
    static constexpr int kDeadlineTicks = 60;

    ScanReplyWait(HttpClient& client, Tick& tick, QObject* parent = nullptr);

    void start(const QString& url) { m_wait.start(url); }
    // Ends the wait without a report.
    void cancel() { m_wait.cancel(); }
    bool isRunning() const { return m_wait.isRunning(); }

    const QString& text() const { return m_wait.result().body; }
    int status() const { return m_wait.result().status; }
    bool failed() const { return m_wait.result().outcome != DocumentWait::Outcome::Complete; }

Q_SIGNALS:
    void finished();

private:
    DocumentWait m_wait;
};
