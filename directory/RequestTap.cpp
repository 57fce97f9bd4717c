#include "directory/RequestTap.h"

#include <QTcpSocket>

std::optional<RawRequestLine> RequestTap::takeLine(QTcpSocket* socket)
{
    const auto it = m_readers.find(socket);
    if (it == m_readers.end() || !it->hasLine())
        return std::nullopt;
    return it->takeLine();
}

// Connected before the server sees the socket, so this slot runs before the server's own
// reading and peeks at exactly the bytes that have not been read yet.
void RequestTap::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    m_readers.insert(socket, {});
    connect(socket, &QTcpSocket::readyRead, this,
            [this, socket] { m_readers[socket].feed(socket->peek(socket->bytesAvailable())); });
    connect(socket, &QObject::destroyed, this, [this, socket] { m_readers.remove(socket); });
    addPendingConnection(socket);
}
