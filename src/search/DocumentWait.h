#pragma once

#include "core/SilenceCount.h"

#include <QObject>
#include <QString>

class HttpClient;
class Tick;

// The wait for one small document on its own HTTP client. It ends once: on the document's end,
// a failure, more text than its cap, too many silent ticks, its overall deadline, stop() or
// cancel(). Silence and deadline are counted on the program's tick by this wait alone.
class DocumentWait : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype kDefaultCap = 64 * 1024;
    static constexpr int kDefaultSilence = 30;

    struct Limits
    {
        // Characters of decoded text kept; each came from at least one received byte.
        qsizetype cap = kDefaultCap;
        int silenceTicks = kDefaultSilence;
        // Ticks from the start until the wait gives up however lively the server; 0: none.
        int deadlineTicks = 0;
    };

    enum class Outcome
    {
        Complete,
        Failed,
        Silent,
        TooLong,
        PastDeadline,
        Stopped
    };
    Q_ENUM(Outcome)

    struct Result
    {
        Outcome outcome = Outcome::Failed;
        // The HTTP status, 0 when no headers came.
        int status = 0;
        // What arrived, at most the cap.
        QString body;

        // The whole document came, with a success status.
        bool succeeded() const { return outcome == Outcome::Complete && status >= 200 && status <= 299; }
    };

    DocumentWait(HttpClient& client, Tick& tick, Limits limits, QObject* parent = nullptr);

    // Starts a GET of url, abandoning a wait still running (which then reports nothing).
    void start(const QString& url);
    // Ends the wait now with what has arrived.
    void stop();
    // Ends the wait without a report.
    void cancel();
    bool isRunning() const { return m_running; }
    const Result& result() const { return m_result; }

Q_SIGNALS:
    void finished();

private:
    void onDocument(int state, const QString& block);
    void onError(int number);
    void onTick();
    void append(const QString& block);
    void finish(Outcome outcome);

    HttpClient& m_client;
    Limits m_limits;
    SilenceCount m_silence;
    int m_elapsed = 0;
    Result m_result;
    bool m_running = false;
};
