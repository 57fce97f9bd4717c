#include "search/ServerLookup.h"

#include "core/Tick.h"
#include "search/HttpClient.h"

ServerLookup::ServerLookup(HttpClient& client, Tick& tick, QObject* parent)
    : QObject(parent), m_client(client)
{
    connect(&m_client, &HttpClient::DocumentEvent, this, &ServerLookup::onDocument);
    connect(&m_client, &HttpClient::ErrorEvent, this, [this] { finish(); });
    connect(&tick, &Tick::ticked, this, &ServerLookup::onTick);
}

void ServerLookup::start(const QString& serviceHost)
{
    m_serviceHost = serviceHost;
    m_answer.clear();
    m_silence.restart();
    m_refused = false;
    m_running = true;
    m_client.RequestDocument(QStringLiteral("http://") + serviceHost + QStringLiteral("/redirect.asp?P=Q"));
}

QString ServerLookup::hostFromAnswer(const QString& answer, const QString& serviceHost)
{
    if (answer.isEmpty())
        return serviceHost;
    const qsizetype markup = answer.indexOf(QLatin1Char('<'));
    // Blanks and line breaks around the host name are not part of it.
    return (markup < 0 ? answer : answer.left(markup)).trimmed();
}

void ServerLookup::onDocument(int state, const QString& block)
{
    if (!m_running)
        return;
    m_silence.restart();
    if (state == HttpClient::Headers) {
        const int status = m_client.StatusCode();
        m_refused = status < 200 || status > 299;
    } else if (state == HttpClient::Data && !m_refused) {
        m_answer += block;
        // No host name is this long: an endless answer is no answer.
        if (m_answer.size() > kAnswerLimit) {
            m_refused = true;
            finish();
        }
    } else if (state == HttpClient::End || state == HttpClient::Error) {
        finish();
    }
}

void ServerLookup::onTick()
{
    if (m_running && m_silence.advance())
        finish();
}

void ServerLookup::finish()
{
    if (!m_running)
        return;
    m_running = false;
    m_client.CancelRequest();
    Q_EMIT finished(hostFromAnswer(m_refused ? QString() : m_answer, m_serviceHost));
}
