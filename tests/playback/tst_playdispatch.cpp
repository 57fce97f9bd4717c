#include "Recorders.h"
#include "TestServer.h"

#include "app/AppState.h"
#include "playback/PlayDispatch.h"
#include "playback/PlayView.h"
#include "playback/PlayerCommand.h"
#include "playback/ShellOpener.h"
#include "search/HttpClient.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// The main window's side of play dispatch, recorded. The pointer is read when the setup
// dialog opens, since it must be back to normal by then.
class RecordingView : public PlayView
{
public:
    explicit RecordingView(RecordingPointer& pointer) : m_pointer(pointer) {}
    void setStatus(const QString& text) override { statuses.append(text); }
    void showSetupOnTab(int tab) override
    {
        setupTabs.append(tab);
        busyAtSetup = m_pointer.busy;
    }
    void setPresetPointer(int index, int picture) override { presetPointers.append({index, picture}); }

    QStringList statuses;
    QList<int> setupTabs;
    bool busyAtSetup = true;
    QList<QPair<int, int>> presetPointers;

private:
    RecordingPointer& m_pointer;
};

class ProcessLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

const QString kReal = u"/players/real"_s;
const QString kMedia = u"/players/media"_s;
const QString kWinamp = u"/players/winamp"_s;
const QString kStreamWorks = u"/players/streamworks"_s;

QByteArray httpHead(int length)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(length) +
           "\r\nConnection: close\r\n\r\n";
}
} // namespace

class TestPlayDispatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void playsInThePlayerOfTheLink_data();
    void playsInThePlayerOfTheLink();
    void storedValueBecomesProgramAndArguments_data();
    void storedValueBecomesProgramAndArguments();
    void missingPlayer_data();
    void missingPlayer();
    void noItemSelected_data();
    void noItemSelected();
    void linkWithoutDotDoesNothing();
    void refusedLinks_data();
    void refusedLinks();
    void realProgramGetsLinkAsOneArgument();
    void streamWorksDescriptions_data();
    void streamWorksDescriptions();
    void streamWorksFailures_data();
    void streamWorksFailures();
    void streamWorksSilentServerTimesOutOnTicks();
    void streamWorksDataResetsIdleCount();
    void streamWorksStopEndsWait();
    void streamWorksGoesThroughProxy();
    void streamWorksListensOnlyWhileFetching();
    void openWithShellOpensWebAndMail_data();
    void openWithShellOpensWebAndMail();
    void openWithShellRefuses_data();
    void openWithShellRefuses();
    void openWithShellReportsFailure();

private:
    void setPlayers(const QString& real, const QString& media, const QString& winamp,
                    const QString& streamWorks);
    void waitForFetch();

    std::unique_ptr<AppState> m_state;
    std::unique_ptr<TestServices> m_services;
    std::unique_ptr<RecordingView> m_view;
    std::unique_ptr<HttpClient> m_client;
    std::unique_ptr<PlayDispatch> m_dispatch;
    std::unique_ptr<TestServer> m_server;
};

void TestPlayDispatch::init()
{
    m_state = std::make_unique<AppState>();
    m_services = std::make_unique<TestServices>();
    m_view = std::make_unique<RecordingView>(m_services->pointer);
    m_client = std::make_unique<HttpClient>();
    m_dispatch = std::make_unique<PlayDispatch>(*m_state, m_services->services(), *m_client, *m_view);
    m_server = std::make_unique<TestServer>();
    QVERIFY(m_server->start());
    setPlayers(kReal, kMedia, kWinamp, kStreamWorks);
}

void TestPlayDispatch::cleanup()
{
    m_dispatch.reset();
    m_client.reset();
    m_server.reset();
}

void TestPlayDispatch::setPlayers(const QString& real, const QString& media, const QString& winamp,
                                  const QString& streamWorks)
{
    m_state->Players[Player::RealPlayer] = real;
    m_state->Players[Player::MediaPlayer] = media;
    m_state->Players[Player::Winamp] = winamp;
    m_state->Players[Player::StreamWorks] = streamWorks;
}

