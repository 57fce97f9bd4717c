#include "scanner/ScanReplyWait.h"

#include "core/Tick.h"
#include "scanner/ScanStationList.h"
#include "search/HttpClient.h"

ScanReplyWait::ScanReplyWait(HttpClient& client, Tick& tick, QObject* parent)
    : QObject(parent), m_client(client)
{
    connect(&m_client, &HttpClient::DocumentEvent, this, &ScanReplyWait::onDocument);
    connect(&m_client, &HttpClient::ErrorEvent, this, [this] { finish(true); });
    connect(&tick, &Tick::ticked, this, &ScanReplyWait::onTick);
}

void ScanReplyWait::start(const QString& url)
{
    m_text.clear();
    m_status = 0;
    m_failed = false;
    m_silence.restart();
    m_running = true;
    m_client.RequestDocument(url);
}

void ScanReplyWait::cancel()
{
    if (!m_running)
        return;
    m_running = false;
    m_client.CancelRequest();
}

void ScanReplyWait::onDocument(int state, const QString& block)
{
    if (!m_running)
        return;
    if (HttpClient::isProgress(state))
        m_silence.restart();
    switch (state) {
    case HttpClient::Begin:
        m_text.clear();
        break;
    case HttpClient::Headers:
        m_status = m_client.StatusCode();
        break;
    case HttpClient::Data:
        m_text += block;
        if (m_text.size() > ScanStationList::kReplyLimit) {
            m_text.truncate(ScanStationList::kReplyLimit + 1);
            finish(true);
        }
        break;
    case HttpClient::Error:
        finish(true);
        break;
    case HttpClient::End:
        finish(false);
        break;
    default:
        break;
    }
}

void ScanReplyWait::onTick()
{
    if (m_running && m_silence.advance())
        finish(true);
}

void ScanReplyWait::finish(bool failed)
{
    if (!m_running)
        return;
    m_running = false;
    m_failed = failed;
    m_client.CancelRequest();
    Q_EMIT finished();
}
