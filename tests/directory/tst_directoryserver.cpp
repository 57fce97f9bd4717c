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

} // namespace

// Runs the service's own executable on a free port and talks to it over real connections.
class TestDirectoryServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void rawRequests_data();
    void rawRequests();
    void clientUrlRoundTrip();
    void badStartsEndTheProgram();
    void defaultOptions();
    void catalogIsFoundBesideTheProgram();

private:
    RawResponse exchange(const QByteArray& method, const QByteArray& target);
    QByteArray expectedBody(const QByteArray& method, const QByteArray& target) const
    {
        return DirectoryService(m_catalog).respond({method, target, hostPort(), QByteArray()}).body;
    }
    QByteArray hostPort() const { return "127.0.0.1:" + QByteArray::number(m_port); }

    QProcess m_process;
    QByteArray m_log;
    qsizetype m_logRead = 0;
    QTcpSocket m_socket;
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
    m_socket.connectToHost(QHostAddress::LocalHost, m_port);
}

void TestDirectoryServer::cleanupTestCase()
{
    m_process.kill();
    m_process.waitForFinished();
}

// One request on the test's connection; the answer is complete once its head and the
// Content-Length bytes of body are in.
RawResponse TestDirectoryServer::exchange(const QByteArray& method, const QByteArray& target)
{
    m_socket.write(method + ' ' + target + " HTTP/1.1\r\nHost: " + hostPort() + "\r\n\r\n");
    const QRegularExpression contentLength(QStringLiteral("(?i)\r\ncontent-length: *(\\d+)"));
    QByteArray data;
    RawResponse response;
    const bool complete = QTest::qWaitFor(
        [&] {
            data += m_socket.readAll();
            const qsizetype headEnd = data.indexOf("\r\n\r\n");
            if (headEnd < 0)
                return false;
            response.head = data.left(headEnd);
            response.status = response.head.mid(9, 3).toInt();
            // A HEAD answer announces the body's length but carries none.
            const auto size =
                method == "HEAD"
                    ? 0
                    : contentLength.match(QString::fromLatin1(response.head)).captured(1).toLongLong();
            response.body = data.mid(headEnd + 4, size);
            return data.size() >= headEnd + 4 + size;
        },
        10000);
    return complete ? response : RawResponse{};
}

// Targets go out byte for byte, all on one connection; the answer must be what the service makes
// of exactly those bytes, and the log must show them unchanged and in order.
void TestDirectoryServer::rawRequests_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<int>("status");
    const auto row = [](const char* name, const char* method, const char* target, int status) {
        QTest::newRow(name) << QByteArray(method) << QByteArray(target) << status;
    };
    row("lookup", "GET", "/redirect.asp?P=`first`", 200);
    row("genre search", "GET",
        "/search.asp?V=3&P=L&T1=^ska^,^ska$,ska-,ska/,skamusic,`ska&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1&LIVE=1"
        "&FMT=2&SPD=0",
        200);
    row("escaped keywords", "GET", "/search.asp?V=3&P=L&T1=caf%C3%A9,r%26b,it's&F=1&MA=1&LIVE=1", 200);
    row("scanner", "GET", "/search.asp?V=3&P=L&STYLE=Talk/News&T1=N&GS=1&UNK=1&LS=0&SPD=0", 200);
    row("malformed escape", "GET", "/search.asp?T1=a%G1&F=1", 400);
    row("unknown path", "GET", "/scripts/default.asp", 404);
    row("unknown method", "FOO", "/search.asp?T1=a", 400);
    row("head", "HEAD", "/search.asp?V=3&P=L&T1=jazz&F=1&MA=1&LIVE=1", 200);
}

void TestDirectoryServer::rawRequests()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, target);
    QFETCH(int, status);
    const RawResponse response = exchange(method, target);
    QCOMPARE(response.status, status);
    QVERIFY(response.head.contains("\r\nContent-Type: text/html; charset=utf-8"));
    const QByteArray body = expectedBody(method, target);
    QCOMPARE(response.body, method == "HEAD" ? QByteArray() : body);
    QVERIFY(response.head.contains("\r\nContent-Length: " + QByteArray::number(body.size())));
    const QByteArray line = method + ' ' + target + ' ' + QByteArray::number(status) + '\n';
    QTRY_VERIFY2(m_log.indexOf(line, m_logRead) >= 0, m_log.constData());
    m_logRead = m_log.indexOf(line, m_logRead) + line.size();
}

// The way the program itself asks: a URL text handed to the network access manager.
void TestDirectoryServer::clientUrlRoundTrip()
{
    const QByteArray target =
        "/search.asp?V=3&P=L&T1=techno^,techno$,techno-,techno/,technomusic&F=1&RA=1&MA=1"
        "&RV=1&NA=1&NV=1&SW=1&LIVE=1&FMT=2&SPD=300";
    QNetworkAccessManager manager;
    const QUrl url(QString::fromLatin1("http://" + hostPort() + target));
    std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(url)));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    QVERIFY(finished.wait(10000));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    QCOMPARE(reply->header(QNetworkRequest::ContentTypeHeader).toString(),
             QStringLiteral("text/html; charset=utf-8"));
    const QByteArray body = reply->readAll();
    QCOMPARE(body, expectedBody("GET", target));
    QVERIFY(body.count("<A HREF=") >= 5);
}

void TestDirectoryServer::badStartsEndTheProgram()
{
    const QList<std::pair<QString, QByteArray>> starts{
        {QStringLiteral("--port 0 --catalog /nonexistent/c.tsv"), "cannot read"},
        {QStringLiteral("--port %1").arg(m_port), "cannot listen"},
        {QStringLiteral("--port 65536"), "port"},
        {QStringLiteral("--listen localhost:80"), "address"},
        {QStringLiteral("--verbose"), "verbose"}};
    for (const auto& [arguments, message] : starts) {
        QProcess process;
        process.start(kProgram, arguments.split(QLatin1Char(' ')));
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardOutput().isEmpty());
        QVERIFY2(process.readAllStandardError().contains(message), message.constData());
    }
}

void TestDirectoryServer::defaultOptions()
{
    QString error;
    const auto defaults = DirectoryLauncher::parseOptions({kProgram}, error);
    QVERIFY(defaults);
    QCOMPARE(defaults->address.toString(), QStringLiteral("127.0.0.1"));
    QCOMPARE(defaults->port, 8642);
}

// Beside the program wins over ../share, which is named even when missing; the program of the
// build tree finds the bundled catalog there.
void TestDirectoryServer::catalogIsFoundBesideTheProgram()
{
    QFile bundled(DirectoryLauncher::defaultCatalogPath(QFileInfo(kProgram).path()));
    QVERIFY(bundled.open(QIODevice::ReadOnly));
    QFile source(QStringLiteral(SKYLARK_CATALOG));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(bundled.readAll(), source.readAll());
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    QCOMPARE(DirectoryLauncher::defaultCatalogPath(bin),
             QDir::cleanPath(dir.filePath(QStringLiteral("share/skylark-directory/catalog.tsv"))));
    for (const char* path : {"share/skylark-directory/catalog.tsv", "bin/catalog.tsv"}) {
        const QFileInfo file(dir.filePath(QLatin1String(path)));
        QVERIFY(QDir().mkpath(file.path()) && QFile(file.filePath()).open(QIODevice::WriteOnly));
        QCOMPARE(DirectoryLauncher::defaultCatalogPath(bin), file.absoluteFilePath());
    }
}

QTEST_GUILESS_MAIN(TestDirectoryServer)
#include "tst_directoryserver.moc"
