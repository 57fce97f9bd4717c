#include "search/DocumentWait.h"

#include "core/Tick.h"
#include "search/HttpClient.h"

DocumentWait::DocumentWait(HttpClient& client, Tick& tick, Limits limits, QObject* parent)
    : QObject(parent), m_client(client), m_limits(limits), m_silence(limits.silenceTicks)
{
    connect(&m_client, &HttpClient::documentEvent, this, &DocumentWait::onDocument);
    connect(&m_client, &HttpClient::errorEvent, this, &DocumentWait::onError);
    connect(&tick, &Tick::ticked, this, &DocumentWait::onTick);
}

void DocumentWait::start(const QString& url)
{
    cancel();
    m_result = Result();
    m_silence.restart();
    m_elapsed = 0;
    m_running = true;
    m_client.requestDocument(url);
}

void DocumentWait::stop()
{
    finish(Outcome::Stopped);
}

void DocumentWait::cancel()
{
    if (!m_running)
        return;
    m_running = false;
    m_client.cancelRequest();
}

void DocumentWait::onDocument(int state, const QString& block)
{
    if (!m_running)
        return;
    if (HttpClient::isProgress(state))
        m_silence.restart();
    switch (state) {
    case HttpClient::Begin:
        m_result.body.clear();
        break;
    case HttpClient::Headers:
        m_result.status = m_client.statusCode();
        break;
    case HttpClient::Data:
        append(block);
        break;
    case HttpClient::Error:
        finish(Outcome::Failed);
        break;
    case HttpClient::End:
        finish(Outcome::Complete);
        break;
    default:
        break;
    }
}

void DocumentWait::onError(int number)
{
    if (number != 0)
        finish(Outcome::Failed);
}

void DocumentWait::append(const QString& block)
{
    const qsizetype room = m_limits.cap - m_result.body.size();
    m_result.body += block.left(room);
    if (block.size() > room)
        finish(Outcome::TooLong);
}

void DocumentWait::onTick()
{
    if (!m_running)
        return;
    ++m_elapsed;
    if (m_silence.advance())
        finish(Outcome::Silent);
    else if (m_limits.deadlineTicks > 0 && m_elapsed >= m_limits.deadlineTicks)
        finish(Outcome::PastDeadline);
}

void DocumentWait::finish(Outcome outcome)
{
    if (!m_running)
        return;
    m_running = false;
    m_result.outcome = outcome;
    m_client.cancelRequest();
    Q_EMIT finished();
}
