#include "DirectoryProcess.h"
#include "Recorders.h"
#include "TestFiles.h"
#include "search/ResultsModel.h"
#include "search/ResultsParser.h"

#include <algorithm>
#include <csignal>

#include <QTemporaryDir>

namespace {

const QString kStations = QStringLiteral(STATION_DATA "/stations.json");
const QByteArray kEverything = "V=3&P=L&T1=fx&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1&LIVE=1&SPD=0";

using Row = QStringList; // station, format, location, speed, address, site

// The rows the client's own reader makes of a results page.
QList<Row> readBack(const QByteArray& page)
{
    ResultsModel model;
    ResultsParser parser(model);
    parser.resetSearch();
    parser.setOptions(false, QStringLiteral("All Connections"));
    parser.append(QString::fromUtf8(page));
    parser.extract();
    QList<Row> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        rows.append({model.cell(row, ResultsModel::LiveStation), model.cell(row, ResultsModel::LiveFormat),
                     model.cell(row, ResultsModel::LiveLocation), model.cell(row, ResultsModel::LiveSpeed),
                     model.cell(row, ResultsModel::LiveUrl), model.cell(row, ResultsModel::LivePage)});
    }
    return rows;
}

// Most votes first, then most clicks; the ftp stream, the repeated stationuuid, the failed
// check, the string and the error-page name are left out.
const QList<Row>& expectedRows()
{
    static const QList<Row> rows{
        strings({"FX Jazz Lounge", "MP3", "Berlin, Germany", "128k", "http://jazz.example.com/live.mp3",
                 "https://jazz.example.com/"}),
        strings({"FX Rock * Radio & News ^ $ ~ @ b>", "AAC+", "France", "96k",
                 "https://rock.example.com/stream", "https://rock.example.com/?a=x"}),
        strings({"FX Tabandnewline here", "OGG Vorbis", "Internet Based", "64k",
                 "http://ctrl.example.com/a.ogg", "http://ctrl.example.com/"}),
        strings({"FX Script Site", "Opus", "Madrid, Spain", "Unknown", "https://js.example.com/opus", ""}),
        strings({"FX Strings For Numbers", "AAC", "Ontario, Canada", "64k", "http://strings.example.com/live",
                 "http://strings.example.com/"}),
        strings({"FX 東京 ラジオ", "MP3", "Tokyo, Japan", "256k", "https://jp.example.com/tokyo",
                 "https://jp.example.com/"}),
        strings({"FX Радио Ромашка", "AAC", "Москва, Россия", "48k", "http://ru.example.com/romashka",
                 "http://ru.example.com/"}),
        strings({"FX Live HLS", "HLS", "Utrecht, The Netherlands", "192k",
                 "https://hls.example.com/live.m3u8", "https://hls.example.com/"}),
        strings({"FX Spaced Address", "FLAC", "Dublin, Ireland", "1411k", "http://spaced.example.com/abcd",
                 "http://spaced.example.com/"}),
        strings({"FX Shouting Scheme", "Unknown", "Mazovia, Poland", "Unknown",
                 "HTTPS://UPPER.example.com/Live", "HTTP://UPPER.example.com/"}),
        strings({"FX Talk: Morning Show", "MP3", "Jalisco, Mexico", "32k", "http://talk.example.com/live",
                 "http://talk.example.com/"}),
        strings({"FX Code Only", "MP3", "Bahia, BR", "128k", "http://code.example.com/live", ""}),
        strings({"FX Bare", "Unknown", "Internet Based", "Unknown", "http://bare.example.com/", ""}),
        strings({"Unknown", "Unknown", "Internet Based", "Unknown", "http://null.example.com/stream", ""}),
        strings({"12345", "3", "Internet Based", "Unknown", "http://types.example.com/live", ""})};
    return rows;
}

// The service started on the station list at path, on a free port.
bool startOn(DirectoryProcess& service, const QString& path, const QStringList& extra = {})
{
    return service.start(
        QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--catalog"), path} +
        extra);
}

} // namespace

// The community station list through the running service and back through the client's reader.
class TestStationList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stationsReadBackAsExpected();
    void hugeFieldsAreCut();
    void reloadUnderSearchesLosesNone();
};

