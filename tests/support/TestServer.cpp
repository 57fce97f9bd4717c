#include "TestServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

ScriptedReply ScriptedReply::page(const QByteArray& body, int status, const QByteArray& contentType,
                                  int chunkSize, int delayMs)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " Status\r\n";
    if (!contentType.isEmpty())
        head += "Content-Type: " + contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
    ScriptedReply reply;
    reply.delayMs = delayMs;
    reply.chunks.append(head);
    const int step = chunkSize > 0 ? chunkSize : qMax<int>(1, body.size());
    for (qsizetype at = 0; at < body.size(); at += step)
        reply.chunks.append(body.mid(at, step));
    return reply;
}

ScriptedReply ScriptedReply::endless(const QByteArray& block)
{
    ScriptedReply reply;
    reply.chunks = {"HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n", block};
    reply.repeatLast = true;
    return reply;
}

ScriptedReply ScriptedReply::silence()
{
    ScriptedReply reply;
    reply.silent = true;
    return reply;
}

TestServer::TestServer(QObject* parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TestServer::onConnection);
}

bool TestServer::start()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

quint16 TestServer::port() const
{
    return m_server.serverPort();
}

QString TestServer::hostPort() const
{
    return QStringLiteral("127.0.0.1:") + QString::number(port());
}

QString TestServer::url(const QString& path) const
{
    return QStringLiteral("http://") + hostPort() + path;
}

void TestServer::setReply(const ScriptedReply& reply)
{
    m_handler = [reply](const QByteArray&) { return reply; };
}

namespace {
void sendChunks(QPointer<QTcpSocket> socket, std::shared_ptr<QList<QByteArray>> chunks, int delayMs,
                bool endless)
{
    if (!socket)
        return;
    if (chunks->isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    // An endless body is written only as fast as the client takes it.
    if (!endless || chunks->size() > 1)
        socket->write(chunks->takeFirst());
    else if (socket->bytesToWrite() < 1024 * 1024)
        socket->write(chunks->constFirst());
    socket->flush();
    QTimer::singleShot(delayMs, socket,
                       [socket, chunks, delayMs, endless] { sendChunks(socket, chunks, delayMs, endless); });
}
} // namespace

void TestServer::onConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto head = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, head] {
            if (head->contains("\r\n\r\n"))
                return; // one request per connection
            head->append(socket->readAll());
            if (!head->contains("\r\n\r\n"))
                return;
            m_heads.append(*head);
            const QList<QByteArray> requestLine = head->left(head->indexOf("\r\n")).split(' ');
            const QByteArray target = requestLine.value(1);
            m_targets.append(target);
            const ScriptedReply reply = m_handler ? m_handler(target) : ScriptedReply::page("");
            if (reply.silent)
                return;
            sendChunks(socket, std::make_shared<QList<QByteArray>>(reply.chunks), reply.delayMs,
                       reply.repeatLast);
        });
    }
}
