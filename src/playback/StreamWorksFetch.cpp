#include "playback/StreamWorksFetch.h"

#include "core/Tick.h"
#include "search/HttpClient.h"

#include <QUrl>

StreamWorksFetch::StreamWorksFetch(HttpClient& client, Tick& tick, QObject* parent)
    : QObject(parent), m_client(client)
{
    connect(&m_client, &HttpClient::DocumentEvent, this, &StreamWorksFetch::onDocument);
    connect(&m_client, &HttpClient::ErrorEvent, this, &StreamWorksFetch::onError);
    connect(&tick, &Tick::ticked, this, &StreamWorksFetch::onTick);
}

void StreamWorksFetch::start(const QString& link)
{
    cancel();
    m_buffer.clear();
    m_silence.restart();
    m_running = true;
    const QString scheme = QUrl(link).scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        finish();
        return;
    }
    m_client.RequestDocument(link);
}

void StreamWorksFetch::stop()
{
    finish();
}

void StreamWorksFetch::cancel()
{
    m_running = false;
    m_client.CancelRequest();
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
    if (!m_running)
        return;
    if (HttpClient::isProgress(state))
        m_silence.restart();
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
    if (m_running && number != 0)
        finish();
}

void StreamWorksFetch::onTick()
{
    if (m_running && m_silence.advance())
        finish();
}

void StreamWorksFetch::finish()
{
    if (!m_running)
        return;
    m_running = false;
    m_client.CancelRequest();
    Q_EMIT finished(m_buffer);
}
