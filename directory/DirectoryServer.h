#pragma once

#include "directory/DirectoryService.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

struct MHD_Connection;
struct MHD_Daemon;

// What one client may take of the server. Requests are read within a fixed memory pool per
// connection, so a header or request line that does not fit is refused instead of buffered.
struct ServerLimits
{
    int idleTimeoutSeconds = 30; // a connection silent this long is closed, half-sent or not
    int headTimeoutSeconds = 10; // from opening or the last answer to the end of the next head
    int maxConnections = 512;
    int maxPerAddress = 32;
    int threads = 2;
    size_t connectionMemory = 64 * 1024;
};

// The service on the network, on libmicrohttpd's own threads. The library reads and frames
// every request; each one the library accepts is answered by DirectoryService from the catalog
// snapshot current when it arrived, so a catalog swapped in meanwhile never disturbs it.
// Connections are accepted by the server's own thread, which hands them to the library within
// the limits and answers the others 503 at once, so none waits unseen in the kernel's queue; the
// same thread closes connections whose request head is not in by its deadline.
// One line per request goes to the logger, from the server's threads:
//   "METHOD target status", the target exactly as received, control bytes shown as %XX.
class DirectoryServer
{
public:
    using Logger = std::function<void(const QByteArray& line)>;

    DirectoryServer(std::shared_ptr<const Catalog> catalog, const ServerLimits& limits, Logger logger);
    ~DirectoryServer();
    DirectoryServer(const DirectoryServer&) = delete;
    DirectoryServer& operator=(const DirectoryServer&) = delete;

    // Serves on a listening socket, which the server then owns; false when the library refuses.
    bool start(int listenFd);
    void setCatalog(std::shared_ptr<const Catalog> catalog);
    std::shared_ptr<const Catalog> catalog() const;

    // The log line's form of a request target.
    static QByteArray printable(const QByteArray& raw);

private:
    // The library's callbacks, in the source file where its types are known.
    struct Callbacks;
    friend struct Callbacks;

    struct Connection;

    DirectoryResponse respond(MHD_Connection* connection, const char* method, const QByteArray& target) const;
    void acceptLoop();
    void acceptOne();
    // Why a new connection from the address cannot be taken, or empty when it is counted in.
    QByteArray admit(const QByteArray& address);
    void release(const QByteArray& address);
    bool isLate(Connection* connection);
    void opened(Connection* connection);
    void closed(Connection* connection);
    // The head of the connection's request is in, or its answer is out and the next head is due.
    void headDone(Connection* connection);
    void headDue(Connection* connection);
    void closeLateHeads();

    ServerLimits m_limits;
    Logger m_logger;
    MHD_Daemon* m_daemon = nullptr;
    int m_listenFd = -1;
    int m_wakeFd = -1;
    std::thread m_acceptor;
    std::mutex m_connectionsLock;
    std::set<Connection*> m_connections;
    std::map<QByteArray, int> m_perAddress;
    int m_open = 0;
    mutable std::mutex m_catalogLock;
    std::shared_ptr<const Catalog> m_catalog;
};
