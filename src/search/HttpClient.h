#pragma once

#include <QObject>
#include <QPointer>
#include <QStringDecoder>

class QNetworkAccessManager;
class QNetworkReply;

// Proxy of an HttpClient; requests go through it while ProxyOn is true.
struct HttpProxySettings
{
    bool ProxyOn = false;
    QString ProxyHostName;
    qint32 ProxyPortNumber = 0;
};

// An asynchronous GET client. Events arrive in order: DocumentEvent 1 (begin), 2 (headers),
// 3 (a block of text, any number of times), then 5 (end) or 4 (error); a transport failure
// raises ErrorEvent with a non-zero number. An HTTP error status is still a document: its body
// arrives in blocks and the document ends normally. Redirects are not followed.
class HttpClient : public QObject
{
    Q_OBJECT

public:
    enum DocumentState
    {
        Begin = 1,
        Headers = 2,
        Data = 3,
        Error = 4,
        End = 5
    };

    // Begin, headers and data show the transfer is alive: waits restart their silence count.
    static bool isProgress(int state) { return state >= Begin && state <= Data; }

    explicit HttpClient(QNetworkAccessManager* manager = nullptr, QObject* parent = nullptr);
    ~HttpClient() override;

    // Starts a GET and returns at once; a request already running is cancelled first.
    void RequestDocument(const QString& url);
    // Aborts the transfer without further events; harmless when idle.
    void CancelRequest();
    bool IsBusy() const;
    // "Disconnected" when no connection is open, else "Connecting" or "Connected".
    QString ConnectionStateText() const;
    // "Base" when no request is in progress, else "Requesting" or "Receiving".
    QString ProtocolStateText() const;

    HttpProxySettings& ProxySettings() { return m_proxy; }
    const HttpProxySettings& ProxySettings() const { return m_proxy; }

Q_SIGNALS:
    // block holds the decoded text of a state-3 event, empty otherwise.
    void DocumentEvent(int state, const QString& block);
    void ErrorEvent(int number, const QString& description);
    void StateChangeEvent();

private:
    enum class Phase
    {
        Idle,
        Connecting,
        Receiving
    };

    void onRequestSent();
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void setPhase(Phase phase);
    void applyProxy();
    void releaseReply();
    static bool isTransportFailure(int error);
    static QStringDecoder decoderFor(const QByteArray& contentType);

    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    QStringDecoder m_decoder;
    HttpProxySettings m_proxy;
    Phase m_phase = Phase::Idle;
    bool m_begun = false;
    bool m_headers = false;
};
