#include "directory/DirectoryServer.h"

#include "directory/RequestTap.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMetaEnum>
#include <QTcpSocket>

namespace {

QByteArray methodName(QHttpServerRequest::Method method)
{
    const char* key = QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(static_cast<int>(method));
    return key ? QByteArray(key).toUpper() : QByteArrayLiteral("UNKNOWN");
}

QByteArray hostPort(const QHostAddress& address, quint16 port)
{
    const QByteArray host = address.toString().toLatin1();
    const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    return (v6 ? "[" + host + "]" : host) + ':' + QByteArray::number(port);
}

QByteArray printable(const QByteArray& raw)
{
    QByteArray out;
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f)
            out += '%' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        else
            out += c;
    }
    return out;
}

} // namespace

DirectoryServer::DirectoryServer(DirectoryService service, QObject* parent)
    : QAbstractHttpServer(parent), m_tap(new RequestTap(this)), m_service(std::move(service))
{}

quint16 DirectoryServer::start(const QHostAddress& address, quint16 port)
{
    if (!m_tap->listen(address, port))
        return 0;
    bind(m_tap);
    return m_tap->serverPort();
}

QString DirectoryServer::errorString() const
{
    return m_tap->errorString();
}

bool DirectoryServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    const DirectoryRequest described = describe(request, socket);
    const DirectoryResponse response = m_service.respond(described);
    auto responder = makeResponder(request, socket);
    responder.write(response.body, {{"Content-Type", DirectoryService::kContentType}},
                    static_cast<QHttpServerResponder::StatusCode>(response.status));
    Q_EMIT requestLogged(described.method + ' ' + printable(described.target) + ' ' +
                         QByteArray::number(response.status));
    return true;
}

// Never reached: handleRequest answers every request.
void DirectoryServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    handleRequest(request, socket);
}

DirectoryRequest DirectoryServer::describe(const QHttpServerRequest& request, QTcpSocket* socket) const
{
    DirectoryRequest described;
    if (const auto line = m_tap->takeLine(socket)) {
        described.method = line->method;
        described.target = line->target;
    } else {
        described.method = methodName(request.method());
        described.target = request.url().toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
    }
    described.host = request.value("Host");
    described.localHost = hostPort(socket->localAddress(), socket->localPort());
    return described;
}
