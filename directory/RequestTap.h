#pragma once

#include "directory/RequestLineReader.h"

#include <QHash>
#include <QTcpServer>

#include <optional>

class QTcpSocket;

// A listening socket that lets the HTTP server read its connections as usual but looks at the
// bytes first, so the service can log and decode each request target exactly as it was sent
// (the server's own URL object re-encodes and repairs it).
class RequestTap : public QTcpServer
{
    Q_OBJECT

public:
    using QTcpServer::QTcpServer;

    // The next request line seen on the socket; nullopt when none is known.
    std::optional<RawRequestLine> takeLine(QTcpSocket* socket);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    QHash<QTcpSocket*, RequestLineReader> m_readers;
};
