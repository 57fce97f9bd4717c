#include "directory/DirectoryServer.h"

#include "directory/InfoPages.h"
#include "directory/ListenSocket.h"

#include <chrono>

#include <microhttpd.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// What the server keeps of one request between the library's calls.
struct Exchange
{
    QByteArray target; // as received, before the library decodes it
    bool headersSeen = false;
    bool answered = false;
};

struct FramingHeaders
{
    int lengths = 0;
    int encodings = 0;
    QByteArray encoding;
    int hosts = 0;
    bool bareReturn = false; // a carriage return inside a name or value
};

MHD_Result countFraming(void* cls, MHD_ValueKind, const char* key, const char* value)
{
    auto* framing = static_cast<FramingHeaders*>(cls);
    const QByteArray name = QByteArray(key).toLower();
    framing->bareReturn = framing->bareReturn || name.contains('\r') || QByteArray(value).contains('\r');
    if (name == "host")
        ++framing->hosts;
    if (name == "content-length")
        ++framing->lengths;
    if (name == "transfer-encoding") {
        ++framing->encodings;
        framing->encoding = QByteArray(value).trimmed().toLower();
    }
    return MHD_YES;
}

FramingHeaders framingOf(MHD_Connection* connection)
{
    FramingHeaders framing;
    MHD_get_connection_values(connection, MHD_HEADER_KIND, countFraming, &framing);
    return framing;
}

// A body framed two ways, or in a way the library does not read, could be taken by some other
// server on the path for a different set of requests than this one sees: it is refused.
bool ambiguous(const FramingHeaders& framing)
{
    if (framing.encodings == 0)
        return framing.lengths > 1;
    return framing.lengths > 0 || framing.encodings > 1 || framing.encoding != "chunked";
}

// A request whose head could be read two ways: two hosts, or a carriage return that some other
// server on the path may take for the end of a line.
bool malformedHead(const FramingHeaders& framing, const QByteArray& target)
{
    return framing.hosts > 1 || framing.bareReturn || target.contains('\r');
}

bool hasBody(MHD_Connection* connection, const FramingHeaders& framing)
{
    const char* length =
        MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_CONTENT_LENGTH);
    return framing.encodings > 0 || (length && QByteArray(length).trimmed() != "0");
}

QByteArray localAddress(MHD_Connection* connection)
{
    const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
    return info ? ListenSocket::localAddress(info->connect_fd) : QByteArray();
}

DirectoryResponse ambiguousFraming()
{
    return {400, InfoPages::errorPage(400, QStringLiteral("The request's body is framed ambiguously."))};
}

DirectoryResponse malformed()
{
    return {400, InfoPages::errorPage(400, QStringLiteral("The request's head is malformed."))};
}

// The client's address without the port: what the per-address limit counts.
QByteArray addressText(const sockaddr* address)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (address && address->sa_family == AF_INET)
        ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    else if (address && address->sa_family == AF_INET6)
        ::inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text, sizeof text);
    return QByteArray(text);
}