void TestPlayDispatch::waitForFetch()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_dispatch->isFetching(), 10000);
}

void TestPlayDispatch::playsInThePlayerOfTheLink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("status");
    QTest::newRow(".ram") << "http://host/a.ram" << kReal << "Launching RealPlayer";
    QTest::newRow("makeram") << "http://host/makeram.cgi?s=1" << kReal << "Launching RealPlayer";
    QTest::newRow("quotes kept") << "http://host/a.ram\"" << kReal << "Launching RealPlayer";
    QTest::newRow(".asx") << "http://host/a.asx" << kMedia << "Launching Microsoft Media Player";
    QTest::newRow("makeasx") << "http://host/cgi/makeasx.asp?id=7" << kMedia
                             << "Launching Microsoft Media Player";
    QTest::newRow(".pls") << "http://host/a.pls" << kWinamp << "Launching WinAMP";
    QTest::newRow("query after .ram") << "http://host/x.ram?id=1" << kWinamp << "Launching WinAMP";
    QTest::newRow("rtsp without extension") << "rtsp://10.1.2.3/live" << kWinamp << "Launching WinAMP";
    QTest::newRow("blanks and shell characters")
        << "http://h/a b;$(rm -rf ~)`id`&'x'\"y\".pls" << kWinamp << "Launching WinAMP";
}

void TestPlayDispatch::playsInThePlayerOfTheLink()
{
    QFETCH(QString, link);
    QFETCH(QString, program);
    QFETCH(QString, status);
    m_dispatch->launchURL(link, u"Some Station"_s, PlayDispatch::kNoPreset);

    QCOMPARE(m_services->launcher.launches.size(), 1);
    QCOMPARE(m_services->launcher.launches[0].program, program);
    QCOMPARE(m_services->launcher.launches[0].arguments, QStringList{link});
    QCOMPARE(m_view->statuses, (QStringList{u"Looking for Player.."_s, u"Playing..."_s, status}));
    QVERIFY(m_services->dialogs.messages.isEmpty());
    QVERIFY(m_services->pointer.busyCount > 0);
    QVERIFY(!m_services->pointer.busy);
}

void TestPlayDispatch::storedValueBecomesProgramAndArguments_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    const QString link = u"http://h/a.ram"_s;
    QTest::newRow("existing file with blank") << "%FILE%"
                                              << "%FILE%" << QStringList{link};
    QTest::newRow("desktop command") << "/usr/bin/mpv --player-operation-mode=pseudo-gui --"
                                     << "/usr/bin/mpv"
                                     << QStringList{u"--player-operation-mode=pseudo-gui"_s, u"--"_s, link};
    QTest::newRow("quoted program with blank") << "\"/opt/My Player/play\" --gui"
                                               << "/opt/My Player/play" << QStringList{u"--gui"_s, link};
    QTest::newRow("unquoted missing path splits") << "/opt/My Player/play"
                                                  << "/opt/My" << QStringList{u"Player/play"_s, link};
}

void TestPlayDispatch::storedValueBecomesProgramAndArguments()
{
    QFETCH(QString, stored);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"My Player"_s);
    QFile(file).open(QIODevice::WriteOnly);
    stored.replace(u"%FILE%"_s, file);
    program.replace(u"%FILE%"_s, file);
    const auto command = PlayerCommand::forLink(stored, u"http://h/a.ram"_s);
    QVERIFY(command);
    QCOMPARE(command->program, program);
    QCOMPARE(command->arguments, arguments);
    QVERIFY(!PlayerCommand::forLink(u"   "_s, u"http://h/a.ram"_s));
}

