#include "directory/DirectoryLauncher.h"
#include "directory/DirectoryService.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kProgram = QStringLiteral(SKYLARK_BIN_DIR "/skylark-directory");

struct RawResponse
{
    int status = 0;
    QByteArray head;
    QByteArray body;
};

// Complete once the head and Content-Length bytes of body are in.
std::optional<RawResponse> readResponse(const QByteArray& data)
{
    const qsizetype headEnd = data.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return std::nullopt;
    RawResponse response;
    response.head = data.left(headEnd);
    const auto length = QRegularExpression(QStringLiteral("(?i)\r\ncontent-length: *(\\d+)"))
                            .match(QString::fromLatin1(response.head));
    const qsizetype size = length.hasMatch() ? length.captured(1).toLongLong() : 0;
    if (data.size() < headEnd + 4 + size)
        return std::nullopt;
    response.status = response.head.mid(9, 3).toInt();
    response.body = data.mid(headEnd + 4, size);
    return response;
}

} // namespace

class TestDirectoryServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void rawRequests_data();
    void rawRequests();
    void oneConnectionCarriesSeveralRequests();
    void clientUrlRoundTrip();
    void badStartsEndTheProgram_data();
    void badStartsEndTheProgram();
    void options_data();
    void options();
    void catalogIsFoundBesideTheProgram();

private:
    RawResponse exchange(QTcpSocket& socket, const QByteArray& method, const QByteArray& target);
    QByteArray hostPort() const { return "127.0.0.1:" + QByteArray::number(m_port); }

    QProcess m_process;
    QByteArray m_log;
    quint16 m_port = 0;
    Catalog m_catalog;
};

void TestDirectoryServer::initTestCase()
{
    QVERIFY(m_catalog.load(QStringLiteral(SKYLARK_CATALOG)));
    connect(&m_process, &QProcess::readyReadStandardError, this,
            [this] { m_log += m_process.readAllStandardError(); });
    m_process.start(kProgram, {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--catalog"),
                               QStringLiteral(SKYLARK_CATALOG)});
    QVERIFY(m_process.waitForStarted());
    QTRY_VERIFY(m_process.canReadLine());
    const QByteArray first = m_process.readLine().trimmed();
    QVERIFY2(first.startsWith("listening 127.0.0.1:"), first.constData());
    m_port = static_cast<quint16>(first.mid(first.lastIndexOf(':') + 1).toUInt());
    QVERIFY(m_port != 0);
}

void TestDirectoryServer::cleanupTestCase()
{
    m_process.kill();
    m_process.waitForFinished();
}

RawResponse TestDirectoryServer::exchange(QTcpSocket& socket, const QByteArray& method,
                                          const QByteArray& target)
{
    socket.write(method + ' ' + target + " HTTP/1.1\r\nHost: " + hostPort() + "\r\n\r\n");
    QByteArray data;
    std::optional<RawResponse> response;
    const bool complete = QTest::qWaitFor(
        [&] {
            data += socket.readAll();
            response = readResponse(data);
            return response.has_value();
        },
        10000);
    return complete ? *response : RawResponse{};
}

// Targets go out byte for byte; the answer must be what the service makes of exactly those
// bytes, and the log must show them unchanged.
void TestDirectoryServer::rawRequests_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<int>("status");
    QTest::newRow("genre search") << QByteArray("GET")
                                  << QByteArray(
                                         "/search.asp?V=3&P=L&T1=^ska^,^ska$,ska-,ska/,skamusic,`ska&F=1&RA=1"
                                         "&MA=1&RV=1&NA=1&NV=1&SW=1&LIVE=1&FMT=2&SPD=0")
                                  << 200;
    QTest::newRow("escaped keywords")
        << QByteArray("GET") << QByteArray("/search.asp?V=3&P=L&T1=caf%C3%A9,r%26b,it's&F=1&MA=1&LIVE=1")
        << 200;
    QTest::newRow("archive") << QByteArray("GET")
                             << QByteArray(
                                    "/search.asp?V=3&P=L&T1=jazz&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1&SPD=56")
                             << 200;
    QTest::newRow("scanner") << QByteArray("GET")
                             << QByteArray("/search.asp?V=3&P=L&STYLE=Talk/News&T1=N&GS=1&UNK=1&LS=0&SPD=0")
                             << 200;
    QTest::newRow("scanner past the end")
        << QByteArray("GET") << QByteArray("/search.asp?V=3&P=L&T1=R&GS=1&UNK=0&LS=100000&SPD=0") << 200;
    QTest::newRow("lookup") << QByteArray("GET") << QByteArray("/redirect.asp?P=Q") << 200;
    QTest::newRow("malformed escape") << QByteArray("GET") << QByteArray("/search.asp?T1=a%G1&F=1") << 400;
    QTest::newRow("escape cut short") << QByteArray("GET") << QByteArray("/search.asp?T1=100%&F=1") << 400;
    QTest::newRow("no T1") << QByteArray("GET") << QByteArray("/search.asp?V=3&P=L") << 400;
    QTest::newRow("unknown method") << QByteArray("FOO") << QByteArray("/search.asp?T1=a") << 400;
    QTest::newRow("POST") << QByteArray("POST") << QByteArray("/search.asp?T1=a") << 400;
    QTest::newRow("unknown path") << QByteArray("GET") << QByteArray("/scripts/default.asp") << 404;
    QTest::newRow("product page") << QByteArray("GET") << QByteArray("/skylark.htm") << 200;
}

