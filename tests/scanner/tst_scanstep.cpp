#include "DirectoryProcess.h"
#include "ProcessCounters.h"
#include "Recorders.h"
#include "TestFiles.h"
#include "TestServer.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "platform/UnixProcessControl.h"
#include "scanner/MarkerFiles.h"
#include "scanner/ScanReplyWait.h"
#include "scanner/ScanModules.h"
#include "scanner/ScanStep.h"
#include "scanner/ScanView.h"
#include "search/HttpClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Family = ScanStationList::Family;
using Outcome = ScanStationList::Outcome;

Q_DECLARE_METATYPE(ScanStationList::Request)
Q_DECLARE_METATYPE(ScanStationList::Outcome)

namespace {
// The stations the tests scan, in list order.
const QByteArray kCatalog =
    "kind\tname\ttitle\tadditional\tstream_url\tsite\tformat\tcity\tregion\tstyles\tcategory\t"
    "bitrate\tseconds\tvideo\n"
    "live\tLower Real\t\t\thttp://a.example/live.rm\thttp://a.example/\t\tAmsterdam\tNL\tJazz\t\t32\t0\t0\n"
    "live\tMedia Asx\t\t\thttp://b.example/live.asx\tftp://b.example/\t\tBern\tCH\tJazz\t\t64\t0\t0\n"
    "live\tMaker\t\t\thttp://c.example/cgi/makeasx?id=4\thttp://c.example/\t\tCork\tIE\tJazz\t\t64\t0\t0\n"
    "live\tPlaylist\t\t\thttp://d.example/list.m3u\thttp://d.example/\t\tDelft\tNL\tJazz\t\t128\t0\t0\n"
    "live\tQuery\t\t\thttp://e.example/live.rm?session=1\thttp://e.example/\t\tEssen\tDE\tJazz\t\t0\t0\t0\n"
    "live\tSecond Real\t\t\thttp://f.example/two.ra\thttps://f.example/\t\tFaro\tPT\tBlues\t\t16\t0\t0\n";

// skylark-directory on a free port with the test's catalog.
struct Directory : DirectoryProcess
{
    bool start(const QString& catalog)
    {
        return DirectoryProcess::start({u"--port"_s, u"0"_s, u"--catalog"_s, catalog});
    }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
};

struct RecordingView : ScanView
{
    QString style = u"*All Stations"_s;
    bool unknown = false;
    int dwell = 3;
    QString panels[2];
    QString heading;
    QList<ScanStationList::Station> stations;
    bool playing = false;
    bool nextEnabled = false;
    QList<std::pair<MessageIcon, QString>> ends;

    QString styleShown() const override { return style; }
    bool includeUnknown() const override { return unknown; }
    int dwellSeconds() const override { return dwell; }
    void setStatusPanel(int panel, const QString& t) override { panels[panel - 1] = t; }
    void setHeading(const QString& t) override { heading = t; }
    void showStation(const ScanStationList::Station& station) override { stations.append(station); }
    void stationSwitching() override {}
    void setPlaying(bool p) override { playing = p; }
    void setNextEnabled(bool e) override { nextEnabled = e; }
    void endScan(MessageIcon icon, const QString& message) override { ends.append({icon, message}); }
};

// Fake companion programs: each start is logged as "name link programPid"; the mode file says
// what the module does (play, selfend, quit at once, silent: never plays, stubborn: ignores
// the marker and SIGTERM, quick: play without pauses).
const char* const kModuleScript = R"SH(#!/bin/bash
d='@DATA@'
log='@LOG@'
echo "$(basename "$0") $1 $SKYLARK_PROGRAM_PID" >> "$log"
mode=$(cat '@MODE@' 2>/dev/null)
if [ "$mode" = quit ]; then printf '"No player here"\r\n' > "$d/~stat.tmp"; : > "$d/~done.tmp"; exit 0; fi
if [ "$mode" = stubborn ]; then trap '' TERM; else trap 'echo "sigterm $1" >> "$log"; exit 0' TERM; fi
nap=0.02; [ "$mode" = quick ] && nap=0.01
[ "$mode" = silent ] || { [ "$mode" = quick ] || sleep 0.05; : > "$d/~play.tmp"; }
if [ "$mode" = selfend ]; then sleep 0.1; : > "$d/~done.tmp"; echo "selfend $1" >> "$log"; exit 0; fi
while true; do
  if [ -e "$d/~term.tmp" ] && [ "$mode" != stubborn ]; then
    echo "term $1 $(stat -c %s "$d/~term.tmp")" >> "$log"; : > "$d/~done.tmp"; exit 0
  fi
  sleep $nap
done
)SH";
} // namespace