void TestPlayDispatch::missingPlayer_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("player");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("tab");
    QTest::newRow("RealPlayer") << "http://h/a.ram" << int(Player::RealPlayer)
                                << "Unable to locate RealPlayer." << 1;
    QTest::newRow("Winamp") << "http://h/a.pls" << int(Player::Winamp) << "Unable to locate WinAmp." << 2;
    QTest::newRow("Media Player") << "http://h/a.asf" << int(Player::MediaPlayer)
                                  << "Unable to locate Microsoft Media Player." << 3;
    QTest::newRow("StreamWorks") << "http://h/a.xdm" << int(Player::StreamWorks)
                                 << "Unable to locate StreamWorks Player." << 4;
}

void TestPlayDispatch::missingPlayer()
{
    QFETCH(QString, link);
    QFETCH(int, player);
    QFETCH(QString, message);
    QFETCH(int, tab);
    m_state->Players[static_cast<Player>(player)].clear();
    m_dispatch->launchURL(link, u"Station"_s, PlayDispatch::kNoPreset);

    const QList<RecordedMessage>& messages = m_services->dialogs.messages;
    QCOMPARE(messages.size(), 3);
    QCOMPARE(messages[0].text, message);
    QCOMPARE(messages[0].icon, MessageIcon::Critical);
    QVERIFY(messages[1].text.startsWith(u"You are missing neccesary players"_s));
    QVERIFY(messages[2].text.startsWith(u"Please manually locate players"_s));
    for (const RecordedMessage& shown : messages)
        QCOMPARE(shown.title, u"Skylark! Broadcast"_s);
    QCOMPARE(m_view->setupTabs, QList<int>{tab});
    QVERIFY(!m_view->busyAtSetup);
    QVERIFY(m_services->launcher.launches.isEmpty());
    QVERIFY(!m_dispatch->isFetching());
    QCOMPARE(m_server->targets().size(), 0);
    QVERIFY(!m_services->pointer.busy);
}

void TestPlayDispatch::noItemSelected_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("presetMarked");
    QTest::newRow("empty preset") << "NONE" << 3 << true;
    QTest::newRow("empty link from preset 0") << "" << 0 << true;
    QTest::newRow("empty grid row") << "" << int(PlayDispatch::kNoPreset) << false;
    QTest::newRow("NONE from the grid") << "NONE" << int(PlayDispatch::kNoPreset) << false;
}

void TestPlayDispatch::noItemSelected()
{
    QFETCH(QString, link);
    QFETCH(int, index);
    QFETCH(bool, presetMarked);
    m_dispatch->launchURL(link, QString(), index);

    QCOMPARE(m_services->dialogs.texts(), QStringList{u"No item selected."_s});
    QCOMPARE(m_services->dialogs.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(m_services->dialogs.messages[0].title, u"Skylark! Broadcast"_s);
    const QList<QPair<int, int>> expected =
        presetMarked ? QList<QPair<int, int>>{{index, 8}} : QList<QPair<int, int>>{};
    QCOMPARE(m_view->presetPointers, expected);
    QVERIFY(m_services->launcher.launches.isEmpty());
    QVERIFY(!m_services->pointer.busy);
}

void TestPlayDispatch::linkWithoutDotDoesNothing()
{
    m_dispatch->launchURL(u"rtsp://localhost/live"_s, u"x"_s, 2);
    QVERIFY(m_services->launcher.launches.isEmpty());
    QVERIFY(m_services->dialogs.messages.isEmpty());
    QVERIFY(m_view->statuses.isEmpty());
    QVERIFY(m_services->pointer.busyCount > 0);
    QVERIFY(!m_services->pointer.busy);
}

void TestPlayDispatch::refusedLinks_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("message");
    const QString option = u"The stream address begins with \"-\" and cannot be played."_s;
    const QString control = u"The stream address contains control characters and cannot be played."_s;
    QTest::newRow("option") << "--script=/tmp/evil.lua.pls" << option;
    QTest::newRow("option after blanks") << "  -o/tmp/x.ram" << option;
    QTest::newRow("line feed") << "http://h/a\n--x.ram" << control;
    QTest::newRow("carriage return") << "http://h/a\r.asx" << control;
    QTest::newRow("NUL") << QString(u"http://h/a"_s + QChar(0) + u".pls"_s) << control;
    QTest::newRow("escape") << "http://h/\x1b[2J.pls" << control;
    QTest::newRow("DEL") << "http://h/\x7f.pls" << control;
}

