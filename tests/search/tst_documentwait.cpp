#include "TestServer.h"

#include "core/Tick.h"
#include "search/DocumentWait.h"
#include "search/HttpClient.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Outcome = DocumentWait::Outcome;

namespace {
constexpr int kSilence = 3;
constexpr int kDeadline = 5;
} // namespace

class TestDocumentWait : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endsOnce_data();
    void endsOnce();
};

// How each wait ends, driven by the tick: a lively server keeps its silence count at zero, so
// only the deadline ends a drip.
void TestDocumentWait::endsOnce_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("ticks"); // that end the wait; 0: it ends by itself
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<qsizetype>("bodySize");
    QTest::addColumn<qsizetype>("cap");
    const qsizetype cap = DocumentWait::kDefaultCap;
    QTest::newRow("whole page in pieces") << u"page"_s << 0 << Outcome::Complete << qsizetype(5000) << cap;
    QTest::newRow("one over the cap")
        << u"page"_s << 0 << Outcome::TooLong << qsizetype(4999) << qsizetype(4999);
    QTest::newRow("never stops sending") << u"endless"_s << 0 << Outcome::TooLong << cap << cap;
    QTest::newRow("goes silent") << u"silent"_s << kSilence << Outcome::Silent << qsizetype(3) << cap;
    QTest::newRow("drips past the deadline")
        << u"drip"_s << kDeadline << Outcome::PastDeadline << qsizetype(-1) << cap;
}

void TestDocumentWait::endsOnce()
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

QTEST_GUILESS_MAIN(TestDocumentWait)
#include "tst_documentwait.moc"
