#include "playback/StreamWorksFetch.h"

#include "app/AppState.h"
#include "search/HttpClient.h"

#include <QUrl>

StreamWorksFetch::StreamWorksFetch(AppState& state, HttpClient& client, QObject* parent)
    : QObject(parent), m_state(state), m_client(client)
{}

void StreamWorksFetch::start(const QString& link)
{
    stopListening();
    m_buffer.clear();
    m_running = true;
    const QString scheme = QUrl(link).scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        finish();
        return;
    }
    m_connections = {
        connect(&m_client, &HttpClient::DocumentEvent, this, &StreamWorksFetch::onDocument),
        connect(&m_client, &HttpClient::ErrorEvent, this, &StreamWorksFetch::onError),
        connect(&m_state, &AppState::ticked, this, &StreamWorksFetch::onTick),
    };
    m_client.RequestDocument(link);
}

std::optional<QString> StreamWorksFetch::streamAddress(const QString& description)
{
    const qsizetype at = description.indexOf(QLatin1String("STREAM"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return std::nullopt;
    // Skips the word and the one character after it ("=" or ":").
    QString address = description.mid(at + 7);
    for (const QChar end : {QChar(10), QChar(11), QChar(13)}) {
        const qsizetype cut = address.indexOf(end);
        if (cut >= 0)
            address.truncate(cut);
    }
    while (address.startsWith(QLatin1Char(' ')) || address.startsWith(QLatin1Char('=')))
        address.remove(0, 1);
    return address.trimmed();
}

void StreamWorksFetch::onDocument(int state, const QString& block)
{
    if (m_state.StopRequested)
        return;
    if (HttpClient::isProgress(state))
        m_state.IdleSeconds = 0;
    switch (state) {
    case HttpClient::Begin:
        m_buffer.clear();
        break;
    case HttpClient::Data:
        m_buffer += block;
        break;
    case HttpClient::Error:
    case HttpClient::End:
        finish();
        break;
    default:
        break;
    }
}

void StreamWorksFetch::onError(int number)
{
    if (number != 0)
        finish();
}

void StreamWorksFetch::onTick()
{
    if (m_state.StopRequested || m_state.IdleSeconds >= kIdleLimit)
        finish();
}

void StreamWorksFetch::finish()
{
    if (!m_running)
        return;
    stopListening();
    m_running = false;
    Q_EMIT finished(m_buffer);
}

void StreamWorksFetch::stopListening()
{
    if (m_connections.isEmpty())
        return;
    for (const QMetaObject::Connection& connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_client.CancelRequest();
}
