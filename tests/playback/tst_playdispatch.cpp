#include "Recorders.h"
#include "TestServer.h"

#include "core/Settings.h"
#include "core/Tick.h"
#include "playback/PlayDispatch.h"
#include "playback/PlayView.h"
#include "playback/ShellOpener.h"
#include "playback/StreamFormat.h"
#include "search/HttpClient.h"
#include "search/HttpProxy.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Player)

namespace {
// The main window's side of play dispatch, recorded; the pointer must be normal before setup opens.
class RecordingView : public PlayView
{
public:
    explicit RecordingView(const RecordingPointer& pointer) : m_pointer(pointer) {}
    void setStatus(const QString& text) override { statuses.append(text); }
    void showSetupOnTab(int tab) override
    {
        setupTabs.append(tab);
        busyAtSetup = m_pointer.busy();
    }
    void setPresetPointer(int index, int picture) override { presetPointers.append({index, picture}); }

    QStringList statuses;
    QList<int> setupTabs;
    bool busyAtSetup = true;
    QList<QPair<int, int>> presetPointers;

private:
    const RecordingPointer& m_pointer;
};

const QString kStreamWorks = u"/players/streamworks"_s;
const QString kOption = u"The stream address begins with \"-\" and cannot be played."_s;
const QString kControl = u"The stream address contains control characters and cannot be played."_s;
const QString kCannotConnect = u"Cannot connect.."_s;
} // namespace

class TestPlayDispatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_backing.values.clear();
        m_services = std::make_unique<TestServices>();
        m_view = std::make_unique<RecordingView>(m_services->pointer);
        m_client = std::make_unique<HttpClient>();
        m_dispatch =
            std::make_unique<PlayDispatch>(m_services->services(), m_players, *m_client, m_tick, *m_view);
        m_server = std::make_unique<TestServer>();
        QVERIFY(m_server->start());
        m_players.use(Player::RealPlayer, u"/players/real"_s);
        m_players.use(Player::MediaPlayer, u"/players/media"_s);
        m_players.use(Player::Winamp, u"/players/winamp"_s);
        m_players.use(Player::StreamWorks, kStreamWorks);
    }

    void cleanup()
    {
        QVERIFY(!m_services->pointer.unbalanced);
        m_dispatch.reset();
        m_client.reset();
        m_server.reset();
    }

    // The player's own line, then the two general lines about missing players; setup opens on the
    // player's tab. Nothing is fetched for a StreamWorks link when there is no player for it.
    void missingPlayer()
    {
        launch(u"rtsp://localhost/live"_s); // no dot: nothing to play, nothing said
        QVERIFY(m_view->statuses.isEmpty());
        m_players.use(Player::StreamWorks, QString());
        launch(u"http://h/a.xdm"_s);
        const QList<RecordedMessage>& messages = m_services->dialogs.messages;
        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages[0].text, u"Unable to locate StreamWorks Player."_s);
        QCOMPARE(messages[2].icon, MessageIcon::Information);
        QCOMPARE(m_view->setupTabs, QList<int>{4});
        QVERIFY(!m_view->busyAtSetup);
        QVERIFY(m_services->launcher.launches.isEmpty());
        QVERIFY(!m_dispatch->isFetching());
        QVERIFY(!m_services->pointer.busy());
    }

    void refusedWithOneError_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("index"); // the preset button that asked, if any
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("presetMarked");
        const QString none = u"No item selected."_s;
        const int grid = PlayDispatch::kNoPreset;
        QTest::newRow("empty last preset") << "NONE" << 9 << none << true;
        QTest::newRow("empty grid row") << "" << grid << none << false;
        QTest::newRow("option") << "--script=/tmp/evil.lua.pls" << 1 << kOption << false;
        QTest::newRow("option after blanks") << "  -o/tmp/x.ram" << grid << kOption << false;
        QTest::newRow("line feed") << "http://h/a\n--x.ram" << grid << kControl << false;
    }

    void refusedWithOneError()
    {
        QFETCH(QString, link);
        QFETCH(int, index);
        QFETCH(QString, message);
        QFETCH(bool, presetMarked);
        m_dispatch->launchURL(link, QString(), index);

        verifyOneError(message);
        QVERIFY(!m_view->statuses.contains(u"Playing..."_s));
        const QList<QPair<int, int>> expected =
            presetMarked ? QList<QPair<int, int>>{{index, 8}} : QList<QPair<int, int>>{};
        QCOMPARE(m_view->presetPointers, expected);
    }

    // A StreamWorks link names a description; the player gets the address written in it.
    void streamWorksDescriptions_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QString>("outcome"); // the address played, or else the error shown
        const QString live = u"http://s.example/live"_s;
        const QString onServer; // the description on the test server
        QTest::newRow("STREAM= CR LF")
            << onServer << QByteArray("[Xing]\r\nSTREAM=http://s.example/live\r\nRATE=16\r\n") << live;
        QTest::newRow("Stream: blank") << onServer << QByteArray("Stream: http://s.example/live\r\n") << live;
        QTest::newRow("lower case, no line end")
            << onServer << QByteArray("stream=xdma://s.example:1/a") << "xdma://s.example:1/a";
        QTest::newRow("split over blocks")
            << onServer << QByteArray("x").repeated(3000) + "\r\nSTREAM=" + live.toUtf8() << live;
        QTest::newRow("none") << onServer << QByteArray("[Xing]\r\nRATE=16\r\n") << kCannotConnect;
        QTest::newRow("empty address") << onServer << QByteArray("STREAM=\r\n") << kCannotConnect;
        QTest::newRow("address is an option")
            << onServer << QByteArray("STREAM=--config=/tmp/x\r\n") << kOption;
        QTest::newRow("refused port") << "closed" << QByteArray() << kCannotConnect;
        QTest::newRow("not a web address") << "file:///etc/hostname.xdm" << QByteArray() << kCannotConnect;
    }

    void streamWorksDescriptions()
    {
        QFETCH(QString, link);
        QFETCH(QByteArray, description);
        QFETCH(QString, outcome);
        m_server->setReply(ScriptedReply::page(description, 200, "text/plain", 1000));
        if (link.isEmpty()) {
            link = m_server->url(u"/live.xdm"_s);
        } else if (link == u"closed"_s) {
            TestServer closed;
            QVERIFY(closed.start());
            link = closed.url(u"/a.xdm"_s);
        }
        launch(link);
        const bool web = link.startsWith(u"http:"_s);
        QCOMPARE(m_dispatch->isFetching(), web);
        QCOMPARE(m_services->pointer.busy(), web);
        QTRY_VERIFY_WITH_TIMEOUT(!m_dispatch->isFetching(), 10000);

        QCOMPARE(m_view->statuses, (QStringList{u"Looking for Player.."_s, u"Playing..."_s,
                                                u"Launching StreamWorks Player"_s}));
        if (outcome.contains(u"://"_s)) {
            QCOMPARE(m_services->launcher.launches.size(), 1);
            QCOMPARE(m_services->launcher.launches[0].program, kStreamWorks);
            QCOMPARE(m_services->launcher.launches[0].arguments, QStringList{outcome});
            QVERIFY(m_services->dialogs.messages.isEmpty());
            QVERIFY(!m_services->pointer.busy());
        } else {
            verifyOneError(outcome);
        }
    }

    void openWithShell_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("opened"); // what the desktop is asked to open, if anything
        QTest::addColumn<bool>("success");
        QTest::newRow("https upper-case scheme, blanks around") << "  HTTPS://radio.example/a?b=c  "
                                                                << "https://radio.example/a?b=c" << true;
        QTest::newRow("desktop fails") << "http://radio.example/"
                                       << "http://radio.example/" << false;
        QTest::newRow("file address") << "file:///etc/passwd" << QString() << false;
        QTest::newRow("javascript") << "javascript:alert(1)" << QString() << false;
        QTest::newRow("web address without host") << "http:///etc/passwd" << QString() << false;
        QTest::newRow("bare mailto: a new message") << "mailto:"
                                                    << "mailto:" << true;
        QTest::newRow("control character") << "http://radio.example/\n--x" << QString() << false;
    }

    void openWithShell()
    {
        QFETCH(QString, target);
        QFETCH(QString, opened);
        QFETCH(bool, success);
        m_services->opener.result = success;
        QCOMPARE(ShellOpener(m_services->services()).openWithShell(target), success);
        QCOMPARE(m_services->opener.opened, opened.isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl(opened)});
        if (success)
            QVERIFY(m_services->dialogs.messages.isEmpty());
        else
            verifyOneError(u"Error executing application or file not found"_s);
    }

    // Each row is an edge where the status, player and scanner readers of the one table part.
    void classification_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("status");
        QTest::addColumn<Player>("player");
        QTest::addColumn<QString>("scan");

        const QString real = QStringLiteral("RealAudio Stream");
        const QString media = QStringLiteral("Microsoft Media Stream");
        const QString mp3 = QStringLiteral("MP3 Shoutcast Stream");
        const QString toReal = QStringLiteral("R");
        const QString toMedia = QStringLiteral("N");
        const QString toNone = QStringLiteral("2");

        QTest::newRow(".ram") << "http://host/live.ram" << real << Player::RealPlayer << toReal;
        QTest::newRow(".RPM shows real, plays winamp")
            << "HTTP://HOST/A.RPM" << real << Player::Winamp << toReal;
        QTest::newRow(".rmm shows mp3, plays real")
            << "http://host/a.rmm" << mp3 << Player::RealPlayer << toNone;
        QTest::newRow(".xdm") << "http://host/a.xdm"
                              << "Xing StreamWorks Stream" << Player::StreamWorks << QStringLiteral("X");
        QTest::newRow(".m3u before makeasx")
            << "http://h/makeasx/a.m3u" << mp3 << Player::MediaPlayer << toNone;
        QTest::newRow("makeasx before makeram")
            << "http://h/makeram/makeasx.cgi" << media << Player::MediaPlayer << toMedia;
        QTest::newRow("extension row wins over makeram")
            << "http://h/makeram/a.asx" << media << Player::MediaPlayer << toMedia;
        QTest::newRow("rtsp without extension") << "rtsp://10.1.2.3/live" << real << Player::Winamp << toNone;
        QTest::newRow("query after extension") << "http://host/x.ram?id=1" << mp3 << Player::Winamp << toNone;
        QTest::newRow("trailing quote") << "http://host/a.ram\"" << mp3 << Player::RealPlayer << toReal;
        QTest::newRow("no dot, makeasx") << "makeasx/stream" << media << Player::MediaPlayer << toMedia;
        QTest::newRow("empty leaves the status") << ""
                                                 << "" << Player::Winamp << QString();
    }

    void classification()
    {
        QFETCH(QString, link);
        QFETCH(QString, status);
        QFETCH(Player, player);
        QFETCH(QString, scan);
        QCOMPARE(StreamFormat::showStreamFormat(link), status);
        QCOMPARE(StreamFormat::playerForLink(link), player);
        QCOMPARE(StreamFormat::scanPlayerCode(link), scan);
    }

private:
    void verifyOneError(const QString& text);
    void launch(const QString& link) { m_dispatch->launchURL(link, u"Station"_s, PlayDispatch::kNoPreset); }

    MemorySettingsBacking m_backing;
    Settings m_settings{m_backing};
    PlayerPaths m_players{m_settings};
    Tick m_tick;
    std::unique_ptr<TestServices> m_services;
    std::unique_ptr<RecordingView> m_view;
    std::unique_ptr<HttpClient> m_client;
    std::unique_ptr<PlayDispatch> m_dispatch;
    std::unique_ptr<TestServer> m_server;
};

// Exactly one message: the given error, in a critical box with the program's title.
void TestPlayDispatch::verifyOneError(const QString& text)
{
    QCOMPARE(m_services->dialogs.texts(), QStringList{text});
    QCOMPARE(m_services->dialogs.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(m_services->dialogs.messages[0].title, u"Skylark! Broadcast"_s);
    QVERIFY(m_services->launcher.launches.isEmpty());
    QVERIFY(!m_services->pointer.busy());
}

QTEST_GUILESS_MAIN(TestPlayDispatch)
#include "tst_playdispatch.moc"
