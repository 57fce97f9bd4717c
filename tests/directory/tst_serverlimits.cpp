#include "DirectoryProcess.h"

#include <QFile>
#include <QTimer>

namespace {

constexpr int kMaxConnections = 8;

// The service started with these options and the bundled catalog, on a free port.
bool startWith(DirectoryProcess& service, const QString& options)
{
    return service.start(QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                     QStringLiteral("--catalog"), QStringLiteral(SKYLARK_CATALOG)} +
                         options.split(u' '));
}

std::unique_ptr<QTcpSocket> connectTo(const DirectoryProcess& service)
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, service.port());
    return socket->waitForConnected(10000) ? std::move(socket) : nullptr;
}

qsizetype connected(const std::vector<std::unique_ptr<QTcpSocket>>& sockets)
{
    return std::count_if(sockets.begin(), sockets.end(),
                         [](const auto& s) { return s->state() == QAbstractSocket::ConnectedState; });
}

qint64 residentKilobytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = status.readAll();
    const qsizetype at = text.indexOf("VmRSS:");
    return text.mid(at + 6, text.indexOf('\n', at) - at - 6).trimmed().split(' ').value(0).toLongLong();
}

} // namespace

// The server's limits, each driven to its edge against the running program (idle time-out 1 s).
class TestServerLimits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void endlessHeadIsRefused_data();
    void endlessHeadIsRefused();
    void idleHalfSentRequestsAreDropped();
    void ambiguousHeadsAreRefused_data();
    void ambiguousHeadsAreRefused();
    void slowClientsHoldNoOneElse();

private:
    DirectoryProcess m_service;
};

void TestServerLimits::initTestCase()
{
    QVERIFY(
        startWith(m_service, QStringLiteral("--idle-timeout 1 --max-connections %1").arg(kMaxConnections)));
}

void TestServerLimits::endlessHeadIsRefused_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("filler");
    QTest::newRow("header") << QByteArray("GET /skylark.htm HTTP/1.1\r\nHost: h\r\nX-Long: ")
                            << QByteArray("a");
    QTest::newRow("many headers") << QByteArray("GET /skylark.htm HTTP/1.1\r\nHost: h\r\n")
                                  << QByteArray("X: y\r\n");
    QTest::newRow("request line") << QByteArray("GET /") << QByteArray("b");
}

// Up to 16 MB go out; the server refuses early and holds no more than a few megabytes for it.
void TestServerLimits::endlessHeadIsRefused()
{
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, filler);
    const qint64 before = residentKilobytes(m_service.process().processId());
    const auto socket = connectTo(m_service);
    QVERIFY(socket);
    socket->write(start);
    const QByteArray block = filler.repeated(64 * 1024 / filler.size());
    QByteArray answer;
    int sent = 0;
    for (; sent < 256 && socket->state() == QAbstractSocket::ConnectedState; ++sent) {
        socket->write(block);
        socket->waitForBytesWritten(1000);
        answer += socket->read(1 << 20);
    }
    QVERIFY(sent < 256);
    // The refusal may be lost when the server resets a connection still sending to it.
    QVERIFY2(answer.isEmpty() || answer.startsWith("HTTP/1.1 4"), answer.left(100).constData());
    QVERIFY(residentKilobytes(m_service.process().processId()) - before < 4096);
}

// Half-sent requests past the limit are answered 503 at once, the rest closed when idle.
void TestServerLimits::idleHalfSentRequestsAreDropped()
{
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int i = 0; i < 3 * kMaxConnections; ++i) {
        sockets.push_back(connectTo(m_service));
        QVERIFY(sockets.back());
        sockets.back()->write("GET /skylark.htm HTTP/1.1\r\nHost: h\r\n");
    }
    QTRY_VERIFY(connected(sockets) <= kMaxConnections);
    QTRY_COMPARE_WITH_TIMEOUT(connected(sockets), 0, 10000);
    const auto busy = std::count_if(sockets.begin(), sockets.end(),
                                    [](const auto& s) { return s->readAll().startsWith("HTTP/1.1 503 "); });
    QVERIFY(busy >= 2 * kMaxConnections);
    QVERIFY(m_service.log().contains("- /skylark.htm - timed out"));
    QVERIFY(!m_service.get("GET /skylark.htm HTTP/1.1\r\nHost: h\r\n\r\n").isEmpty());
}