void TestStationList::stationsReadBackAsExpected()
{
    DirectoryProcess service;
    QVERIFY(startOn(service, kStations));
    QVERIFY(service.log().contains("read 20 entries, kept 15, dropped 5 (1 failed its last check, 1 no "
                                   "stream address, or text the client "
                                   "reads as an error, 1 not a station object, 1 repeated stationuuid, 1 "
                                   "stream address not http or https)"));
    const QList<Row> rows = readBack(service.get(service.searchRequest(kEverything)));
    QCOMPARE(rows.size(), expectedRows().size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        QCOMPARE(rows[i], expectedRows()[i]);
    // Tags are the styles a genre search looks in.
    const QList<Row> talk = readBack(service.get(service.searchRequest(
        "V=3&P=L&T1=^talk^,`talk&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1&LIVE=1&FMT=2&SPD=0")));
    QCOMPARE(talk.size(), 2);
    QCOMPARE(talk[0][0], QStringLiteral("FX Strings For Numbers"));
    QCOMPARE(talk[1][0], QStringLiteral("FX Talk: Morning Show"));
    // On request the station that failed its last check stays.
    DirectoryProcess keeping;
    QVERIFY(startOn(keeping, kStations, {QStringLiteral("--keep-failed")}));
    const QList<Row> all = readBack(keeping.get(keeping.searchRequest(kEverything)));
    QCOMPARE(all.size(), rows.size() + 1);
    QVERIFY(std::any_of(all.begin(), all.end(), [](const Row& r) { return r[0] == u"FX Gone Quiet"; }));
}

// Fields of megabytes are cut to their limits at load, never in the middle of a character, and
// the report counts them; the page stays small.
void TestStationList::hugeFieldsAreCut()
{
    const QByteArray huge(1 << 20, 'x');
    const QByteArray station = "[{\"name\": \"fx \xc3\xa9" + huge + "\", \"url\": \"http://a.example.com/" +
                               huge + "\", \"homepage\": \"http://\xe6\x9d\xb1" + huge + "\", \"tags\": \"" +
                               QByteArray("rock,").repeated(1 << 16) + "\", \"country\": \"" + huge + "\"}]";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stations.json"));
    QVERIFY(TestFiles::write(path, station));
    DirectoryProcess service;
    QVERIFY(startOn(service, path));
    QVERIFY2(service.waitForLog(", cut 5 long fields"), service.log().constData());
    const QByteArray page = service.get(service.searchRequest(kEverything));
    QVERIFY(page.size() < 8 * 1024);
    const QList<Row> rows = readBack(page);
    QCOMPARE(rows.size(), 1);
    QVERIFY(rows[0][0].startsWith(QStringLiteral("fx \u00e9x")) && rows[0][0].endsWith(u'x'));
    QVERIFY(rows[0][4].startsWith(QStringLiteral("http://a.example.com/x")) && rows[0][4].endsWith(u'x'));
    QVERIFY(!rows[0][5].contains(QChar::ReplacementCharacter));
}

// Searches run on several connections without pause while the catalog is swapped back and
// forth: every one is answered, from one catalog or the other, never a mixture or an error. A
// broken list then keeps the catalog.
void TestStationList::reloadUnderSearchesLosesNone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stations.json"));
    const QByteArray full = TestFiles::read(kStations);
    // The first five stations, the comma after the fifth dropped.
    const qsizetype sixth = full.indexOf("\n{\"stationuuid\": \"00000000-0000-0000-0000-000000000006\"");
    const QByteArray shorter = full.left(sixth - 1) + "\n]\n";
    QVERIFY(TestFiles::write(path, shorter));
    DirectoryProcess service;
    QVERIFY(startOn(service, path));
    const QByteArray request = service.searchRequest(kEverything);
    const QByteArray shortBody = service.get(request);
    QCOMPARE(readBack(shortBody).size(), 4);

    constexpr int kConnections = 6;
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    std::vector<QByteArray> pending(kConnections);
    QList<QByteArray> bodies;
    int failures = 0;
    for (int i = 0; i < kConnections; ++i) {
        sockets.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket* socket = sockets.back().get();
        connect(socket, &QTcpSocket::readyRead, this, [&, socket, i] {
            pending[static_cast<size_t>(i)] += socket->readAll();
            for (const auto& [head, body] : DirectoryProcess::takeAnswers(pending[static_cast<size_t>(i)])) {
                failures += head.startsWith("HTTP/1.1 200") ? 0 : 1;
                bodies.append(body);
                socket->write(request);
            }
        });
        socket->connectToHost(QHostAddress::LocalHost, service.port());
        socket->write(request);
    }
    const auto reload = [&](const QByteArray& list) {
        return TestFiles::write(path, list) &&
               ::kill(static_cast<pid_t>(service.process().processId()), SIGHUP) == 0;
    };
    for (int swap = 1; swap <= 5; ++swap) {
        QVERIFY(reload(swap % 2 ? full : shorter));
        // The log keeps every reload: wait for this one, not an earlier one with the same count.
        QVERIFY(QTest::qWaitFor([&] { return service.log().count("reloaded: ") >= swap; }, 20000));
        const qsizetype answered = bodies.size();
        QVERIFY(QTest::qWaitFor([&] { return bodies.size() > answered + 20; }, 20000));
    }
    for (auto& socket : sockets)
        socket->disconnect(this);
    const QByteArray fullBody = service.get(request);
    QCOMPARE(readBack(fullBody).size(), expectedRows().size());
    QCOMPARE(failures, 0);
    QVERIFY(bodies.contains(fullBody) && bodies.contains(shortBody));
    for (const QByteArray& body : bodies)
        QVERIFY(body == shortBody || body == fullBody);
    QVERIFY(!service.log().contains(" - "));
    QVERIFY(reload(full.left(500)));
    QVERIFY(service.waitForLog("reload failed; keeping the catalog of 15 entries"));
    QCOMPARE(service.get(request), fullBody);
}

QTEST_GUILESS_MAIN(TestStationList)
#include "tst_stationlist.moc"