void TestPlayDispatch::refusedLinks()
{
    QFETCH(QString, link);
    QFETCH(QString, message);
    m_dispatch->launchURL(link, u"Station"_s, PlayDispatch::kNoPreset);
    QVERIFY(m_services->launcher.launches.isEmpty());
    QCOMPARE(m_services->dialogs.texts(), QStringList{message});
    QCOMPARE(m_services->dialogs.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(m_services->dialogs.messages[0].title, u"Skylark! Broadcast"_s);
    QVERIFY(!m_view->statuses.contains(u"Playing..."_s));
    QVERIFY(!m_services->pointer.busy);
}

void TestPlayDispatch::realProgramGetsLinkAsOneArgument()
{
    QTemporaryDir dir;
    const QString program = dir.filePath(u"My Players/real play"_s);
    QVERIFY(QDir().mkpath(QFileInfo(program).path()));
    {
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(
            "#!/bin/sh\nout=\"$(dirname \"$0\")/args\"\n"
            "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.part\"\nmv \"$out.part\" \"$out\"\n");
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ProcessLauncher processes;
    TestServices& s = *m_services;
    PlayDispatch dispatch(*m_state, {s.dialogs, processes, s.opener, s.clipboard, s.pointer}, *m_client,
                          *m_view);
    m_state->Players[Player::RealPlayer] = program;
    const QString marker = dir.filePath(u"pwned"_s);
    const QString link = u"http://h/a b  \"q\" 'x' $(touch "_s + marker + u"); touch "_s + marker +
                         u" `id` | & > < * ~ $HOME.ram"_s;
    dispatch.launchURL(link, u"Station"_s, PlayDispatch::kNoPreset);

    const QString argsFile = dir.filePath(u"My Players/args"_s);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(argsFile), 10000);
    QFile args(argsFile);
    QVERIFY(args.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(args.readAll()), link + u"\n"_s);
    QVERIFY(!QFile::exists(marker));
}

void TestPlayDispatch::streamWorksDescriptions_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QString>("address");
    QTest::newRow("STREAM= CR LF") << QByteArray("[Xing]\r\nSTREAM=http://s.example/live\r\nRATE=16\r\n")
                                   << "http://s.example/live";
    QTest::newRow("Stream: blank") << QByteArray("Stream: http://s.example/live\r\n")
                                   << "http://s.example/live";
    QTest::newRow("lower case") << QByteArray("stream=http://s.example/live\n") << "http://s.example/live";
    QTest::newRow("blanks and equals")
        << QByteArray("STREAM = =http://s.example/live\x0bnext") << "http://s.example/live";
    QTest::newRow("no line end") << QByteArray("STREAM=xdma://s.example:1/a") << "xdma://s.example:1/a";
    QTest::newRow("first occurrence wins")
        << QByteArray("NAME=Jazzstream Radio\r\nSTREAM=http://x/\r\n") << "Radio";
    QTest::newRow("split over blocks") << QByteArray("x").repeated(3000) + "\r\nSTREAM=http://s.example/b\r\n"
                                       << "http://s.example/b";
}

