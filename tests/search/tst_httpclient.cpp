#include "TestServer.h"

#include "search/HttpClient.h"
#include "search/HttpProxy.h"
#include "search/PageDecoder.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using namespace Qt::StringLiterals;

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
} // namespace

class TestHttpClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void document_data();
    void document();
    void refusedConnection();
    void proxy();
    void conflictingLengthsFail();
    void largePageComesInSlices();

private:
    TestServer m_server;
};

void TestHttpClient::init()
{
    if (!m_server.port())
        QVERIFY(m_server.start());
}

void TestHttpClient::document_data()
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
    QTest::newRow("no charset, UTF-8 then not")
        << 200 << QByteArray("text/html") << QByteArray("\xC3\xA9t\xC3\xA9 \xE9t\xE9 \xC3\xA9") << 5
        << u"\u00e9t\u00e9 \u00e9t\u00e9 \u00c3\u00a9"_s;
}

void TestHttpClient::document()
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

void TestHttpClient::refusedConnection()
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

void TestHttpClient::proxy()
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
    QVERIFY2(
        proxy.heads().at(0).startsWith("GET http://directory.example/search.asp?V=3&T1=jazz HTTP/1.1\r\n"),
        proxy.heads().at(0).constData());

    // Switched off again: the request goes straight to the server.
    through.host.clear();
    fetch.events.clear();
    m_server.setReply(ScriptedReply::page("direct"));
    QVERIFY(fetch.get(m_server.url(u"/direct"_s)));
    QCOMPARE(fetch.text(), u"direct"_s);
    QCOMPARE(proxy.heads().size(), 1);
}

void TestHttpClient::conflictingLengthsFail()
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

void TestHttpClient::largePageComesInSlices()
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

QTEST_GUILESS_MAIN(TestHttpClient)
#include "tst_httpclient.moc"
