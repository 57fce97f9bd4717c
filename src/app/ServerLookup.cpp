#include "app/ServerLookup.h"

#include "app/AppState.h"
#include "search/HttpClient.h"

ServerLookup::ServerLookup(HttpClient& client, AppState& state, QObject* parent)
    : QObject(parent), m_client(client), m_state(state)
{
    connect(&m_client, &HttpClient::DocumentEvent, this, &ServerLookup::onDocument);
    connect(&m_client, &HttpClient::ErrorEvent, this, [this] { finish(); });
    connect(&m_state, &AppState::ticked, this, &ServerLookup::onTick);
}

void ServerLookup::start(const QString& serviceHost)
{
    m_serviceHost = serviceHost;
    m_answer.clear();
    m_silentTicks = 0;
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
    m_silentTicks = 0;
    if (state == HttpClient::Data)
        m_answer += block;
    else if (state == HttpClient::End || state == HttpClient::Error)
        finish();
}

void ServerLookup::onTick()
{
    if (m_running && ++m_silentTicks >= kSilenceLimit)
        finish();
}

void ServerLookup::finish()
{
    if (!m_running)
        return;
    m_running = false;
    m_client.CancelRequest();
    Q_EMIT finished(hostFromAnswer(m_answer, m_serviceHost));
}