void TestPlayDispatch::streamWorksDescriptions()
{
    QFETCH(QByteArray, description);
    QFETCH(QString, address);
    m_server->setReply(ScriptedReply::page(description, 200, "text/plain", 1000));
    const QString link = m_server->url(u"/live.xdm"_s);
    m_dispatch->launchURL(link, u"Station"_s, PlayDispatch::kNoPreset);
    QVERIFY(m_dispatch->isFetching());
    QVERIFY(m_services->pointer.busy);
    waitForFetch();

    QCOMPARE(m_server->targets(), QList<QByteArray>{"/live.xdm"});
    QCOMPARE(m_services->launcher.launches.size(), 1);
    QCOMPARE(m_services->launcher.launches[0].program, kStreamWorks);
    QCOMPARE(m_services->launcher.launches[0].arguments, QStringList{address});
    QVERIFY(m_services->dialogs.messages.isEmpty());
    QCOMPARE(m_view->statuses,
             (QStringList{u"Looking for Player.."_s, u"Playing..."_s, u"Launching StreamWorks Player"_s}));
    QVERIFY(!m_services->pointer.busy);
}

void TestPlayDispatch::streamWorksFailures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    const QString cannot = u"Cannot connect.."_s;
    QTest::newRow("no STREAM line") << "/none.xdm" << cannot;
    QTest::newRow("error page") << "/missing.xdm" << cannot;
    QTest::newRow("empty address") << "/empty.xdm" << cannot;
    QTest::newRow("refused port") << "closed" << cannot;
    QTest::newRow("not a web address") << "file" << cannot;
    QTest::newRow("address is an option") << "/option.xdm"
                                          << "The stream address begins with \"-\" and cannot be played.";
    QTest::newRow("address with control character")
        << "/control.xdm"
        << "The stream address contains control characters and cannot be played.";
}

void TestPlayDispatch::streamWorksFailures()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    m_server->setHandler([](const QByteArray& target) {
        if (target == "/none.xdm")
            return ScriptedReply::page("[Xing]\r\nRATE=16\r\n", 200, "text/plain");
        if (target == "/empty.xdm")
            return ScriptedReply::page("STREAM=\r\n", 200, "text/plain");
        if (target == "/option.xdm")
            return ScriptedReply::page("STREAM=--config=/tmp/x\r\n", 200, "text/plain");
        if (target == "/control.xdm")
            return ScriptedReply::page("STREAM=http://a/\x1b]0;x\r\n", 200, "text/plain");
        return ScriptedReply::page("<h1>Not Found</h1>", 404);
    });
    QString link = m_server->url(path);
    if (path == u"closed"_s) {
        TestServer closed;
        QVERIFY(closed.start());
        link = closed.url(u"/a.xdm"_s);
    } else if (path == u"file"_s) {
        link = u"file:///etc/hostname.xdm"_s;
    }
    m_dispatch->launchURL(link, u"Station"_s, PlayDispatch::kNoPreset);
    waitForFetch();

    QVERIFY(m_services->launcher.launches.isEmpty());
    QCOMPARE(m_services->dialogs.texts(), QStringList{message});
    QCOMPARE(m_services->dialogs.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(m_services->dialogs.messages[0].title, u"Skylark! Broadcast"_s);
    QCOMPARE(m_view->statuses.constLast(), u"Launching StreamWorks Player"_s);
    QVERIFY(!m_services->pointer.busy);
}

void TestPlayDispatch::streamWorksSilentServerTimesOutOnTicks()
{
    m_server->setReply(ScriptedReply::silence());
    m_dispatch->launchURL(m_server->url(u"/silent.xdm"_s), u"Station"_s, PlayDispatch::kNoPreset);
    QTRY_COMPARE(m_server->targets().size(), 1);
    for (int i = 0; i < 29; ++i)
        m_state->tick();
    QVERIFY(m_dispatch->isFetching());
    QVERIFY(m_services->dialogs.messages.isEmpty());
    QVERIFY(m_services->pointer.busy);
    m_state->tick();
    QVERIFY(!m_dispatch->isFetching());
    QCOMPARE(m_services->dialogs.texts(), QStringList{u"Cannot connect.."_s});
    QVERIFY(!m_client->IsBusy());
    QVERIFY(m_services->launcher.launches.isEmpty());
    QVERIFY(!m_services->pointer.busy);
}

