#include "directory/ListenSocket.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kBacklog = 128;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The socket address for the address and port, with its length; 0 length when the address is
// neither IPv4 nor IPv6.
socklen_t socketAddress(const QHostAddress& address, quint16 port, sockaddr_storage& storage)
{
    std::memset(&storage, 0, sizeof storage);
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        auto* v4 = reinterpret_cast<sockaddr_in*>(&storage);
        v4->sin_family = AF_INET;
        v4->sin_port = htons(port);
        v4->sin_addr.s_addr = htonl(address.toIPv4Address());
        return sizeof(sockaddr_in);
    }
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        auto* v6 = reinterpret_cast<sockaddr_in6*>(&storage);
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&v6->sin6_addr, &bytes, sizeof bytes);
        return sizeof(sockaddr_in6);
    }
    return 0;
}

} // namespace

int ListenSocket::open(const QHostAddress& address, quint16 port, QString& error)
{
    sockaddr_storage storage;
    const socklen_t length = socketAddress(address, port, storage);
    if (length == 0) {
        error = QStringLiteral("unusable address");
        return -1;
    }
    const int fd = ::socket(storage.ss_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = systemError();
        return -1;
    }
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (storage.ss_family == AF_INET6)
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&storage), length) != 0 || ::listen(fd, kBacklog) != 0) {
        error = systemError();
        ::close(fd);
        return -1;
    }
    return fd;
}

int ListenSocket::inherited()
{
    const QByteArray pid = qgetenv("LISTEN_PID");
    const QByteArray count = qgetenv("LISTEN_FDS");
    qunsetenv("LISTEN_PID");
    qunsetenv("LISTEN_FDS");
    qunsetenv("LISTEN_FDNAMES");
    bool pidOk = false;
    bool countOk = false;
    if (pid.toLongLong(&pidOk) != ::getpid() || !pidOk || count.toInt(&countOk) < 1 || !countOk)
        return -1;
    ::fcntl(kFirstInheritedFd, F_SETFD, FD_CLOEXEC);
    return kFirstInheritedFd;
}

QByteArray ListenSocket::localAddress(int fd)
{
    sockaddr_storage storage;
    socklen_t length = sizeof storage;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&storage), &length) != 0)
        return {};
    char text[INET6_ADDRSTRLEN] = {};
    if (storage.ss_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(&storage);
        ::inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text);
        return QByteArray(text) + ':' + QByteArray::number(ntohs(v4->sin_port));
    }
    if (storage.ss_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(&storage);
        ::inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
        return '[' + QByteArray(text) + "]:" + QByteArray::number(ntohs(v6->sin6_port));
    }
    return {};
}