void TestDirectoryServer::rawRequests()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, target);
    QFETCH(int, status);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_port);
    const RawResponse response = exchange(socket, method, target);
    QCOMPARE(response.status, status);
    QVERIFY(response.head.contains("\r\nContent-Type: text/html; charset=utf-8"));
    const DirectoryResponse expected =
        DirectoryService(m_catalog).respond({method, target, hostPort(), QByteArray()});
    QCOMPARE(response.body, expected.body);
    QTRY_VERIFY2(m_log.contains(method + ' ' + target + ' ' + QByteArray::number(status) + '\n'),
                 m_log.constData());
}

void TestDirectoryServer::oneConnectionCarriesSeveralRequests()
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_port);
    const RawResponse lookup = exchange(socket, "GET", "/redirect.asp?P=`first`");
    QVERIFY(lookup.body.startsWith(hostPort() + '<'));
    QCOMPARE(exchange(socket, "GET", "/search.asp?T1=^second^&F=1&MA=1&LIVE=1").status, 200);
    QCOMPARE(exchange(socket, "GET", "/search.asp?T1=%zz").status, 400);
    QTRY_VERIFY(m_log.contains("GET /search.asp?T1=%zz 400\n"));
    const qsizetype first = m_log.indexOf("GET /redirect.asp?P=`first` 200\n");
    const qsizetype second = m_log.indexOf("GET /search.asp?T1=^second^&F=1&MA=1&LIVE=1 200\n");
    QVERIFY(first >= 0 && second > first && m_log.indexOf("GET /search.asp?T1=%zz 400\n") > second);
}

// The way the program itself asks: a URL text handed to the network access manager.
void TestDirectoryServer::clientUrlRoundTrip()
{
    const QByteArray query =
        "V=3&P=L&T1=techno^,techno$,techno-,techno/,technomusic&F=1&RA=1&MA=1&RV=1&NA=1&NV=1"
        "&SW=1&LIVE=1&FMT=2&SPD=300";
    QNetworkAccessManager manager;
    const QString url = QStringLiteral("http://%1/search.asp?%2")
                            .arg(QString::fromLatin1(hostPort()), QString::fromLatin1(query));
    std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(QUrl(url))));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    QVERIFY(finished.wait(10000));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    QCOMPARE(reply->header(QNetworkRequest::ContentTypeHeader).toString(),
             QStringLiteral("text/html; charset=utf-8"));
    const QByteArray body = reply->readAll();
    const DirectoryResponse expected =
        DirectoryService(m_catalog).respond({"GET", "/search.asp?" + query, hostPort(), QByteArray()});
    QCOMPARE(body, expected.body);
    QVERIFY(body.count("<A HREF=") >= 5);
}

void TestDirectoryServer::badStartsEndTheProgram_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("missing catalog") << QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                                    QStringLiteral("--catalog"),
                                                    QStringLiteral("/nonexistent/c.tsv")}
                                     << QByteArray("cannot read");
    QTest::newRow("port out of range")
        << QStringList{QStringLiteral("--port"), QStringLiteral("70000")} << QByteArray("port");
    QTest::newRow("port taken") << QStringList{QStringLiteral("--port"), QString()}
                                << QByteArray("cannot listen");
}

void TestDirectoryServer::badStartsEndTheProgram()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    if (arguments.last().isEmpty())
        arguments.last() = QString::number(m_port);
    QProcess process;
    process.start(kProgram, arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QVERIFY(process.readAllStandardError().contains(message));
}

void TestDirectoryServer::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");
    QTest::newRow("defaults") << QStringList() << true << QStringLiteral("127.0.0.1") << 8642;
    QTest::newRow("free port") << QStringList{QStringLiteral("--port"), QStringLiteral("0")} << true
                               << QStringLiteral("127.0.0.1") << 0;
    QTest::newRow("IPv6") << QStringList{QStringLiteral("--listen"), QStringLiteral("::1"),
                                         QStringLiteral("--port"), QStringLiteral("9000")}
                          << true << QStringLiteral("::1") << 9000;
    QTest::newRow("not a port") << QStringList{QStringLiteral("--port"), QStringLiteral("http")} << false
                                << QString() << 0;
    QTest::newRow("not an address") << QStringList{QStringLiteral("--listen"), QStringLiteral("localhost:80")}
                                    << false << QString() << 0;
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--verbose")} << false << QString() << 0;
}

void TestDirectoryServer::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, ok);
    QFETCH(QString, address);
    QFETCH(int, port);
    QString error;
    const auto options = DirectoryLauncher::parseOptions(QStringList{kProgram} + arguments, error);
    QCOMPARE(options.has_value(), ok);
    QCOMPARE(error.isEmpty(), ok);
    if (!ok)
        return;
    QCOMPARE(options->address.toString(), address);
    QCOMPARE(options->port, port);
}

void TestDirectoryServer::catalogIsFoundBesideTheProgram()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("share/skylark-directory")));
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QCOMPARE(DirectoryLauncher::defaultCatalogPath(bin), QStringLiteral(SKYLARK_CATALOG));
    QFile shared(dir.filePath(QStringLiteral("share/skylark-directory/catalog.tsv")));
    QVERIFY(shared.open(QIODevice::WriteOnly));
    QCOMPARE(DirectoryLauncher::defaultCatalogPath(bin), QFileInfo(shared).absoluteFilePath());
    QFile beside(dir.filePath(QStringLiteral("bin/catalog.tsv")));
    QVERIFY(beside.open(QIODevice::WriteOnly));
    QCOMPARE(DirectoryLauncher::defaultCatalogPath(bin), QFileInfo(beside).absoluteFilePath());
}

QTEST_GUILESS_MAIN(TestDirectoryServer)
#include "tst_directoryserver.moc"
