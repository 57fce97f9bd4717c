#include "directory/DirectoryLauncher.h"

#include "DirectoryProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Runs the service's own executable on a free port and talks to it over one real connection.
class TestDirectoryServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void rawRequests_data();
    void rawRequests();
    void badStartsEndTheProgram();
    void catalogIsFoundBesideTheProgram();

private:
    DirectoryProcess m_directory;
    QTcpSocket m_socket;
    qsizetype m_logRead = 0;
};

void TestDirectoryServer::initTestCase()
{
    QVERIFY(m_directory.start({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--catalog"),
                               QStringLiteral(SKYLARK_CATALOG)}));
    m_socket.connectToHost(QHostAddress::LocalHost, m_directory.port());
    QVERIFY(m_socket.waitForConnected(10000));
}

// Targets go out byte for byte, all on one connection; the log must show them unchanged and in
// order.
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
}

void TestDirectoryServer::rawRequests()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, target);
    QFETCH(int, status);
    const QByteArray host = "Host: 127.0.0.1:" + QByteArray::number(m_directory.port()) + "\r\n";
    const auto answers =
        DirectoryProcess::exchange(m_socket, method + ' ' + target + " HTTP/1.1\r\n" + host + "\r\n");
    QVERIFY(!answers.isEmpty());
    const auto& [head, body] = answers.first();
    QVERIFY2(head.startsWith("HTTP/1.1 " + QByteArray::number(status)), head.constData());
    QVERIFY(head.contains("\r\nContent-Type: text/html; charset=utf-8"));
    QVERIFY(body.startsWith(target.contains("GS=1") ? "1@@@@" : target.contains("redirect") ? "127" : "<"));
    const QByteArray line = method + ' ' + target + ' ' + QByteArray::number(status) + '\n';
    QVERIFY2(m_directory.waitForLog(line), m_directory.log().constData());
    QVERIFY(m_directory.log().indexOf(line, m_logRead) >= 0);
    m_logRead = m_directory.log().indexOf(line, m_logRead) + line.size();
}

void TestDirectoryServer::badStartsEndTheProgram()
{
    const QList<std::pair<QString, QByteArray>> starts{
        {QStringLiteral("--port 0 --catalog /nonexistent/c.tsv"), "cannot read"},
        {QStringLiteral("--port %1").arg(m_directory.port()), "cannot listen"},
        {QStringLiteral("--port 65536"), "port"},
        {QStringLiteral("--listen localhost:80"), "address"},
        {QStringLiteral("--verbose"), "verbose"}};
    for (const auto& [arguments, message] : starts) {
        QProcess process;
        process.start(DirectoryProcess::program(), arguments.split(QLatin1Char(' ')));
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardOutput().isEmpty());
        QVERIFY2(process.readAllStandardError().contains(message), message.constData());
    }
}

// Beside the program wins over ../share, which is named even when missing; the program of the
// build tree finds the bundled catalog there.
void TestDirectoryServer::catalogIsFoundBesideTheProgram()
{
    QFile bundled(DirectoryLauncher::defaultCatalogPath(QFileInfo(DirectoryProcess::program()).path()));
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
