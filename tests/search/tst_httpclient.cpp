#include "TestServer.h"

#include "search/HttpClient.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QList<int> states(const QSignalSpy& spy)
{
    QList<int> result;
    for (const QList<QVariant>& event : spy)
        result.append(event.at(0).toInt());
    return result;
}

QString text(const QSignalSpy& spy)
{
    QString result;
    for (const QList<QVariant>& event : spy)
        result += event.at(1).toString();
    return result;
}

ScriptedReply rawReply(const QByteArray& contentType, const QList<QByteArray>& bodyChunks, int delayMs)
{
    qsizetype length = 0;
    for (const QByteArray& chunk : bodyChunks)
        length += chunk.size();
    ScriptedReply reply;
    reply.delayMs = delayMs;
    reply.chunks.append("HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\nContent-Length: " +
                        QByteArray::number(length) + "\r\nConnection: close\r\n\r\n");
    reply.chunks.append(bodyChunks);
    return reply;
}
} // namespace

class TestHttpClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void eventOrder();
    void errorStatusIsStillADocument();
    void refusedConnection();
    void cancel();
    void proxy();
    void characterSplitAcrossBlocks();
    void charsetFromContentType();

private:
    void finished(const QSignalSpy& events, const QSignalSpy& errors);

    TestServer m_server;
};

void TestHttpClient::init()
{
    if (!m_server.port())
        QVERIFY(m_server.start());
}

void TestHttpClient::finished(const QSignalSpy& events, const QSignalSpy& errors)
{
    QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty() || states(events).contains(HttpClient::End), 10000);
}

void TestHttpClient::eventOrder()
{
    const QByteArray body = "<HTML>first block|second block|third block</HTML>";
    m_server.setReply(ScriptedReply::page(body, 200, "text/html; charset=utf-8", 17, 60));
    HttpClient client;
    QSignalSpy events(&client, &HttpClient::DocumentEvent);
    QSignalSpy errors(&client, &HttpClient::ErrorEvent);
    QCOMPARE(client.ConnectionStateText(), u"Disconnected"_s);
    QCOMPARE(client.ProtocolStateText(), u"Base"_s);
    client.RequestDocument(m_server.url(u"/search.asp?V=3"_s));
    QVERIFY(client.IsBusy());
    finished(events, errors);
    const QList<int> order = states(events);
    QVERIFY(order.size() >= 5);
    QCOMPARE(order.mid(0, 2), QList<int>({HttpClient::Begin, HttpClient::Headers}));
    QCOMPARE(order.last(), int{HttpClient::End});
    QCOMPARE(order.mid(2, order.size() - 3), QList<int>(order.size() - 3, HttpClient::Data));
    QVERIFY(order.count(HttpClient::Data) >= 2); // the delayed blocks arrive one by one
    QCOMPARE(text(events), QString::fromLatin1(body));
    QVERIFY(errors.isEmpty());
    QVERIFY(!client.IsBusy());
    QCOMPARE(client.ConnectionStateText(), u"Disconnected"_s);
    QCOMPARE(m_server.targets().last(), QByteArray("/search.asp?V=3"));
}

void TestHttpClient::errorStatusIsStillADocument()
{
    m_server.setReply(ScriptedReply::page("<H1>404 Object Not Found</H1>", 404));
    HttpClient client;
    QSignalSpy events(&client, &HttpClient::DocumentEvent);
    QSignalSpy errors(&client, &HttpClient::ErrorEvent);
    client.RequestDocument(m_server.url(u"/missing"_s));
    finished(events, errors);
    QCOMPARE(states(events).first(), int{HttpClient::Begin});
    QCOMPARE(states(events).last(), int{HttpClient::End});
    QCOMPARE(text(events), u"<H1>404 Object Not Found</H1>"_s);
    QVERIFY(errors.isEmpty());
}

