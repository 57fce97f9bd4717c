#include "TestServer.h"

#include "core/Tick.h"
#include "search/DocumentWait.h"
#include "search/HttpClient.h"
#include "search/HttpProxy.h"
#include "search/PageDecoder.h"
#include "search/ServerLookup.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using namespace Qt::StringLiterals;
using Outcome = DocumentWait::Outcome;

namespace {
// A client with its events recorded.
struct Fetch
{
    HttpClient client;
    QSignalSpy events{&client, &HttpClient::documentEvent};
    QSignalSpy errors{&client, &HttpClient::errorEvent};

    QList<int> states() const
    {
        QList<int> result;
        for (const QList<QVariant>& event : events)
            result.append(event.at(0).toInt());
        return result;
    }
    QString text() const
    {
        QString result;
        for (const QList<QVariant>& event : events)
            result += event.at(1).toString();
        return result;
    }
    // Requests url and waits for the document's end or an error.
    bool get(const QString& url)
    {
        client.requestDocument(url);
        return QTest::qWaitFor([this] { return !errors.isEmpty() || states().contains(HttpClient::End); },
                               10000);
    }
};
constexpr int kSilence = 3;
constexpr int kDeadline = 5;
} // namespace

class TestHttpClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        if (!m_server.port())
            QVERIFY(m_server.start());
    }

    void document_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("blockSize"); // 0: one block
        QTest::addColumn<QString>("text");
        QTest::newRow("delayed blocks in order")
            << 200 << QByteArray("text/html; charset=utf-8")
            << QByteArray("<HTML>first block|second block|third block</HTML>") << 17
            << u"<HTML>first block|second block|third block</HTML>"_s;
        QTest::newRow("404 body delivered, then the end")
            << 404 << QByteArray("text/html") << QByteArray("<H1>404 Object Not Found</H1>") << 0
            << u"<H1>404 Object Not Found</H1>"_s;
        // "é" is C3 A9 in UTF-8; the first block ends between the two.
        QTest::newRow("character split across blocks")
            << 200 << QByteArray("text/html; charset=utf-8") << QByteArray("caf\xC3\xA9 au lait") << 4
            << u"caf\u00e9 au lait"_s;
        QTest::newRow("charset from Content-Type")
            << 200 << QByteArray("text/html; charset=ISO-8859-1") << QByteArray("caf\xE9 M\xFCnchen") << 0
            << u"caf\u00e9 M\u00fcnchen"_s;
        // Without a named charset: UTF-8 while the bytes are UTF-8, then Windows-1252 to the end.
        QTest::newRow("no charset, UTF-8")
            << 200 << QByteArray("text/html") << QByteArray("caf\xC3\xA9") << 0 << u"caf\u00e9"_s;
        QTest::newRow("no charset, Windows-1252")
            << 200 << QByteArray("text/html") << QByteArray("caf\xE9 M\xFCnchen \x80") << 3
            << u"caf\u00e9 M\u00fcnchen \u20ac"_s;
        QTest::newRow("no charset, after runs of ASCII")
            << 200 << QByteArray("text/html") << QByteArray("Station from caf\xC3\xA9 then M\xFCnchen") << 0
            << u"Station from caf\u00e9 then M\u00fcnchen"_s;
        QTest::newRow("no charset, UTF-8 then not")
            << 200 << QByteArray("text/html") << QByteArray("\xC3\xA9t\xC3\xA9 \xE9t\xE9 \xC3\xA9") << 5
            << u"\u00e9t\u00e9 \u00e9t\u00e9 \u00c3\u00a9"_s;
    }

    void document()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(int, blockSize);
        QFETCH(QString, text);
        m_server.setReply(ScriptedReply::page(body, status, contentType, blockSize, 60));
        Fetch fetch;
        QVERIFY(fetch.get(m_server.url(u"/search.asp?V=3"_s)));
        QCOMPARE(m_server.targets().last(), QByteArray("/search.asp?V=3"));
        const QList<int> order = fetch.states();
        QCOMPARE(order.mid(0, 2), QList<int>({HttpClient::Begin, HttpClient::Headers}));
        QCOMPARE(order.last(), int{HttpClient::End});
        QCOMPARE(order.mid(2, order.size() - 3), QList<int>(order.size() - 3, HttpClient::Data));
        QVERIFY(order.count(HttpClient::Data) >= (blockSize ? 2 : 1)); // delayed blocks arrive one by one
        QCOMPARE(fetch.text(), text);
        QVERIFY(fetch.errors.isEmpty());
        QVERIFY(!fetch.client.isBusy());
    }

    void refusedConnection()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        Fetch fetch;
        QVERIFY(fetch.get(u"http://127.0.0.1:"_s + QString::number(port) + u"/search.asp"_s));
        QCOMPARE(fetch.errors.size(), 1);
        QVERIFY(fetch.errors.at(0).at(0).toInt() != 0);
        QVERIFY(!fetch.states().contains(HttpClient::End));
        QVERIFY(!fetch.client.isBusy());
    }

    void proxy()
    {
        TestServer proxy;
        QVERIFY(proxy.start());
        proxy.setReply(ScriptedReply::page("through the proxy"));
        Fetch fetch;
        HttpProxy through{u"127.0.0.1"_s, proxy.port()};
        fetch.client.setProxySource([&through] { return through; });
        QVERIFY(fetch.get(u"http://directory.example/search.asp?V=3&T1=jazz"_s));
        QVERIFY(fetch.errors.isEmpty());
        QCOMPARE(fetch.text(), u"through the proxy"_s);
        QCOMPARE(proxy.heads().size(), 1);
        QVERIFY2(proxy.heads().at(0).startsWith(
                     "GET http://directory.example/search.asp?V=3&T1=jazz HTTP/1.1\r\n"),
                 proxy.heads().at(0).constData());

        // Switched off again: the request goes straight to the server.
        through.host.clear();
        fetch.events.clear();
        m_server.setReply(ScriptedReply::page("direct"));
        QVERIFY(fetch.get(m_server.url(u"/direct"_s)));
        QCOMPARE(fetch.text(), u"direct"_s);
        QCOMPARE(proxy.heads().size(), 1);
    }

    void conflictingLengthsFail()
    {
        m_server.setReply(
            ScriptedReply{{"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 5\r\n"
                           "Content-Length: 40\r\nConnection: close\r\n\r\nhello<A HREF=\"x\">smuggled</A>"},
                          0});
        Fetch fetch;
        QVERIFY(fetch.get(m_server.url(u"/search.asp"_s)));
        QCOMPARE(fetch.errors.size(), 1);
        QVERIFY(!fetch.states().contains(HttpClient::End));
        QVERIFY(!fetch.text().contains(u"smuggled"_s));
        QVERIFY(!fetch.client.isBusy());
    }

    void largePageComesInSlices()
    {
        const QByteArray body(3 * HttpClient::kReadBufferSize, 'a');
        m_server.setReply(ScriptedReply::page(body, 200, "text/html; charset=utf-8"));
        Fetch fetch;
        QVERIFY(fetch.get(m_server.url(u"/big"_s)));
        QCOMPARE(fetch.text().size(), body.size());
        qsizetype largest = 0;
        for (const QList<QVariant>& event : std::as_const(fetch.events))
            largest = std::max(largest, event.at(1).toString().size());
        QVERIFY(largest <= HttpClient::kSliceSize);
    }

    void waitEndsOnce_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<int>("ticks"); // that end the wait; 0: it ends by itself
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<qsizetype>("bodySize");
        QTest::addColumn<qsizetype>("cap");
        const qsizetype cap = DocumentWait::kDefaultCap;
        QTest::newRow("whole page in pieces")
            << u"page"_s << 0 << Outcome::Complete << qsizetype(5000) << cap;
        QTest::newRow("one over the cap")
            << u"page"_s << 0 << Outcome::TooLong << qsizetype(4999) << qsizetype(4999);
        QTest::newRow("never stops sending") << u"endless"_s << 0 << Outcome::TooLong << cap << cap;
        QTest::newRow("goes silent") << u"silent"_s << kSilence << Outcome::Silent << qsizetype(3) << cap;
        QTest::newRow("drips past the deadline")
            << u"drip"_s << kDeadline << Outcome::PastDeadline << qsizetype(-1) << cap;
    }

    void waitEndsOnce()
    {
        QFETCH(QString, server);
        QFETCH(int, ticks);
        QFETCH(Outcome, outcome);
        QFETCH(qsizetype, bodySize);
        QFETCH(qsizetype, cap);
        TestServer http;
        QVERIFY(http.start());
        const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: 9000\r\nConnection: close\r\n\r\n";
        if (server == u"page"_s)
            http.setReply(ScriptedReply::page(QByteArray(5000, 'p'), 200, "text/plain", 1000, 1));
        else if (server == u"endless"_s)
            http.setReply(ScriptedReply::endless(QByteArray(8192, 'e')));
        else if (server == u"silent"_s)
            http.setReply(ScriptedReply{{head + "abc", "rest"}, 600000});
        else
            http.setReply(ScriptedReply::page(QByteArray(9000, 'd'), 200, "text/plain", 1, 5));
        Tick tick;
        HttpClient client;
        QSignalSpy events(&client, &HttpClient::documentEvent);
        DocumentWait wait(client, tick, {.cap = cap, .silenceTicks = kSilence, .deadlineTicks = kDeadline});
        QSignalSpy finished(&wait, &DocumentWait::finished);
        wait.start(http.url(u"/doc"_s));
        if (ticks == 0) {
            QVERIFY(finished.wait(10000));
        } else {
            // Each tick follows a sign of life, except from the server gone silent.
            while (server == u"silent"_s && wait.result().body.isEmpty())
                QVERIFY(events.wait(5000));
            for (int i = 0; i < ticks; ++i) {
                if (server == u"drip"_s)
                    QVERIFY(events.wait(5000));
                QCOMPARE(finished.size(), 0);
                tick.tick();
            }
        }
        QCOMPARE(finished.size(), 1);
        QCOMPARE(wait.result().outcome, outcome);
        QCOMPARE(wait.result().status, 200);
        if (bodySize >= 0)
            QCOMPARE(wait.result().body.size(), bodySize);
        QVERIFY(!client.isBusy());
        QVERIFY(!wait.isRunning());
    }

    void lookupAgainstServer_data()
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

    void lookupAgainstServer()
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

private:
    TestServer m_server;
};

QTEST_GUILESS_MAIN(TestHttpClient)
#include "tst_httpclient.moc"