void TestPlayDispatch::streamWorksDataResetsIdleCount()
{
    // The address arrives, then the server goes quiet without ending the document.
    const QByteArray body = "STREAM=http://s.example/slow\r\nmore";
    ScriptedReply reply;
    reply.chunks = {httpHead(body.size() + 100) + body, QByteArray(100, 'x')};
    reply.delayMs = 600000;
    m_server->setReply(reply);
    QSignalSpy events(m_client.get(), &HttpClient::DocumentEvent);
    m_dispatch->launchURL(m_server->url(u"/slow.xdm"_s), u"Station"_s, PlayDispatch::kNoPreset);
    for (int i = 0; i < 20; ++i)
        m_state->tick();
    QTRY_VERIFY(std::any_of(events.begin(), events.end(), [](const QList<QVariant>& event) {
        return event.at(0).toInt() == HttpClient::Data;
    }));
    for (int i = 0; i < 29; ++i)
        m_state->tick();
    QVERIFY(m_dispatch->isFetching());
    m_state->tick();
    QVERIFY(!m_dispatch->isFetching());
    QCOMPARE(m_services->launcher.launches.size(), 1);
    QCOMPARE(m_services->launcher.launches[0].arguments, QStringList{u"http://s.example/slow"_s});
}

void TestPlayDispatch::streamWorksStopEndsWait()
{
    m_server->setReply(ScriptedReply::silence());
    m_state->StopRequested = true; // a stop left over from an earlier search does not count
    m_dispatch->launchURL(m_server->url(u"/silent.xdm"_s), u"Station"_s, PlayDispatch::kNoPreset);
    QVERIFY(!m_state->StopRequested);
    QTRY_COMPARE(m_server->targets().size(), 1);
    m_state->tick();
    QVERIFY(m_dispatch->isFetching());
    m_state->StopRequested = true;
    m_state->tick();
    QVERIFY(!m_dispatch->isFetching());
    QCOMPARE(m_services->dialogs.texts(), QStringList{u"Cannot connect.."_s});
    QVERIFY(!m_client->IsBusy());
}

void TestPlayDispatch::streamWorksGoesThroughProxy()
{
    m_server->setReply(ScriptedReply::page("STREAM=http://s.example/p\r\n", 200, "text/plain"));
    m_state->ProxyHost = u"127.0.0.1"_s;
    m_state->ProxyPort = u" "_s + QString::number(m_server->port()) + u" "_s;
    m_dispatch->launchURL(u"http://streams.invalid/a.xdm"_s, u"Station"_s, PlayDispatch::kNoPreset);
    waitForFetch();

    QCOMPARE(m_server->targets(), QList<QByteArray>{"http://streams.invalid/a.xdm"});
    const HttpProxySettings& proxy = m_client->ProxySettings();
    QVERIFY(proxy.ProxyOn);
    QCOMPARE(proxy.ProxyHostName, u"127.0.0.1"_s);
    QCOMPARE(proxy.ProxyPortNumber, qint32(m_server->port()));
    QCOMPARE(m_services->launcher.launches.size(), 1);

    // Without a proxy host the client's settings stay as they are.
    m_client->ProxySettings() = HttpProxySettings{};
    m_state->ProxyHost.clear();
    m_dispatch->launchURL(m_server->url(u"/b.xdm"_s), u"Station"_s, PlayDispatch::kNoPreset);
    waitForFetch();
    QVERIFY(!m_client->ProxySettings().ProxyOn);
    QCOMPARE(m_services->launcher.launches.size(), 2);
}

