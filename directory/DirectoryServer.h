#pragma once

#include "directory/DirectoryService.h"

#include <QAbstractHttpServer>
#include <QHostAddress>

class RequestTap;

// The service on the network: every request, whatever its method or path, goes to
// DirectoryService, and one line per request is reported through requestLogged.
class DirectoryServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    explicit DirectoryServer(DirectoryService service, QObject* parent = nullptr);

    // Listens on the address and port (0: a free port); returns the port, or 0 on failure.
    quint16 start(const QHostAddress& address, quint16 port);
    QString errorString() const;

Q_SIGNALS:
    // "METHOD target status", the target as received; control bytes shown as %XX.
    void requestLogged(const QByteArray& line);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    DirectoryRequest describe(const QHttpServerRequest& request, QTcpSocket* socket) const;

    RequestTap* m_tap;
    DirectoryService m_service;
};