class TestScanStep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_data = m_dir.filePath(u"data"_s);
        m_modules = m_dir.filePath(u"modules"_s);
        QByteArray script = kModuleScript;
        script.replace("@DATA@", m_data.toUtf8())
            .replace("@LOG@", m_dir.filePath(u"log"_s).toUtf8())
            .replace("@MODE@", m_dir.filePath(u"mode"_s).toUtf8());
        for (const char* name : {"projModr", "projModm"}) {
            const QString path = m_modules + QLatin1Char('/') + QString::fromLatin1(name);
            QVERIFY(TestFiles::write(path, script));
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        const QString catalog = m_dir.filePath(u"catalog.tsv"_s);
        QVERIFY(TestFiles::write(catalog, kCatalog));
        QVERIFY(m_directory.start(catalog));
    }

    void init()
    {
        QDir(m_data).removeRecursively();
        QVERIFY(QDir().mkpath(m_data));
        QFile::remove(m_dir.filePath(u"log"_s));
        setMode("play");
    }

    void requestUrl_data()
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

    void requestUrl()
    {
        QFETCH(ScanStationList::Request, request);
        QFETCH(QString, query);
        QCOMPARE(ScanStationList::requestUrl(request), u"http://dir.example:81/search.asp?V=3&P=L"_s + query);
    }

    // The record is "position@style"; an answer given means the one question was asked.
    void resumeRead_data()
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

    void resumeRead()
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

    void evaluate_data()
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
        QTest::newRow("six separators")
            << u"4@@@@a@@@@b@@@@c@@@@d@@@@e@@@@f<"_s << 200 << false << Outcome::Failure;
        QTest::newRow("position not digits")
            << u"4&X=1@@@@a@@@@b@@@@c@@@@d@@@@e@@@@f@@@@g<"_s << 200 << false << Outcome::Failure;
        QTest::newRow("empty reply") << QString() << 200 << false << Outcome::Failure;
        QTest::newRow("oversized") << station + QString(ScanStationList::kReplyLimit, u'x') << 200 << false
                                   << Outcome::Failure;
    }

    void evaluate()
    {
        QFETCH(QString, reply);
        QFETCH(int, status);
        QFETCH(bool, failed);
        QFETCH(Outcome, outcome);
        QCOMPARE(ScanStationList::evaluate(reply, status, failed).outcome, outcome);
    }

    // One station record is small: a server that keeps it coming byte by byte fails.
    void drippingReplyFailsAtDeadline()
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
        QCOMPARE(ScanStationList::evaluate(wait.text(), wait.status(), wait.failed()).outcome,
                 Outcome::Failure);
    }

    void dwellEndsWithEmptyTerminateMarker()
    {
        auto scan = makeScan(m_directory.host());
        // Left from an earlier run: neither may end the new station.
        QVERIFY(TestFiles::write(marker(MarkerFiles::kDone), ""));
        QVERIFY(TestFiles::write(marker(MarkerFiles::kTerminate), "TERMINATE\r\n"));
        scan->view.dwell = 3;
        scan->step->open();
        scan->step->start(Family::RealPlayer, u"0"_s);
        const QString pid = QString::number(QCoreApplication::applicationPid());
        QTRY_COMPARE(log(), QStringList{u"projModr http://a.example/live.rm "_s + pid});
        QCOMPARE(scan->view.stations.size(), 1);
        QCOMPARE(scan->view.stations[0].name, u"Lower Real"_s);
        QCOMPARE(scan->view.heading, u"Playing..."_s);
        QCOMPARE(scan->settings.text(Settings::Key::RScan), u"0@*All Stations"_s);
        QTRY_VERIFY(MarkerFiles::exists(m_data, MarkerFiles::kPlay));
        QVERIFY(!MarkerFiles::exists(m_data, MarkerFiles::kDone));
        QCOMPARE(scan->step->phase(), ScanStep::Phase::Playing);
        for (int second = 1; second <= 3; ++second) {
            scan->tick.tick();
            QCOMPARE(scan->view.panels[0], QString::number(second) + u" Seconds"_s);
        }
        QVERIFY(scan->view.playing);
        QVERIFY(!MarkerFiles::exists(m_data, MarkerFiles::kTerminate));
        // A dwell of 3 ends when the count reads 4.
        scan->tick.tick();
        QCOMPARE(scan->view.panels[0], u"Closing..."_s);
        QCOMPARE(TestFiles::read(marker(MarkerFiles::kTerminate)), QByteArray());
        QVERIFY(MarkerFiles::exists(m_data, MarkerFiles::kTerminate));
        QTRY_COMPARE(log().mid(1), (QStringList{u"term http://a.example/live.rm 0"_s,
                                                u"projModr http://f.example/two.ra "_s + pid}));
        QCOMPARE(scan->settings.text(Settings::Key::RScan), u"1@*All Stations"_s);
        QCOMPARE(scan->view.stations.last().name, u"Second Real"_s);
        scan->step->close();
        QCOMPARE(TestFiles::read(marker(MarkerFiles::kTerminate)), QByteArray("TERMINATE\r\n"));
        QTRY_VERIFY(!scan->modules.anyRunning());
    }

    void modulePerPlayerCodeAndExhaustedList()
    {
        auto scan = makeScan(m_directory.host());
        scan->view.unknown = true;
        scan->view.dwell = 1;
        scan->step->open();
        scan->step->start(Family::WindowsMedia, u"0"_s);
        QVERIFY(tickUntil(
            *scan, [&] { return !scan->view.ends.isEmpty(); }, 60));
        const QString pid = QString::number(QCoreApplication::applicationPid());
        QCOMPARE(log().filter(u"projMod"_s),
                 (QStringList{u"projModm http://b.example/live.asx "_s + pid,
                              u"projModm http://c.example/cgi/makeasx?id=4 "_s + pid}));
        QStringList names;
        for (const auto& station : std::as_const(scan->view.stations))
            names.append(station.name);
        QCOMPARE(names, QStringList({u"Media Asx"_s, u"Maker"_s, u"Query"_s}));
        QCOMPARE(scan->view.ends.size(), 1);
        QCOMPARE(scan->view.ends[0].first, MessageIcon::None);
        QCOMPARE(scan->view.ends[0].second, u"No more stations available for scan."_s);
        QCOMPARE(scan->settings.text(Settings::Key::WScan), u"0@*All Stations"_s);
    }

    void nextBeforePlayMarkerDoesTheHandshake()
    {
        setMode("silent");
        auto scan = makeScan(m_directory.host());
        scan->step->start(Family::RealPlayer, u"0"_s);
        QTRY_COMPARE(log().size(), 1);
        QVERIFY(scan->view.nextEnabled);
        scan->step->next();
        QCOMPARE(scan->view.panels[0], u"Next Station.."_s);
        QTRY_COMPARE(scan->view.panels[0], u"Closing..."_s);
        QVERIFY(tickUntil(*scan, [&] { return log().size() == 3; }));
        QCOMPARE(log()[1], u"term http://a.example/live.rm 0"_s);
        QVERIFY(log()[2].startsWith(QLatin1String("projModr http://f.example/two.ra")));
    }

    void moduleEndingItselfEndsTheStation()
    {
        setMode("selfend");
        auto scan = makeScan(m_directory.host());
        scan->view.dwell = 100;
        scan->step->start(Family::RealPlayer, u"0"_s);
        QTRY_COMPARE(log().value(1), u"selfend http://a.example/live.rm"_s);
        QTRY_COMPARE(scan->step->phase(), ScanStep::Phase::Spacing);
        QVERIFY(tickUntil(*scan, [&] { return log().size() >= 3; }));
        QVERIFY(log()[2].startsWith(QLatin1String("projModr http://f.example/two.ra")));
        // Nothing was written to end it.
        QVERIFY(scan->view.ends.isEmpty());
    }

    void threeFailedStartsStopTheScan()
    {
        setMode("quit");
        Directory directory;
        QVERIFY(serveMore(directory, 6));
        auto scan = makeScan(directory.host());
        scan->view.dwell = 100;
        scan->step->start(Family::RealPlayer, u"0"_s);
        QTRY_COMPARE(log().size(), 1);
        // The next request waits for the tick: at least a second between requests.
        QTest::qWait(300);
        QCOMPARE(log().size(), 1);
        QCOMPARE(scan->step->phase(), ScanStep::Phase::Spacing);
        QVERIFY(tickUntil(*scan, [&] { return !scan->view.ends.isEmpty(); }));
        QCOMPARE(log().size(), 3);
        QCOMPARE(scan->view.ends[0].first, MessageIcon::Critical);
        QVERIFY(scan->view.ends[0].second.contains(QLatin1String("ended before they started playing")));
        // The module's reason reaches the panel, and nothing seems to play behind the message.
        QCOMPARE(scan->view.panels[1], u"No player here"_s);
        QVERIFY(scan->view.heading != u"Playing..."_s);
        QVERIFY(!scan->view.nextEnabled);
        // The record still names the third station, not the end of the list.
        QCOMPARE(scan->settings.text(Settings::Key::RScan), u"2@*All Stations"_s);
    }

    void heldStubbornModuleEndedBeforeMarkersGo()
    {
        setMode("stubborn");
        auto scan = makeScan(m_directory.host());
        scan->step->start(Family::RealPlayer, u"0"_s);
        QTRY_VERIFY(MarkerFiles::exists(m_data, MarkerFiles::kPlay));
        scan->tick.tick();
        scan->tick.tick();
        // Held: the count stands still.
        scan->step->setPaused(true);
        for (int i = 0; i < 10; ++i)
            scan->tick.tick();
        QCOMPARE(scan->step->idleSeconds(), 2);
        QCOMPARE(scan->view.panels[0], u"2 Seconds"_s);
        QCOMPARE(scan->step->phase(), ScanStep::Phase::Playing);
        // Skipped while held: the bound on the stop runs all the same.
        scan->step->next();
        QTRY_COMPARE(scan->step->phase(), ScanStep::Phase::Stopping);
        for (int i = 0; i < ScanStep::kDoneWaitTicks; ++i)
            scan->tick.tick();
        QTRY_COMPARE(scan->step->phase(), ScanStep::Phase::EndingModules);
        // Still running: the markers stay and no request goes out.
        QTest::qWait(200);
        QVERIFY(MarkerFiles::exists(m_data, MarkerFiles::kPlay));
        QCOMPARE(log().size(), 1);
        QVERIFY(tickUntil(*scan, [&] { return log().size() == 2; }));
        QVERIFY(log()[1].startsWith(QLatin1String("projModr http://f.example/two.ra")));
        QVERIFY(!scan->step->isPaused());
    }

    void scanWhileScanningEndsTheOldModuleFirst()
    {
        setMode("stubborn");
        auto scan = makeScan(m_directory.host());
        scan->step->start(Family::RealPlayer, u"0"_s);
        QTRY_VERIFY(MarkerFiles::exists(m_data, MarkerFiles::kPlay));
        const qint64 oldPid = scan->step->modulePid();
        scan->step->close();
        scan->step = stepFor(*scan, m_directory.host());
        QVERIFY(scan->modules.isRunning(oldPid));
        QCOMPARE(TestFiles::read(marker(MarkerFiles::kTerminate)), QByteArray("TERMINATE\r\n"));
        scan->step->open();
        QTest::qWait(200);
        // The old module lives: the opening deletes nothing yet.
        QVERIFY(MarkerFiles::exists(m_data, MarkerFiles::kPlay));
        QVERIFY(MarkerFiles::exists(m_data, MarkerFiles::kTerminate));
        QVERIFY(tickUntil(*scan, [&] { return !MarkerFiles::exists(m_data, MarkerFiles::kPlay); }));
        QVERIFY(!scan->modules.isRunning(oldPid));
        QVERIFY(!MarkerFiles::exists(m_data, MarkerFiles::kTerminate));
    }

    void serverOutcomes_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("message");
        const QString failure = u"Error Contacting Server, Please Try Back Later or Contact "_s;
        QTest::newRow("none of kind")
            << 200 << QByteArray("ERROR<BR><HTML>") << MessageIcon::Information
            << u"No stations of this type (for selected player) are available for scan."_s;
        QTest::newRow("not found") << 404 << QByteArray("1@@@@a@@@@b@@@@c.rm@@@@d@@@@e@@@@f@@@@g<")
                                   << MessageIcon::Critical << failure;
    }

    void serverOutcomes()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(MessageIcon, icon);
        QFETCH(QString, message);
        TestServer server;
        QVERIFY(server.start());
        server.setReply(ScriptedReply::page(body, status));
        auto scan = makeScan(server.hostPort());
        scan->settings.setText(Settings::Key::RScan, u"5@Jazz"_s);
        scan->view.style = u"Jazz"_s;
        scan->step->start(Family::RealPlayer, u"5"_s);
        QTRY_COMPARE(scan->view.ends.size(), 1);
        QCOMPARE(scan->view.ends[0].first, icon);
        QVERIFY(scan->view.ends[0].second.startsWith(message));
        QCOMPARE(scan->settings.text(Settings::Key::RScan), u"5@Jazz"_s);
        QVERIFY(log().isEmpty());
    }

    // The list read again from the start after a change; the station's link plays in no module: a
    // playlist has none, an address that reads as an option is refused.
    void listChangeStartsAtTheBeginning_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("unknown");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QByteArray>("link");
        QTest::newRow("style") << u"Blues"_s << false
                               << QByteArray("/search.asp?V=3&P=L&STYLE=Blues&T1=N&GS=1&UNK=0&LS=0&SPD=0")
                               << QByteArray("http://x/a.m3u");
        QTest::newRow("unknown formats")
            << u"Big Band"_s << true
            << QByteArray("/search.asp?V=3&P=L&STYLE=Big+Band&T1=N&GS=1&UNK=1&LS=0&SPD=0")
            << QByteArray("http://x/a.m3u");
        QTest::newRow("no change, refused link")
            << u"Big Band"_s << false
            << QByteArray("/search.asp?V=3&P=L&STYLE=Big+Band&T1=N&GS=1&UNK=0&LS=8&SPD=0")
            << QByteArray("-oops.asx");
    }

    void listChangeStartsAtTheBeginning()
    {
        QFETCH(QString, style);
        QFETCH(bool, unknown);
        QFETCH(QByteArray, second);
        QFETCH(QByteArray, link);
        TestServer server;
        QVERIFY(server.start());
        server.setReply(ScriptedReply::page("8@@@@@@@@Name@@@@" + link + "@@@@MP3@@@@A@@@@B@@@@32<HTML>"));
        auto scan = makeScan(server.hostPort());
        scan->view.dwell = 1;
        scan->view.style = u"Big Band"_s;
        scan->step->start(Family::WindowsMedia, u"3"_s);
        QTRY_COMPARE(scan->step->phase(), ScanStep::Phase::Playing);
        QCOMPARE(scan->view.panels[1] == u"The stream address begins with \"-\" and cannot be played."_s,
                 link.startsWith('-'));
        scan->view.style = style;
        scan->view.unknown = unknown;
        QVERIFY(tickUntil(*scan, [&] { return server.targets().size() == 2; }));
        QCOMPARE(server.targets()[0],
                 QByteArray("/search.asp?V=3&P=L&STYLE=Big+Band&T1=N&GS=1&UNK=0&LS=3&SPD=0"));
        QCOMPARE(server.targets()[1], second);
        QCOMPARE(scan->settings.text(Settings::Key::WScan),
                 QString::fromLatin1(second.split('&').at(6).mid(3)) + QLatin1Char('@') + style);
        QVERIFY(log().isEmpty());
    }

    void twentyStationsStayFlat()
    {
        // A long scan driven by the tick: memory and open files stay flat, no module is left running.
        setMode("quick");
        Directory directory;
        QVERIFY(serveMore(directory, 20));
        auto scan = makeScan(directory.host());
        scan->view.dwell = 1;
        scan->step->open();
        scan->step->start(Family::RealPlayer, u"0"_s);
        const auto started = [this] { return log().filter(u"projModr "_s).size(); };
        QVERIFY(tickUntil(
            *scan, [&] { return started() >= 5; }, 200));
        [[maybe_unused]] const double memoryBefore = ProcessCounters::residentMiB();
        const qsizetype filesBefore = ProcessCounters::openFiles();
        QVERIFY(tickUntil(
            *scan, [&] { return started() >= 20; }, 2000));
        [[maybe_unused]] const double memoryAfter = ProcessCounters::residentMiB();
        const qsizetype filesAfter = ProcessCounters::openFiles();
        QVERIFY(scan->view.ends.isEmpty());
        scan->step->close();
        QVERIFY(tickUntil(*scan, [&] { return !scan->modules.anyRunning(); }));
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's quarantine holds freed memory on purpose
        QVERIFY(memoryAfter - memoryBefore < 10);
#endif
        QVERIFY(filesAfter - filesBefore <= 4);
    }

