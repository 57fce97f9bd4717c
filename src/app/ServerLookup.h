#pragma once

#include <QObject>
#include <QString>

class AppState;
class HttpClient;

// Finds the directory's search host at start-up: GET "/redirect.asp?P=Q" on the service host;
// the answer's text before the first "<" names the search host. An empty answer (a refused
// connection included) means the service host itself; an answer that begins with "<" means the
// service cannot be used. A server that stays silent for kSilenceLimit ticks counts as empty.
class ServerLookup : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSilenceLimit = 30;

    ServerLookup(HttpClient& client, AppState& state, QObject* parent = nullptr);

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
    AppState& m_state;
    QString m_serviceHost;
    QString m_answer;
    int m_silentTicks = 0;
    bool m_running = false;
};
