#include "Recorders.h"
#include "TestServer.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "scanner/ScanReplyWait.h"
#include "scanner/ScanStationList.h"
#include "search/HttpClient.h"

#include <QSignalSpy>
#include <QTest>

using Family = ScanStationList::Family;
using Outcome = ScanStationList::Outcome;

Q_DECLARE_METATYPE(ScanStationList::Family)
Q_DECLARE_METATYPE(ScanStationList::Outcome)

namespace {
QString text(const char* literal)
{
    return QString::fromUtf8(literal);
}
} // namespace

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
    QTest::addColumn<QString>("style");
    QTest::addColumn<Family>("family");
    QTest::addColumn<bool>("unknown");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("url");
    const QString base = text("http://dir.example:81/search.asp?V=3&P=L");
    QTest::newRow("big band, blanks to plus")
        << text("Big Band") << Family::RealPlayer << false << text("0") << text("Phone Modem 56k")
        << base + text("&STYLE=Big+Band&T1=R&GS=1&UNK=0&LS=0&SPD=56");
    QTest::newRow("all stations has no style")
        << text("*All Stations") << Family::WindowsMedia << true << text("17") << text("Cable/DSL")
        << base + text("&T1=N&GS=1&UNK=1&LS=17&SPD=300");
    QTest::newRow("slash stays") << text("Talk/News") << Family::RealPlayer << false << text("3") << text("")
                                 << base + text("&STYLE=Talk/News&T1=R&GS=1&UNK=0&LS=3&SPD=0");
    QTest::newRow("special") << text("Special (Police, Emergency, Scanner)") << Family::RealPlayer << false
                             << text("0") << text("ISDN 128k")
                             << base + text("&STYLE=special&T1=R&GS=1&UNK=0&LS=0&SPD=128");
}

void TestScanStationList::requestUrl()
{
    QFETCH(QString, style);
    QFETCH(Family, family);
    QFETCH(bool, unknown);
    QFETCH(QString, position);
    QFETCH(QString, speed);
    QFETCH(QString, url);
    ScanStationList::Request request;
    request.host = text("dir.example:81");
    request.style = style;
    request.family = family;
    request.includeUnknown = unknown;
    request.position = position;
    request.conSpeed = speed;
    QCOMPARE(ScanStationList::requestUrl(request), url);
}

void TestScanStationList::resumeRead_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("position");
    using A = QList<MessageAnswer>;
    QTest::newRow("same style, yes") << text("17@Jazz") << text("Jazz") << A{MessageAnswer::Yes} << 1
                                     << text("17");
    QTest::newRow("default record") << text("0@*All Stations") << text("*All Stations") << A{} << 0
                                    << text("0");
    QTest::newRow("another style") << text("17@Jazz") << text("Blues") << A{} << 0 << text("0");
    QTest::newRow("style is exact") << text("17@jazz") << text("Jazz") << A{} << 0 << text("0");
    QTest::newRow("not a number") << text("1x7@Jazz") << text("Jazz") << A{} << 0 << text("0");
    QTest::newRow("style with @") << text("5@Rock@Pop") << text("Rock@Pop") << A{MessageAnswer::Yes} << 1
                                  << text("5");
}

void TestScanStationList::resumeRead()
{
    QFETCH(QString, stored);
    QFETCH(QString, style);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(int, questions);
    QFETCH(QString, position);
    MemorySettingsBacking backing;
    Settings settings(backing);
    settings.setText(Settings::Key::WScan, stored);
    settings.setText(Settings::Key::RScan, text("9@") + style); // the other family's record
    ScriptedDialogs dialogs;
    for (MessageAnswer answer : answers)
        dialogs.answers.enqueue(answer);
    QCOMPARE(ScanStationList::resumePosition(settings, Family::WindowsMedia, style, dialogs), position);
    QCOMPARE(dialogs.messages.size(), questions);
    if (questions == 1) {
        QCOMPARE(dialogs.messages[0].text, text("Would You like to resume your scan from previous session?"));
        QCOMPARE(dialogs.messages[0].buttons, MessageButtons::YesNo);
    }
}

void TestScanStationList::evaluate_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<Outcome>("outcome");
    const QString station =
        text("4@@@@http://site@@@@Name@@@@http://s/a.rm@@@@RealAudio@@@@City@@@@Region@@@@32<HTML>");
    QTest::newRow("station") << station << 200 << false << Outcome::Station;
    QTest::newRow("transfer failed") << station << 200 << true << Outcome::Failure;
    QTest::newRow("not found status") << station << 404 << false << Outcome::Failure;
    QTest::newRow("no headers") << station << 0 << false << Outcome::Failure;
    QTest::newRow("none of kind") << text("<p>error<br></p>") << 200 << false << Outcome::NoneOfKind;
    QTest::newRow("exhausted") << text("Exception OC<BR><HTML>") << 200 << false << Outcome::Exhausted;
    QTest::newRow("error page") << text("<html><body>Service unavailable</body></html>") << 200 << false
                                << Outcome::Failure;
    QTest::newRow("six separators") << text("4@@@@a@@@@b@@@@c@@@@d@@@@e@@@@f<") << 200 << false
                                    << Outcome::Failure;
    QTest::newRow("position not digits")
        << text("4&X=1@@@@a@@@@b@@@@c@@@@d@@@@e@@@@f@@@@g<") << 200 << false << Outcome::Failure;
    QTest::newRow("empty reply") << QString() << 200 << false << Outcome::Failure;
    QTest::newRow("oversized") << station + QString(ScanStationList::kReplyLimit, QLatin1Char('x')) << 200
                               << false << Outcome::Failure;
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
    const auto evaluation =
        ScanStationList::evaluate(text("0012@@@@ http://site/ @@@@A &amp; "
                                       "B@@@@http://s/a.rm?x@@@@Real@@@@@@@@Region@@@@ 32 k<HTML>@@@@"),
                                  200, false);
    QCOMPARE(evaluation.outcome, Outcome::Station);
    const ScanStationList::Station& s = evaluation.station;
    QCOMPARE(s.position, text("0012"));
    QCOMPARE(s.site, text(" http://site/ "));
    QCOMPARE(s.name, text("A &amp; B"));
    QCOMPARE(s.link, text("http://s/a.rm?x"));
    QCOMPARE(s.format, text("Real"));
    QCOMPARE(s.location1, QString());
    QCOMPARE(s.location2, text("Region"));
    QCOMPARE(s.bitRate, text(" 32 k"));
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
    wait.start(server.url(text("/search.asp")));
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
