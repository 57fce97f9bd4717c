#include "playback/StreamFormat.h"

#include <QTest>

Q_DECLARE_METATYPE(Player)

class TestStreamFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classification_data();
    void classification();
};

// The status line and the player are picked by two tables that differ on purpose (.RPM,
// .RMM, quotes, rtsp); each row is an edge where they part or where one rule shadows another.
void TestStreamFormat::classification_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("status");
    QTest::addColumn<Player>("player");

    const QString real = QStringLiteral("RealAudio Stream");
    const QString media = QStringLiteral("Microsoft Media Stream");
    const QString mp3 = QStringLiteral("MP3 Shoutcast Stream");

    QTest::newRow(".ram") << "http://host/live.ram" << real << Player::RealPlayer;
    QTest::newRow(".RPM shows real, plays winamp") << "HTTP://HOST/A.RPM" << real << Player::Winamp;
    QTest::newRow(".rmm shows mp3, plays real") << "http://host/a.rmm" << mp3 << Player::RealPlayer;
    QTest::newRow(".asx") << "http://host/a.asx" << media << Player::MediaPlayer;
    QTest::newRow(".xdm") << "http://host/a.xdm"
                          << "Xing StreamWorks Stream" << Player::StreamWorks;
    QTest::newRow(".pls") << "http://host/a.pls" << mp3 << Player::Winamp;
    QTest::newRow("makeasx") << "http://host/cgi/makeasx.asp?id=7" << media << Player::MediaPlayer;
    QTest::newRow("makeram") << "http://host/makeram.cgi?s=1" << real << Player::RealPlayer;
    QTest::newRow("makeasx before makeram") << "http://h/makeram/makeasx.cgi" << media << Player::MediaPlayer;
    QTest::newRow("extension row wins over makeram")
        << "http://h/makeram/a.asx" << media << Player::MediaPlayer;
    QTest::newRow("rtsp with .rm") << "rtsp://host/a.rm" << real << Player::RealPlayer;
    QTest::newRow("rtsp without extension") << "rtsp://10.1.2.3/live" << real << Player::Winamp;
    QTest::newRow("query after extension") << "http://host/x.ram?id=1" << mp3 << Player::Winamp;
    QTest::newRow("trailing quote") << "http://host/a.ram\"" << mp3 << Player::RealPlayer;
    QTest::newRow("no dot") << "mms:live-link" << mp3 << Player::Winamp;
    QTest::newRow("empty leaves the status") << ""
                                             << "" << Player::Winamp;
}

void TestStreamFormat::classification()
{
    QFETCH(QString, link);
    QFETCH(QString, status);
    QFETCH(Player, player);
    QCOMPARE(StreamFormat::ShowStreamFormat(link), status);
    QCOMPARE(StreamFormat::PlayerForLink(link), player);
}

QTEST_GUILESS_MAIN(TestStreamFormat)
#include "tst_streamformat.moc"
