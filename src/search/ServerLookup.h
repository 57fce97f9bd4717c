#pragma once

#include "search/DocumentWait.h"

#include <QObject>
#include <QString>

class HttpClient;
class Tick;

// Finds the directory's search host at start-up: GET "/redirect.asp?P=Q" on the service host;
// the answer's text before the first "<" names the search host. An empty answer (a refused
// connection included) means the service host itself; an answer that begins with "<" means the
// service cannot be used. An answer that does not arrive whole with a success status (too long,
// silent, past the deadline, given up by the user) also means the service host.
class ServerLookup : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDeadlineTicks = 60;

    ServerLookup(HttpClient& client, Tick& tick, QObject* parent = nullptr);

    void start(const QString& serviceHost);
    // Gives up waiting: the service host is reported at once.
    void giveUp();
    bool isRunning() const { return m_wait.isRunning(); }
    // The host that an answer gives, "" when the answer began with "<".
    static QString hostFromAnswer(const QString& answer, const QString& serviceHost);

Q_SIGNALS:
    // host is empty when the service could not be contacted.
    void finished(const QString& host);

private:
    void onFinished();

    DocumentWait m_wait;
    QString m_serviceHost;
};
