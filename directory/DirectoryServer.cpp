#include "directory/DirectoryServer.h"

#include "directory/InfoPages.h"
#include "directory/ListenSocket.h"

#include <microhttpd.h>

namespace {

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
};

MHD_Result countFraming(void* cls, MHD_ValueKind, const char* key, const char* value)
{
    auto* framing = static_cast<FramingHeaders*>(cls);
    const QByteArray name = QByteArray(key).toLower();
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

struct DirectoryServer::Callbacks
{
    static void* begin(void*, const char* uri, MHD_Connection*)
    {
        return new Exchange{QByteArray(uri), false, false};
    }

    // Requests the library refused or lost before they were answered are logged here.
    static void end(void* cls, MHD_Connection*, void** context, MHD_RequestTerminationCode code)
    {
        auto* exchange = static_cast<Exchange*>(*context);
        if (!exchange)
            return;
        if (!exchange->answered) {
            const auto* server = static_cast<const DirectoryServer*>(cls);
            server->m_logger("- " + printable(exchange->target) + " - " + terminationText(code));
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
        const auto* server = static_cast<const DirectoryServer*>(cls);
        const FramingHeaders framing = framingOf(connection);
        // A body this service never reads is not left on the connection to be taken for a
        // request. The library keeps a connection open only for an answer given once the whole
        // request is in, so the first call, made right after the headers, answers only these.
        const bool closeAfter = ambiguous(framing) || hasBody(connection, framing);
        const bool first = !exchange->headersSeen;
        exchange->headersSeen = true;
        if (first && !closeAfter)
            return MHD_YES;
        const DirectoryResponse response =
            ambiguous(framing) ? ambiguousFraming() : server->respond(connection, method, exchange->target);
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
    if (m_daemon)
        MHD_stop_daemon(m_daemon);
}

bool DirectoryServer::start(int listenFd)
{
    const unsigned flags = MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL;
    m_daemon = MHD_start_daemon(
        flags, 0, nullptr, nullptr, &Callbacks::answer, this, MHD_OPTION_LISTEN_SOCKET,
        static_cast<MHD_socket>(listenFd), MHD_OPTION_THREAD_POOL_SIZE,
        static_cast<unsigned>(m_limits.threads), MHD_OPTION_CONNECTION_LIMIT,
        static_cast<unsigned>(m_limits.maxConnections), MHD_OPTION_CONNECTION_TIMEOUT,
        static_cast<unsigned>(m_limits.idleTimeoutSeconds), MHD_OPTION_CONNECTION_MEMORY_LIMIT,
        m_limits.connectionMemory, MHD_OPTION_STRICT_FOR_CLIENT, 1, MHD_OPTION_URI_LOG_CALLBACK,
        &Callbacks::begin, this, MHD_OPTION_NOTIFY_COMPLETED, &Callbacks::end, this, MHD_OPTION_END);
    return m_daemon != nullptr;
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
