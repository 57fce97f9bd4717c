#pragma once

#include "search/HttpProxy.h"
#include "search/PageDecoder.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

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

    // Where the current request is: Idle when no connection is open and no request runs.
    enum class State
    {
        Idle,
        Connecting,
        Receiving
    };

    // Begin, headers and data show the transfer is alive: waits restart their silence count.
    static bool isProgress(int state) { return state >= Begin && state <= Data; }

    // Unread bytes a reply may hold, and the most handed on in one data event.
    static constexpr qint64 kReadBufferSize = 1024 * 1024;
    static constexpr qint64 kSliceSize = 256 * 1024;

    explicit HttpClient(QNetworkAccessManager* manager = nullptr, QObject* parent = nullptr);
    ~HttpClient() override;

    // Starts a GET and returns at once; a request already running is cancelled first.
    void requestDocument(const QString& url);
    // Aborts the transfer without further events; harmless when idle.
    void cancelRequest();
    bool isBusy() const;
    State state() const { return m_state; }

    // The HTTP status of the current or last document; 0 before its headers.
    int statusCode() const { return m_status; }
    // Where each request takes its proxy from; without one, requests go direct.
    void setProxySource(std::function<HttpProxy()> source) { m_proxySource = std::move(source); }

Q_SIGNALS:
    // block holds the decoded text of a state-3 event, empty otherwise.
    void documentEvent(int state, const QString& block);
    void errorEvent(int number, const QString& description);
    // The state changed.
    void stateChangeEvent();

private:
    void onRequestSent();
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void setState(State state);
    void applyProxy();
    void releaseReply();
    static bool isTransportFailure(int error);
    void emitText(const QString& text);
    void readSlice();
    // Ends the transfer as failed.
    void fail(const QString& description);
    static bool hasConflictingLength(const QByteArray& header);

    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    PageDecoder m_decoder;
    std::function<HttpProxy()> m_proxySource;
    int m_status = 0;
    bool m_sliceQueued = false;
    State m_state = State::Idle;
    bool m_begun = false;
    bool m_headers = false;
};