void TestServerLimits::ambiguousHeadsAreRefused_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::newRow("two hosts") << QByteArray("Host: other\r\n");
    QTest::newRow("bare return") << QByteArray("X-A: a\rb\r\n");
    QTest::newRow("length and chunked") << QByteArray("Content-Length: 5\r\nTransfer-Encoding: chunked\r\n");
    QTest::newRow("two lengths") << QByteArray("Content-Length: 5\r\nContent-Length: 0\r\n");
    QTest::newRow("gzip then chunked") << QByteArray("Transfer-Encoding: gzip, chunked\r\n");
}

// A second request hidden in the body is never answered, however the head or body is framed.
void TestServerLimits::ambiguousHeadsAreRefused()
{
    QFETCH(QByteArray, head);
    const auto socket = connectTo(m_service);
    QVERIFY(socket);
    const QByteArray hidden = "GET /hidden.htm HTTP/1.1\r\nHost: h\r\n\r\n";
    const auto answers = DirectoryProcess::exchange(*socket, "GET /skylark.htm HTTP/1.1\r\nHost: h\r\n" +
                                                                 head + "\r\n0\r\n\r\n" + hidden);
    QCOMPARE(answers.size(), 1);
    QVERIFY2(answers[0].first.startsWith("HTTP/1.1 400"), answers[0].first.constData());
    QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(!m_service.log().contains("/hidden.htm"));
}

// A flood of clients from one address, each dripping header lines faster than the idle time-out:
// those over the address's limit are answered 503 at once, the rest are closed when their head
// is not in by its deadline, and a client from another address is served all the while.
void TestServerLimits::slowClientsHoldNoOneElse()
{
    constexpr int kFlood = 300;
    constexpr int kPerAddress = 16;
    DirectoryProcess service;
    QVERIFY(startWith(service, QStringLiteral("--head-timeout 1 --max-per-address %1").arg(kPerAddress)));
    std::vector<std::unique_ptr<QTcpSocket>> flood;
    std::vector<QByteArray> received(kFlood);
    for (int i = 0; i < kFlood; ++i) {
        flood.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket* socket = flood.back().get();
        connect(socket, &QTcpSocket::readyRead, this,
                [socket, &received, i] { received[i] += socket->readAll(); });
        QVERIFY(socket->bind(QHostAddress(QStringLiteral("127.0.0.2"))));
        socket->connectToHost(QHostAddress::LocalHost, service.port());
        socket->write("GET /skylark.htm HTTP/1.1\r\nHost: h\r\n");
    }
    QTimer drip;
    connect(&drip, &QTimer::timeout, this, [&flood] {
        for (const auto& socket : flood) {
            if (socket->state() == QAbstractSocket::ConnectedState)
                socket->write("X-Drip: y\r\n");
        }
    });
    drip.start(100);
    const auto busy = [&] {
        return std::count_if(received.begin(), received.end(),
                             [](const QByteArray& data) { return data.startsWith("HTTP/1.1 503 "); });
    };
    QTRY_COMPARE_WITH_TIMEOUT(busy(), kFlood - kPerAddress, 20000);
    QVERIFY(service.get("GET /skylark.htm HTTP/1.1\r\nHost: h\r\n\r\n").contains("<HTML>"));
    QTRY_COMPARE_WITH_TIMEOUT(connected(flood), 0, 20000);
    QCOMPARE(busy(), kFlood - kPerAddress);
    QCOMPARE(service.log().count("- /skylark.htm - timed out"), kPerAddress);
}

QTEST_GUILESS_MAIN(TestServerLimits)
#include "tst_serverlimits.moc"
