#include "search/HttpClient.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

HttpClient::HttpClient(QNetworkAccessManager* manager, QObject* parent)
    : QObject(parent), m_manager(manager ? manager : new QNetworkAccessManager(this))
{}

HttpClient::~HttpClient()
{
    releaseReply();
}

void HttpClient::requestDocument(const QString& url)
{
    cancelRequest();
    applyProxy();
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("User-Agent", "Skylark! Broadcast/3.0");
    m_begun = false;
    m_headers = false;
    m_status = 0;
    m_decoder = PageDecoder();
    m_reply = m_manager->get(request);
    // The reply holds at most this much unread; the network is read as the program takes it.
    m_reply->setReadBufferSize(kReadBufferSize);
    connect(m_reply, &QNetworkReply::requestSent, this, &HttpClient::onRequestSent);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpClient::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpClient::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &HttpClient::onFinished);
    setState(State::Connecting);
}

void HttpClient::cancelRequest()
{
    if (!m_reply)
        return;
    releaseReply();
    setState(State::Idle);
}

bool HttpClient::isBusy() const
{
    return m_state != State::Idle;
}

void HttpClient::onRequestSent()
{
    if (m_begun)
        return;
    m_begun = true;
    Q_EMIT documentEvent(Begin, QString());
}

void HttpClient::onMetaData()
{
    if (m_headers || !m_reply || !m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return;
    onRequestSent();
    m_headers = true;
    m_status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (hasConflictingLength(m_reply->rawHeader("Content-Length"))) {
        // Two lengths for one body: which part is the document cannot be told.
        fail(QStringLiteral("Conflicting Content-Length headers"));
        return;
    }
    m_decoder =
        PageDecoder::forContentType(m_reply->header(QNetworkRequest::ContentTypeHeader).toByteArray());
    setState(State::Receiving);
    Q_EMIT documentEvent(Headers, QString());
}

void HttpClient::onReadyRead()
{
    if (!m_reply)
        return;
    onMetaData();
    readSlice();
}

void HttpClient::readSlice()
{
    if (!m_reply)
        return;
    const QByteArray bytes = m_reply->read(kSliceSize);
    if (!bytes.isEmpty())
        emitText(m_decoder.decode(bytes));
    // The rest comes in later slices, so the window repaints and takes input between them.
    if (m_reply && m_reply->bytesAvailable() > 0 && !m_sliceQueued) {
        m_sliceQueued = true;
        QTimer::singleShot(0, this, [this, reply = m_reply] {
            m_sliceQueued = false;
            if (m_reply == reply)
                readSlice();
        });
    }
}

bool HttpClient::hasConflictingLength(const QByteArray& header)
{
    // Repeated headers arrive joined by commas.
    const QList<QByteArray> lengths = header.split(',');
    for (const QByteArray& length : lengths) {
        if (length.trimmed() != lengths.constFirst().trimmed())
            return true;
    }
    return false;
}

void HttpClient::fail(const QString& description)
{
    const bool begun = m_begun;
    releaseReply();
    setState(State::Idle);
    if (begun)
        Q_EMIT documentEvent(Error, QString());
    Q_EMIT errorEvent(-1, description);
}

void HttpClient::emitText(const QString& text)
{
    if (!text.isEmpty())
        Q_EMIT documentEvent(Data, text);
}

void HttpClient::onFinished()
{
    QPointer<QNetworkReply> reply = m_reply;
    if (!reply)
        return;
    const QNetworkReply::NetworkError error = reply->error();
    const bool isHttpAnswer =
        reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid() && !isTransportFailure(error);
    const QString description = reply->errorString();
    if (isHttpAnswer) {
        onMetaData();
        // What the reply still holds is bounded by its read buffer.
        while (m_reply == reply && reply->bytesAvailable() > 0)
            emitText(m_decoder.decode(reply->read(kSliceSize)));
        if (m_reply != reply)
            return; // a handler started another request or cancelled this one
        emitText(m_decoder.finish());
        if (m_reply != reply)
            return;
        releaseReply();
        setState(State::Idle);
        Q_EMIT documentEvent(End, QString());
        return;
    }
    const bool begun = m_begun;
    releaseReply();
    setState(State::Idle);
    if (begun)
        Q_EMIT documentEvent(Error, QString());
    Q_EMIT errorEvent(error == QNetworkReply::NoError ? -1 : static_cast<int>(error), description);
}

bool HttpClient::isTransportFailure(int error)
{
    // Errors that stand for an HTTP status (content 2xx, server 4xx codes of the error enum)
    // still deliver a document; everything else (connection, proxy, protocol) is a failure.
    const bool statusError = (error >= 201 && error <= 299) || (error >= 401 && error <= 499);
    return error != QNetworkReply::NoError && !statusError;
}

void HttpClient::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT stateChangeEvent();
}

void HttpClient::applyProxy()
{
    const HttpProxy proxy = m_proxySource ? m_proxySource() : HttpProxy();
    if (proxy.isOn())
        m_manager->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, proxy.host, proxy.port));
    else
        m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

void HttpClient::releaseReply()
{
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    if (reply->isRunning())
        reply->abort();
    reply->deleteLater();
}