// Answers 503 on a connection the limits leave no room for, and closes it.
void refuse(int fd)
{
    static const QByteArray answer = [] {
        const QByteArray body =
            InfoPages::errorPage(503, QStringLiteral("The directory is busy. Please try again shortly."));
        return "HTTP/1.1 503 Service Unavailable\r\nContent-Type: " +
               QByteArray(DirectoryService::kContentType) +
               "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" +
               body;
    }();
    [[maybe_unused]] const ssize_t sent =
        ::send(fd, answer.constData(), static_cast<size_t>(answer.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    // What the client sent already is read, so closing does not reset the connection under the answer.
    char scratch[4096];
    while (::recv(fd, scratch, sizeof scratch, MSG_DONTWAIT) > 0) {
    }
    ::shutdown(fd, SHUT_WR);
    ::close(fd);
}

const char* terminationText(MHD_RequestTerminationCode code)
{
    switch (code) {
    case MHD_REQUEST_TERMINATED_TIMEOUT_REACHED:
        return "timed out";
    case MHD_REQUEST_TERMINATED_DAEMON_SHUTDOWN:
        return "shut down";
    case MHD_REQUEST_TERMINATED_CLIENT_ABORT:
    case MHD_REQUEST_TERMINATED_READ_ERROR:
        return "closed by the client";
    default:
        break;
    }
    return "refused";
}

} // namespace

struct DirectoryServer::Connection
{
    int fd = -1;
    QByteArray address;
    Clock::time_point deadline;
    bool waiting = true; // for a request head
    bool late = false;   // closed by the server for a head not in by its deadline
};

struct DirectoryServer::Callbacks
{
    static Connection* connectionOf(MHD_Connection* connection)
    {
        const MHD_ConnectionInfo* info =
            MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
        return info ? static_cast<Connection*>(info->socket_context) : nullptr;
    }

    static void notify(void* cls, MHD_Connection* connection, void** context,
                       MHD_ConnectionNotificationCode code)
    {
        auto* server = static_cast<DirectoryServer*>(cls);
        if (code == MHD_CONNECTION_NOTIFY_STARTED) {
            auto* opened = new Connection;
            const MHD_ConnectionInfo* fd =
                MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
            const MHD_ConnectionInfo* client =
                MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
            opened->fd = fd ? fd->connect_fd : -1;
            opened->address = addressText(client ? client->client_addr : nullptr);
            *context = opened;
            server->opened(opened);
        } else if (*context) {
            server->closed(static_cast<Connection*>(*context));
            *context = nullptr;
        }
    }

    static void* begin(void*, const char* uri, MHD_Connection*)
    {
        return new Exchange{QByteArray(uri), false, false};
    }

    // Requests the library refused or lost before they were answered are logged here.
    static void end(void* cls, MHD_Connection* connection, void** context, MHD_RequestTerminationCode code)
    {
        auto* server = static_cast<DirectoryServer*>(cls);
        Connection* open = connectionOf(connection);
        if (open && code == MHD_REQUEST_TERMINATED_COMPLETED_OK)
            server->headDue(open);
        auto* exchange = static_cast<Exchange*>(*context);
        if (!exchange)
            return;
        if (!exchange->answered) {
            const bool late = open && server->isLate(open);
            server->m_logger("- " + printable(exchange->target) + " - " +
                             (late ? "timed out" : terminationText(code)));
        }
        delete exchange;
        *context = nullptr;
    }

    static MHD_Result answer(void* cls, MHD_Connection* connection, const char*, const char* method,
                             const char*, const char*, size_t* uploadSize, void** context)
    {
        auto* exchange = static_cast<Exchange*>(*context);
        if (!exchange)
            return MHD_NO;
        if (exchange->answered) {
            // The answer is out already; a body the client still sends is read and dropped.
            *uploadSize = 0;
            return MHD_YES;
        }
        auto* server = static_cast<DirectoryServer*>(cls);
        const FramingHeaders framing = framingOf(connection);
        const bool refused = malformedHead(framing, exchange->target);
        // A body this service never reads is not left on the connection to be taken for a
        // request. The library keeps a connection open only for an answer given once the whole
        // request is in, so the first call, made right after the headers, answers only these.
        const bool closeAfter = refused || ambiguous(framing) || hasBody(connection, framing);
        const bool first = !exchange->headersSeen;
        exchange->headersSeen = true;
        if (first) {
            if (Connection* open = connectionOf(connection))
                server->headDone(open);
        }
        if (first && !closeAfter)
            return MHD_YES;
        DirectoryResponse response;
        if (refused)
            response = malformed();
        else if (ambiguous(framing))
            response = ambiguousFraming();
        else
            response = server->respond(connection, method, exchange->target);
        MHD_Response* reply = MHD_create_response_from_buffer(static_cast<size_t>(response.body.size()),
                                                              const_cast<char*>(response.body.constData()),
                                                              MHD_RESPMEM_MUST_COPY);
        if (!reply)
            return MHD_NO;
        MHD_add_response_header(reply, MHD_HTTP_HEADER_CONTENT_TYPE, DirectoryService::kContentType);
        if (closeAfter)
            MHD_add_response_header(reply, MHD_HTTP_HEADER_CONNECTION, "close");
        const MHD_Result queued =
            MHD_queue_response(connection, static_cast<unsigned>(response.status), reply);
        MHD_destroy_response(reply);
        exchange->answered = true;
        server->m_logger(QByteArray(method) + ' ' + printable(exchange->target) + ' ' +
                         QByteArray::number(response.status));
        return queued;
    }
};

DirectoryServer::DirectoryServer(std::shared_ptr<const Catalog> catalog, const ServerLimits& limits,
                                 Logger logger)
    : m_limits(limits), m_logger(std::move(logger)), m_catalog(std::move(catalog))
{}

DirectoryServer::~DirectoryServer()
{
    if (m_acceptor.joinable()) {
        const eventfd_t one = 1;
        ::eventfd_write(m_wakeFd, one);
        m_acceptor.join();
    }
    if (m_daemon)
        MHD_stop_daemon(m_daemon);
    for (const int fd : {m_listenFd, m_wakeFd}) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool DirectoryServer::start(int listenFd)
{
    m_listenFd = listenFd;
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC);
    ::fcntl(listenFd, F_SETFL, ::fcntl(listenFd, F_GETFL) | O_NONBLOCK);
    const unsigned flags =
        MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL | MHD_USE_NO_LISTEN_SOCKET | MHD_USE_ITC;
    // The limits are kept by the acceptor; the library's own are only a backstop, per thread.
    const auto backstop = static_cast<unsigned>((m_limits.maxConnections + 64) * m_limits.threads);
    m_daemon = MHD_start_daemon(
        flags, 0, nullptr, nullptr, &Callbacks::answer, this, MHD_OPTION_THREAD_POOL_SIZE,
        static_cast<unsigned>(m_limits.threads), MHD_OPTION_CONNECTION_LIMIT, backstop,
        MHD_OPTION_CONNECTION_TIMEOUT, static_cast<unsigned>(m_limits.idleTimeoutSeconds),
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, m_limits.connectionMemory, MHD_OPTION_STRICT_FOR_CLIENT, 1,
        MHD_OPTION_URI_LOG_CALLBACK, &Callbacks::begin, this, MHD_OPTION_NOTIFY_COMPLETED, &Callbacks::end,
        this, MHD_OPTION_NOTIFY_CONNECTION, &Callbacks::notify, this, MHD_OPTION_END);
    if (!m_daemon || m_wakeFd < 0)
        return false;
    m_acceptor = std::thread([this] { acceptLoop(); });
    return true;
}

void DirectoryServer::acceptLoop()
{
    // Late heads are looked for a few times per deadline, and at least once a second.
    const int tick = std::clamp(m_limits.headTimeoutSeconds * 250, 50, 1000);
    pollfd watched[2] = {{m_listenFd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
    for (;;) {
        const int ready = ::poll(watched, 2, tick);
        if (ready > 0 && watched[1].revents != 0)
            return;
        if (ready > 0 && watched[0].revents != 0)
            acceptOne();
        closeLateHeads();
    }
}

void DirectoryServer::acceptOne()
{
    // A burst is taken whole, a bounded number at a time so late heads are still looked at.
    for (int taken = 0; taken < 256; ++taken) {
        sockaddr_storage storage;
        socklen_t length = sizeof storage;
        const int fd = ::accept4(m_listenFd, reinterpret_cast<sockaddr*>(&storage), &length, SOCK_CLOEXEC);
        if (fd < 0) {
            // Out of descriptors: the connection waits in the queue a moment instead of a busy loop.
            if (errno == EMFILE || errno == ENFILE)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            return;
        }
        const QByteArray address = addressText(reinterpret_cast<const sockaddr*>(&storage));
        const QByteArray refusal = admit(address);
        if (!refusal.isEmpty()) {
            refuse(fd);
            m_logger("- - 503 " + refusal);
            continue;
        }
        // On failure the library has closed the socket.
        if (MHD_add_connection(m_daemon, fd, reinterpret_cast<const sockaddr*>(&storage), length) != MHD_YES)
            release(address);
    }
}

QByteArray DirectoryServer::admit(const QByteArray& address)
{
    const std::lock_guard lock(m_connectionsLock);
    if (m_open >= m_limits.maxConnections)
        return "too many connections";
    int& fromAddress = m_perAddress[address];
    if (fromAddress >= m_limits.maxPerAddress)
        return "too many connections from " + address;
    ++fromAddress;
    ++m_open;
    return {};
}

void DirectoryServer::release(const QByteArray& address)
{
    const std::lock_guard lock(m_connectionsLock);
    --m_open;
    const auto it = m_perAddress.find(address);
    if (it != m_perAddress.end() && --it->second <= 0)
        m_perAddress.erase(it);
}

void DirectoryServer::opened(Connection* connection)
{
    const std::lock_guard lock(m_connectionsLock);
    connection->deadline = Clock::now() + std::chrono::seconds(m_limits.headTimeoutSeconds);
    m_connections.insert(connection);
}

void DirectoryServer::closed(Connection* connection)
{
    {
        const std::lock_guard lock(m_connectionsLock);
        m_connections.erase(connection);
    }
    release(connection->address);
    delete connection;
}

void DirectoryServer::headDone(Connection* connection)
{
    const std::lock_guard lock(m_connectionsLock);
    connection->waiting = false;
}

void DirectoryServer::headDue(Connection* connection)
{
    const std::lock_guard lock(m_connectionsLock);
    connection->waiting = true;
    connection->deadline = Clock::now() + std::chrono::seconds(m_limits.headTimeoutSeconds);
}

bool DirectoryServer::isLate(Connection* connection)
{
    const std::lock_guard lock(m_connectionsLock);
    return connection->late;
}

// The library closes a connection whose socket was shut down as it would one the client closed.
// A connection is in the set until the library has let go of its socket, so the descriptor shut
// down here is never one reused by another connection.
void DirectoryServer::closeLateHeads()
{
    const auto now = Clock::now();
    const std::lock_guard lock(m_connectionsLock);
    for (Connection* connection : m_connections) {
        if (connection->waiting && !connection->late && now >= connection->deadline && connection->fd >= 0) {
            connection->late = true;
            ::shutdown(connection->fd, SHUT_RDWR);
        }
    }
}

void DirectoryServer::setCatalog(std::shared_ptr<const Catalog> catalog)
{
    const std::lock_guard lock(m_catalogLock);
    m_catalog = std::move(catalog);
}

std::shared_ptr<const Catalog> DirectoryServer::catalog() const
{
    const std::lock_guard lock(m_catalogLock);
    return m_catalog;
}

DirectoryResponse DirectoryServer::respond(MHD_Connection* connection, const char* method,
                                           const QByteArray& target) const
{
    DirectoryRequest request;
    request.method = method;
    request.target = target;
    request.host = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_HOST);
    request.localHost = localAddress(connection);
    return DirectoryService(catalog()).respond(request);
}

QByteArray DirectoryServer::printable(const QByteArray& raw)
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