void TestPlayDispatch::streamWorksListensOnlyWhileFetching()
{
    m_server->setReply(ScriptedReply::page("STREAM=http://s.example/a\r\n", 200, "text/plain"));
    m_dispatch->launchURL(m_server->url(u"/a.xdm"_s), u"Station"_s, PlayDispatch::kNoPreset);
    waitForFetch();
    QCOMPARE(m_services->launcher.launches.size(), 1);

    // A search on the same client afterwards is none of the fetch's business.
    QSignalSpy events(m_client.get(), &HttpClient::DocumentEvent);
    m_state->IdleSeconds = 7;
    m_client->RequestDocument(m_server->url(u"/search.asp"_s));
    QTRY_VERIFY(!events.isEmpty() && events.constLast().at(0).toInt() == HttpClient::End);
    QCOMPARE(m_state->IdleSeconds, 7);
    for (int i = 0; i < 40; ++i)
        m_state->tick();
    QCOMPARE(m_services->launcher.launches.size(), 1);
    QVERIFY(m_services->dialogs.messages.isEmpty());
}

void TestPlayDispatch::openWithShellOpensWebAndMail_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("opened");
    QTest::newRow("http") << "http://radio.example/"
                          << "http://radio.example/";
    QTest::newRow("https upper-case scheme") << "HTTPS://radio.example/a?b=c"
                                             << "https://radio.example/a?b=c";
    QTest::newRow("ftp") << "ftp://files.example/pub"
                         << "ftp://files.example/pub";
    QTest::newRow("mailto") << "mailto:friend@example.com?subject=Hi%20there"
                            << "mailto:friend@example.com?subject=Hi%20there";
    QTest::newRow("blanks around") << "  http://radio.example/  "
                                   << "http://radio.example/";
}

void TestPlayDispatch::openWithShellOpensWebAndMail()
{
    QFETCH(QString, target);
    QFETCH(QString, opened);
    ShellOpener shell(m_services->services());
    QVERIFY(shell.OpenWithShell(target));
    QCOMPARE(m_services->opener.opened, QList<QUrl>{QUrl(opened)});
    QVERIFY(m_services->dialogs.messages.isEmpty());
    QVERIFY(m_services->pointer.busyCount > 0);
    QVERIFY(!m_services->pointer.busy);
}

void TestPlayDispatch::openWithShellRefuses_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("file address") << "file:///etc/passwd";
    QTest::newRow("javascript") << "javascript:alert(1)";
    QTest::newRow("bare path") << "/usr/bin/xterm";
    QTest::newRow("program name") << "xterm";
    QTest::newRow("windows program") << "C:\\Windows\\notepad.exe";
    QTest::newRow("data address") << "data:text/html,<script>x</script>";
    QTest::newRow("web address without host") << "http:///etc/passwd";
    QTest::newRow("mailto without recipient") << "mailto:";
    QTest::newRow("control character") << "http://radio.example/\n--x";
    QTest::newRow("empty") << "";
}

void TestPlayDispatch::openWithShellRefuses()
{
    QFETCH(QString, target);
    ShellOpener shell(m_services->services());
    QVERIFY(!shell.OpenWithShell(target));
    QVERIFY(m_services->opener.opened.isEmpty());
    QCOMPARE(m_services->dialogs.texts(), QStringList{u"Error executing application or file not found"_s});
    QCOMPARE(m_services->dialogs.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(m_services->dialogs.messages[0].title, u"Skylark! Broadcast"_s);
    QVERIFY(!m_services->pointer.busy);
}

void TestPlayDispatch::openWithShellReportsFailure()
{
    m_services->opener.result = false;
    ShellOpener shell(m_services->services());
    QVERIFY(!shell.OpenWithShell(u"http://radio.example/"_s));
    QCOMPARE(m_services->opener.opened.size(), 1);
    QCOMPARE(m_services->dialogs.texts(), QStringList{u"Error executing application or file not found"_s});
    QVERIFY(!m_services->pointer.busy);
}

QTEST_GUILESS_MAIN(TestPlayDispatch)
#include "tst_playdispatch.moc"
