#include "playback/StreamFormat.h"

#include <QTest>

Q_DECLARE_METATYPE(Player)

class TestStreamFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classification_data();
    void classification();
    void extension_data();
    void extension();
    void emptyLinkLeavesStatus();
};

void TestStreamFormat::classification_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("status");
    QTest::addColumn<Player>("player");

    const QString real = QStringLiteral("RealAudio Stream");
    const QString media = QStringLiteral("Microsoft Media Stream");
    const QString mp3 = QStringLiteral("MP3 Shoutcast Stream");
    const QString xing = QStringLiteral("Xing StreamWorks Stream");

    QTest::newRow(".ram") << "http://host/live.ram" << real << Player::RealPlayer;
    QTest::newRow(".ra upper") << "HTTP://HOST/A.RA" << real << Player::RealPlayer;
    QTest::newRow(".rm") << "http://host/a.rm" << real << Player::RealPlayer;
    QTest::newRow(".smi") << "http://host/a.smi" << real << Player::RealPlayer;
    QTest::newRow(".smil") << "http://host/a.SmIl" << real << Player::RealPlayer;
    QTest::newRow(".rpm shows real, plays winamp") << "http://host/a.rpm" << real << Player::Winamp;
    QTest::newRow(".rmm shows mp3, plays real") << "http://host/a.rmm" << mp3 << Player::RealPlayer;
    QTest::newRow(".asx") << "http://host/a.asx" << media << Player::MediaPlayer;
    QTest::newRow(".asf") << "http://host/a.asf" << media << Player::MediaPlayer;
    QTest::newRow(".wma") << "http://host/a.wma" << media << Player::MediaPlayer;
    QTest::newRow(".wmv") << "http://host/a.wmv" << media << Player::MediaPlayer;
    QTest::newRow(".wax") << "http://host/a.wax" << media << Player::MediaPlayer;
    QTest::newRow(".xdm") << "http://host/a.xdm" << xing << Player::StreamWorks;
    QTest::newRow(".pls") << "http://host/a.pls" << mp3 << Player::Winamp;
    QTest::newRow(".m3u") << "http://host/a.m3u" << mp3 << Player::Winamp;
    QTest::newRow(".mp3") << "http://host/a.mp3" << mp3 << Player::Winamp;
    QTest::newRow("makeasx") << "http://host/cgi/makeasx.asp?id=7" << media << Player::MediaPlayer;
    QTest::newRow("makeram") << "http://host/makeram.cgi?s=1" << real << Player::RealPlayer;
    QTest::newRow("makeasx before makeram") << "http://h/makeram/makeasx.cgi" << media << Player::MediaPlayer;
    QTest::newRow("rtsp with .rm") << "rtsp://host/a.rm" << real << Player::RealPlayer;
    QTest::newRow("rtsp without extension") << "rtsp://10.1.2.3/live" << real << Player::Winamp;
    QTest::newRow("query after extension") << "http://host/x.ram?id=1" << mp3 << Player::Winamp;
    QTest::newRow("trailing quote") << "http://host/a.ram\"" << mp3 << Player::RealPlayer;
    QTest::newRow("quote inside extension") << "http://host/a.a\"sx" << mp3 << Player::MediaPlayer;
    QTest::newRow("extension row wins over makeram")
        << "http://h/makeram/a.asx" << media << Player::MediaPlayer;
    QTest::newRow("no dot") << "mms:live-link" << mp3 << Player::Winamp;
    QTest::newRow("dot in host only") << "http://radio.example/live" << mp3 << Player::Winamp;
}

void TestStreamFormat::classification()
{
    QFETCH(QString, link);
    QFETCH(QString, status);
    QFETCH(Player, player);
    QCOMPARE(StreamFormat::ShowStreamFormat(link), status);
    QCOMPARE(StreamFormat::PlayerForLink(link), player);
}

void TestStreamFormat::extension_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("extension");
    QTest::newRow("plain") << "http://h/a.ram"
                           << ".RAM";
    QTest::newRow("query kept") << "http://h/x.ram?id=1"
                                << ".RAM?ID=1";
    QTest::newRow("last dot") << "rtsp://10.1.2.3/live"
                              << ".3/LIVE";
    QTest::newRow("no dot") << "abc"
                            << "ABC";
    QTest::newRow("ends in dot") << "http://h/a."
                                 << ".";
    QTest::newRow("dot first") << ".pls"
                               << ".PLS";
}

void TestStreamFormat::extension()
{
    QFETCH(QString, link);
    QFETCH(QString, extension);
    QCOMPARE(StreamFormat::linkExtension(link), extension);
}

void TestStreamFormat::emptyLinkLeavesStatus()
{
    QVERIFY(StreamFormat::ShowStreamFormat(QString()).isEmpty());
}

QTEST_GUILESS_MAIN(TestStreamFormat)
#include "tst_streamformat.moc"