private:
    struct Scan
    {
        MemorySettingsBacking backing;
        Settings settings{backing};
        HttpClient client;
        Tick tick;
        UnixProcessControl processes;
        ScanModules modules{processes, tick};
        RecordingView view;
        std::unique_ptr<ScanStep> step;

        // The step's module is ended before the next test begins, so it cannot write into it.
        ~Scan()
        {
            step.reset();
            for (int i = 0; i < 100 && !QTest::qWaitFor([this] { return !modules.anyRunning(); }, 30); ++i)
                tick.tick();
        }
    };
    std::unique_ptr<Scan> makeScan(const QString& host);
    bool serveMore(Directory& directory, int count);
    std::unique_ptr<ScanStep> stepFor(Scan& scan, const QString& host) const;
    void setMode(const char* mode)
    {
        m_mode = mode;
        QVERIFY(TestFiles::write(m_dir.filePath(u"mode"_s), mode));
    }
    QStringList log() const;
    QString marker(const QString& name) const
    {
        return MarkerFiles::path(m_data, name);
    }
    // Ticks until the condition holds, letting events run between ticks: up to 300 ms for what
    // processes and the service do, none when only the next tick can move the scan on.
    bool tickUntil(Scan& scan, const std::function<bool()>& condition, int ticks = 40);
    bool waitsForTick(Scan& scan, int& forcedTicks) const;

    QByteArray m_mode;
    QTemporaryDir m_dir;
    QString m_data;
    QString m_modules;
    Directory m_directory;
};

