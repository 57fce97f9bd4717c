#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

// The listening socket the server is given: one it opens itself, or one handed over by the
// service manager (socket activation: LISTEN_PID names this process, LISTEN_FDS counts the
// sockets, the first is descriptor 3).
class ListenSocket
{
public:
    static constexpr int kFirstInheritedFd = 3;

    // A listening TCP socket on the address and port (0: a free port); -1, with error, on failure.
    static int open(const QHostAddress& address, quint16 port, QString& error);
    // The socket handed over by the service manager, or -1 when there is none. The variables
    // are removed so they do not reach anything this process starts.
    static int inherited();
    // "ADDRESS:PORT" the socket is bound to, IPv6 addresses in brackets; empty on failure.
    static QByteArray localAddress(int fd);
};
