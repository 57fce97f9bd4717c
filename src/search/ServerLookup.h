#pragma once

#include "core/SilenceCount.h"

#include <QObject>
#include <QString>

class HttpClient;
class Tick;

// Finds the directory's search host at start-up: GET "/redirect.asp?P=Q" on the service host;
// the answer's text before the first "<" names the search host. An empty answer (a refused
// connection included) means the service host itself; an answer that begins with "<" means the
// service cannot be used. An answer with a status other than success counts as empty, and so
// does a server that stays silent for kSilenceLimit ticks.
class ServerLookup : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSilenceLimit = 30;
    // Longer answers count as empty.
    static constexpr qsizetype kAnswerLimit = 64 * 1024;

    ServerLookup(HttpClient& client, Tick& tick, QObject* parent = nullptr);

    void start(const QString& serviceHost);
    bool isRunning() const { return m_running; }
    // The host that an answer gives, "" when the answer began with "<".
    static QString hostFromAnswer(const QString& answer, const QString& serviceHost);

Q_SIGNALS:
    // host is empty when the service could not be contacted.
    void finished(const QString& host);

private:
    void onDocument(int state, const QString& block);
    void onTick();
    void finish();

    HttpClient& m_client;
    QString m_serviceHost;
    QString m_answer;
    SilenceCount m_silence{kSilenceLimit};
    bool m_running = false;
    bool m_refused = false;
};
