#include "core/Tick.h"
#include "scanner/MarkerFiles.h"
#include "search/HttpClient.h"
#include "search/ServerLookup.h"

#include "TestServer.h"

#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

class TestServerLookup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookupAgainstServer_data();
    void lookupAgainstServer();
    void refusedConnectionGivesServiceHost();
    void drippingAnswerEndsAtDeadline();
    void terminateMarker();
};

void TestServerLookup::lookupAgainstServer_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected"); // "@" stands for the server's own host:port
    QTest::newRow("host answer in pieces")
        << QByteArray("dir.example.com:81<HTML>ok</HTML>") << 3 << 200 << "dir.example.com:81";
    QTest::newRow("empty answer") << QByteArray() << 0 << 200 << "@";
    QTest::newRow("markup answer") << QByteArray("<HTML>down</HTML>") << 0 << 200 << "";
    // An error page's text is no host name.
    QTest::newRow("not found") << QByteArray("Not Found") << 0 << 404 << "@";
    QTest::newRow("server error") << QByteArray("oops.example.com") << 0 << 500 << "@";
}

void TestServerLookup::lookupAgainstServer()
{
    QFETCH(QByteArray, body);
    QFETCH(int, chunk);
    QFETCH(int, status);
    QFETCH(QString, expected);
    TestServer server;
    QVERIFY(server.start());
    server.setReply(ScriptedReply::page(body, status, "text/html", chunk, 5));
    Tick tick;
    HttpClient client;
    ServerLookup lookup(client, tick);
    QSignalSpy done(&lookup, &ServerLookup::finished);
    lookup.start(server.hostPort());
    QVERIFY(done.wait(5000));
    QCOMPARE(server.targets(), QList<QByteArray>{"/redirect.asp?P=Q"});
    if (expected == QStringLiteral("@"))
        expected = server.hostPort();
    QCOMPARE(done.at(0).at(0).toString(), expected);
}

void TestServerLookup::refusedConnectionGivesServiceHost()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const QString host = QStringLiteral("127.0.0.1:") + QString::number(probe.serverPort());
    probe.close();
    Tick tick;
    HttpClient client;
    ServerLookup lookup(client, tick);
    QSignalSpy done(&lookup, &ServerLookup::finished);
    lookup.start(host);
    QVERIFY(done.wait(5000));
    QCOMPARE(done.at(0).at(0).toString(), host);
}

// However lively the server, the lookup ends at its deadline with the service host.
void TestServerLookup::drippingAnswerEndsAtDeadline()
{
    TestServer server;
    QVERIFY(server.start());
    server.setReply(ScriptedReply::page(QByteArray(1000, 'h'), 200, "text/html", 1, 5));
    Tick tick;
    HttpClient client;
    QSignalSpy events(&client, &HttpClient::documentEvent);
    ServerLookup lookup(client, tick);
    QSignalSpy done(&lookup, &ServerLookup::finished);
    lookup.start(server.hostPort());
    for (int i = 0; i < ServerLookup::kDeadlineTicks; ++i) {
        QVERIFY(events.wait(5000));
        QCOMPARE(done.size(), 0);
        tick.tick();
    }
    QCOMPARE(done.size(), 1);
    QCOMPARE(done.at(0).at(0).toString(), server.hostPort());
    QVERIFY(!client.isBusy());
}

void TestServerLookup::terminateMarker()
{
    QTemporaryDir dir;
    QVERIFY(!MarkerFiles::exists(dir.path(), MarkerFiles::kTerminate));
    QVERIFY(MarkerFiles::writeTerminate(dir.path()));
    QFile file(MarkerFiles::path(dir.path(), MarkerFiles::kTerminate));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("TERMINATE\r\n"));
    QVERIFY(!MarkerFiles::writeTerminate(dir.filePath(QStringLiteral("missing-folder"))));
}

QTEST_GUILESS_MAIN(TestServerLookup)
#include "tst_serverlookup.moc"
