#include "Recorders.h"
#include "TestServer.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "scanner/ScanReplyWait.h"
#include "scanner/ScanStationList.h"
#include "search/HttpClient.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Family = ScanStationList::Family;
using Outcome = ScanStationList::Outcome;

Q_DECLARE_METATYPE(ScanStationList::Request)
Q_DECLARE_METATYPE(ScanStationList::Outcome)

class TestScanStationList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void requestUrl_data();
    void requestUrl();
    void resumeRead_data();
    void resumeRead();
    void evaluate_data();
    void evaluate();
    void stationFieldsTakenAsTheyStand();
    void drippingReplyFailsAtDeadline();
};

void TestScanStationList::requestUrl_data()
{
    QTest::addColumn<ScanStationList::Request>("request");
    QTest::addColumn<QString>("query");
    const QString host = u"dir.example:81"_s;
    QTest::newRow("big band, blanks to plus")
        << ScanStationList::Request{host,  u"Big Band"_s, Family::RealPlayer,
                                    false, u"0"_s,        u"Phone Modem 56k"_s}
        << u"&STYLE=Big+Band&T1=R&GS=1&UNK=0&LS=0&SPD=56"_s;
    QTest::newRow("all stations has no style")
        << ScanStationList::Request{host,    u"*All Stations"_s, Family::WindowsMedia, true,
                                    u"17"_s, u"Cable/DSL"_s}
        << u"&T1=N&GS=1&UNK=1&LS=17&SPD=300"_s;
    QTest::newRow("slash stays") << ScanStationList::Request{host,  u"Talk/News"_s, Family::RealPlayer,
                                                             false, u"3"_s,         QString()}
                                 << u"&STYLE=Talk/News&T1=R&GS=1&UNK=0&LS=3&SPD=0"_s;
    QTest::newRow("special") << ScanStationList::Request{host,
                                                         u"Special (Police, Emergency, Scanner)"_s,
                                                         Family::RealPlayer,
                                                         false,
                                                         u"0"_s,
                                                         u"ISDN 128k"_s}
                             << u"&STYLE=special&T1=R&GS=1&UNK=0&LS=0&SPD=128"_s;
}

void TestScanStationList::requestUrl()
{
    QFETCH(ScanStationList::Request, request);
    QFETCH(QString, query);
    QCOMPARE(ScanStationList::requestUrl(request), u"http://dir.example:81/search.asp?V=3&P=L"_s + query);
}

// The record is "position@style"; an answer given means the one question was asked.
void TestScanStationList::resumeRead_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QString>("position");
    using A = QList<MessageAnswer>;
    QTest::newRow("same style, yes") << u"17@Jazz"_s << u"Jazz"_s << A{MessageAnswer::Yes} << u"17"_s;
    QTest::newRow("default record") << u"0@*All Stations"_s << u"*All Stations"_s << A{} << u"0"_s;
    QTest::newRow("another style") << u"17@Jazz"_s << u"Blues"_s << A{} << u"0"_s;
    QTest::newRow("style is exact") << u"17@jazz"_s << u"Jazz"_s << A{} << u"0"_s;
    QTest::newRow("not a number") << u"1x7@Jazz"_s << u"Jazz"_s << A{} << u"0"_s;
    QTest::newRow("style with @") << u"5@Rock@Pop"_s << u"Rock@Pop"_s << A{MessageAnswer::Yes} << u"5"_s;
}

void TestScanStationList::resumeRead()
{
    QFETCH(QString, stored);
    QFETCH(QString, style);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QString, position);
    MemorySettingsBacking backing;
    Settings settings(backing);
    settings.setText(Settings::Key::WScan, stored);
    settings.setText(Settings::Key::RScan, u"9@"_s + style); // the other family's record
    ScriptedDialogs dialogs;
    for (MessageAnswer answer : answers)
        dialogs.answers.enqueue(answer);
    QCOMPARE(ScanStationList::resumePosition(settings, Family::WindowsMedia, style, dialogs), position);
    QCOMPARE(dialogs.messages.size(), answers.size());
    if (!answers.isEmpty())
        QCOMPARE(dialogs.messages[0].buttons, MessageButtons::YesNo);
}