void TestHttpClient::refusedConnection()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    HttpClient client;
    QSignalSpy events(&client, &HttpClient::DocumentEvent);
    QSignalSpy errors(&client, &HttpClient::ErrorEvent);
    client.RequestDocument(u"http://127.0.0.1:"_s + QString::number(port) + u"/search.asp"_s);
    QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 10000);
    QVERIFY(errors.at(0).at(0).toInt() != 0);
    QVERIFY(!states(events).contains(HttpClient::End));
    QVERIFY(!client.IsBusy());
}

void TestHttpClient::cancel()
{
    m_server.setReply(ScriptedReply::silence());
    HttpClient client;
    QSignalSpy events(&client, &HttpClient::DocumentEvent);
    QSignalSpy errors(&client, &HttpClient::ErrorEvent);
    client.CancelRequest(); // harmless when idle
    client.RequestDocument(m_server.url(u"/slow"_s));
    QTRY_VERIFY(!m_server.targets().isEmpty() && m_server.targets().last() == "/slow");
    client.CancelRequest();
    QVERIFY(!client.IsBusy());
    QCOMPARE(client.ConnectionStateText(), u"Disconnected"_s);
    QCOMPARE(client.ProtocolStateText(), u"Base"_s);
    const qsizetype seen = events.size();
    QTest::qWait(100);
    QCOMPARE(events.size(), seen);
    QVERIFY(errors.isEmpty());
}

void TestHttpClient::proxy()
{
    TestServer proxy;
    QVERIFY(proxy.start());
    proxy.setReply(ScriptedReply::page("through the proxy"));
    HttpClient client;
    client.ProxySettings() = {true, u"127.0.0.1"_s, proxy.port()};
    QSignalSpy events(&client, &HttpClient::DocumentEvent);
    QSignalSpy errors(&client, &HttpClient::ErrorEvent);
    client.RequestDocument(u"http://directory.example/search.asp?V=3&T1=jazz"_s);
    finished(events, errors);
    QVERIFY(errors.isEmpty());
    QCOMPARE(text(events), u"through the proxy"_s);
    QCOMPARE(proxy.heads().size(), 1);
    QVERIFY2(
        proxy.heads().at(0).startsWith("GET http://directory.example/search.asp?V=3&T1=jazz HTTP/1.1\r\n"),
        proxy.heads().at(0).constData());

    // Switched off again: the request goes straight to the server.
    client.ProxySettings().ProxyOn = false;
    events.clear();
    m_server.setReply(ScriptedReply::page("direct"));
    client.RequestDocument(m_server.url(u"/direct"_s));
    finished(events, errors);
    QCOMPARE(text(events), u"direct"_s);
    QCOMPARE(proxy.heads().size(), 1);
}

void TestHttpClient::characterSplitAcrossBlocks()
{
    // "é" is C3 A9 in UTF-8; the blocks split it in two.
    m_server.setReply(rawReply("text/html; charset=utf-8", {"caf\xC3", "\xA9 au lait"}, 80));
    HttpClient client;
    QSignalSpy events(&client, &HttpClient::DocumentEvent);
    QSignalSpy errors(&client, &HttpClient::ErrorEvent);
    client.RequestDocument(m_server.url(u"/utf8"_s));
    finished(events, errors);
    QVERIFY(states(events).count(HttpClient::Data) >= 2);
    QCOMPARE(text(events), QStringLiteral("caf\u00e9 au lait"));
}

void TestHttpClient::charsetFromContentType()
{
    m_server.setReply(rawReply("text/html; charset=ISO-8859-1", {"caf\xE9 M\xFCnchen"}, 0));
    HttpClient client;
    QSignalSpy events(&client, &HttpClient::DocumentEvent);
    QSignalSpy errors(&client, &HttpClient::ErrorEvent);
    client.RequestDocument(m_server.url(u"/latin1"_s));
    finished(events, errors);
    QCOMPARE(text(events), QStringLiteral("caf\u00e9 M\u00fcnchen"));
}

QTEST_GUILESS_MAIN(TestHttpClient)
#include "tst_httpclient.moc"
