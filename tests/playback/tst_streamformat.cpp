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

// Each row is an edge where the status, player and scanner readers of the one table part.
void TestStreamFormat::classification_data()
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
    QTest::newRow(".RPM shows real, plays winamp") << "HTTP://HOST/A.RPM" << real << Player::Winamp << toReal;
    QTest::newRow(".rmm shows mp3, plays real") << "http://host/a.rmm" << mp3 << Player::RealPlayer << toNone;
    QTest::newRow(".asx") << "http://host/a.asx" << media << Player::MediaPlayer << toMedia;
    QTest::newRow(".xdm") << "http://host/a.xdm"
                          << "Xing StreamWorks Stream" << Player::StreamWorks << QStringLiteral("X");
    QTest::newRow(".pls") << "http://host/a.pls" << mp3 << Player::Winamp << toNone;
    QTest::newRow(".m3u before makeasx") << "http://h/makeasx/a.m3u" << mp3 << Player::MediaPlayer << toNone;
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

void TestStreamFormat::classification()
{
    QFETCH(QString, link);
    QFETCH(QString, status);
    QFETCH(Player, player);
    QFETCH(QString, scan);
    QCOMPARE(StreamFormat::showStreamFormat(link), status);
    QCOMPARE(StreamFormat::playerForLink(link), player);
    QCOMPARE(StreamFormat::scanPlayerCode(link), scan);
}

QTEST_GUILESS_MAIN(TestStreamFormat)
#include "tst_streamformat.moc"
