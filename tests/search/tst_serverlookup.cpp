#include "core/Tick.h"
#include "search/HttpClient.h"
#include "search/ServerLookup.h"

#include "TestServer.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

class TestServerLookup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookupAgainstServer_data();
    void lookupAgainstServer();
};

void TestServerLookup::lookupAgainstServer_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<int>("status");       // 0: nothing listens on the port
    QTest::addColumn<QString>("expected"); // "@" stands for the server's own host:port
    QTest::newRow("host answer in pieces")
        << QByteArray("dir.example.com:81<HTML>ok</HTML>") << 3 << 200 << "dir.example.com:81";
    QTest::newRow("empty answer") << QByteArray() << 0 << 200 << "@";
    QTest::newRow("markup answer") << QByteArray("<HTML>down</HTML>") << 0 << 200 << "";
    // An error page's text is no host name.
    QTest::newRow("server error") << QByteArray("oops.example.com") << 0 << 500 << "@";
    QTest::newRow("connection refused") << QByteArray() << 0 << 0 << "@";
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
    QString host = server.hostPort();
    if (status == 0) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        host = QStringLiteral("127.0.0.1:") + QString::number(closed.serverPort());
    }
    Tick tick;
    HttpClient client;
    ServerLookup lookup(client, tick);
    QSignalSpy done(&lookup, &ServerLookup::finished);
    lookup.start(host);
    QVERIFY(done.wait(5000));
    if (status != 0)
        QCOMPARE(server.targets(), QList<QByteArray>{"/redirect.asp?P=Q"});
    QCOMPARE(done.at(0).at(0).toString(), expected == QStringLiteral("@") ? host : expected);
}

QTEST_GUILESS_MAIN(TestServerLookup)
#include "tst_serverlookup.moc"