void TestScanStationList::evaluate_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<Outcome>("outcome");
    const QString station =
        u"4@@@@http://site@@@@Name@@@@http://s/a.rm@@@@RealAudio@@@@City@@@@Region@@@@32<HTML>"_s;
    QTest::newRow("station") << station << 200 << false << Outcome::Station;
    QTest::newRow("transfer failed") << station << 200 << true << Outcome::Failure;
    QTest::newRow("not found status") << station << 404 << false << Outcome::Failure;
    QTest::newRow("no headers") << station << 0 << false << Outcome::Failure;
    QTest::newRow("none of kind") << u"<p>error<br></p>"_s << 200 << false << Outcome::NoneOfKind;
    QTest::newRow("exhausted") << u"Exception OC<BR><HTML>"_s << 200 << false << Outcome::Exhausted;
    QTest::newRow("error page") << u"<html><body>Service unavailable</body></html>"_s << 200 << false
                                << Outcome::Failure;
    QTest::newRow("six separators") << u"4@@@@a@@@@b@@@@c@@@@d@@@@e@@@@f<"_s << 200 << false
                                    << Outcome::Failure;
    QTest::newRow("position not digits")
        << u"4&X=1@@@@a@@@@b@@@@c@@@@d@@@@e@@@@f@@@@g<"_s << 200 << false << Outcome::Failure;
    QTest::newRow("empty reply") << QString() << 200 << false << Outcome::Failure;
    QTest::newRow("oversized") << station + QString(ScanStationList::kReplyLimit, u'x') << 200 << false
                               << Outcome::Failure;
}

void TestScanStationList::evaluate()
{
    QFETCH(QString, reply);
    QFETCH(int, status);
    QFETCH(bool, failed);
    QFETCH(Outcome, outcome);
    QCOMPARE(ScanStationList::evaluate(reply, status, failed).outcome, outcome);
}

void TestScanStationList::stationFieldsTakenAsTheyStand()
{
    const auto evaluation = ScanStationList::evaluate(
        u"0012@@@@ http://site/ @@@@A &amp; B@@@@http://s/a.rm?x@@@@Real@@@@@@@@Region@@@@ 32 k<HTML>@@@@"_s,
        200, false);
    QCOMPARE(evaluation.outcome, Outcome::Station);
    const ScanStationList::Station& s = evaluation.station;
    QCOMPARE((QStringList{s.position, s.site, s.name, s.link, s.format, s.location1, s.location2, s.bitRate}),
             (QStringList{u"0012"_s, u" http://site/ "_s, u"A &amp; B"_s, u"http://s/a.rm?x"_s, u"Real"_s,
                          QString(), u"Region"_s, u" 32 k"_s}));
}

// One station record is small: a server that keeps it coming byte by byte fails.
void TestScanStationList::drippingReplyFailsAtDeadline()
{
    TestServer server;
    QVERIFY(server.start());
    server.setReply(ScriptedReply::page(QByteArray(1000, '7'), 200, "text/html", 1, 5));
    HttpClient client;
    QSignalSpy events(&client, &HttpClient::documentEvent);
    Tick tick;
    ScanReplyWait wait(client, tick);
    QSignalSpy finished(&wait, &ScanReplyWait::finished);
    wait.start(server.url(u"/search.asp"_s));
    for (int i = 0; i < ScanReplyWait::kDeadlineTicks; ++i) {
        QVERIFY(events.wait(5000));
        QCOMPARE(finished.size(), 0);
        tick.tick();
    }
    QCOMPARE(finished.size(), 1);
    QCOMPARE(ScanStationList::evaluate(wait.text(), wait.status(), wait.failed()).outcome, Outcome::Failure);
}

QTEST_GUILESS_MAIN(TestScanStationList)
#include "tst_scanstationlist.moc"