std::unique_ptr<TestScanStep::Scan> TestScanStep::makeScan(const QString& host)
{
    auto scan = std::make_unique<Scan>();
    scan->step = stepFor(*scan, host);
    return scan;
}

std::unique_ptr<ScanStep> TestScanStep::stepFor(Scan& scan, const QString& host) const
{
    return std::make_unique<ScanStep>(ScanStep::Context{scan.settings, scan.client, scan.tick, scan.modules,
                                                        scan.view, m_data, m_modules, host});
}

// The test's catalog with count more RealPlayer stations.
bool TestScanStep::serveMore(Directory& directory, int count)
{
    QByteArray catalog = kCatalog;
    for (int i = 0; i < count; ++i)
        catalog += "live\tMore " + QByteArray::number(i) + "\t\t\thttp://m.example/" + QByteArray::number(i) +
                   ".ram\t\t\t\t\t\t\t32\t0\t0\n";
    const QString path = m_dir.filePath(QStringLiteral("more%1.tsv").arg(count));
    return TestFiles::write(path, catalog) && directory.start(path);
}

QStringList TestScanStep::log() const
{
    return QString::fromUtf8(TestFiles::read(m_dir.filePath(u"log"_s)))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool TestScanStep::tickUntil(Scan& scan, const std::function<bool()>& condition, int ticks)
{
    int forcedTicks = 0;
    for (int i = 0; i < ticks; ++i) {
        if (QTest::qWaitFor([&] { return condition() || waitsForTick(scan, forcedTicks); }, 300) &&
            condition())
            return true;
        scan.tick.tick();
    }
    return condition();
}

// Only the tick moves on spacing, a station that plays (or has no module), and the ending of a
// module that ignores SIGTERM until it is killed.
bool TestScanStep::waitsForTick(Scan& scan, int& forcedTicks) const
{
    switch (scan.step->phase()) {
    case ScanStep::Phase::Spacing:
        return true;
    case ScanStep::Phase::Playing:
        return scan.step->modulePid() == 0 || MarkerFiles::exists(m_data, MarkerFiles::kPlay);
    case ScanStep::Phase::Opening:
    case ScanStep::Phase::EndingModules:
        return m_mode == "stubborn" && scan.modules.anyRunning() &&
               forcedTicks++ < ScanModules::kKillAfterTicks;
    default:
        return false;
    }
}

QTEST_GUILESS_MAIN(TestScanStep)
#include "tst_scanstep.moc"
