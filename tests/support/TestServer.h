#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

#include <functional>

// A byte-exact HTTP server on 127.0.0.1 for tests: each answer is a list of raw chunks sent
// with a delay between them, or silence (the connection stays open and nothing is sent).
struct ScriptedReply
{
    QList<QByteArray> chunks;
    int delayMs = 0;
    bool silent = false;
    // The last chunk is sent again and again until the client goes away.
    bool repeatLast = false;

    // A complete response whose body is split into pieces of chunkSize bytes (0: one piece).
    static ScriptedReply page(const QByteArray& body, int status = 200,
                              const QByteArray& contentType = "text/html; charset=utf-8", int chunkSize = 0,
                              int delayMs = 0);
    static ScriptedReply silence();
    // A 200 response whose body never ends.
    static ScriptedReply endless(const QByteArray& block);
};

class TestServer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<ScriptedReply(const QByteArray& target)>;

    explicit TestServer(QObject* parent = nullptr);
    bool start();
    quint16 port() const;
    // "127.0.0.1:port"
    QString hostPort() const;
    QString url(const QString& path) const;
    void setHandler(Handler handler) { m_handler = std::move(handler); }
    void setReply(const ScriptedReply& reply);
    // Request targets (path and query) in the order received.
    const QList<QByteArray>& targets() const { return m_targets; }
    // Full request heads, for checking what a proxy was sent.
    const QList<QByteArray>& heads() const { return m_heads; }

private:
    void onConnection();

    QTcpServer m_server;
    Handler m_handler;
    QList<QByteArray> m_targets;
    QList<QByteArray> m_heads;
};
