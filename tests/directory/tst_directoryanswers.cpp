#include "directory/DirectoryLauncher.h"
#include "directory/EntryCleaner.h"

#include "DirectoryProcess.h"
#include "TestFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The running service over a small catalog of its own: what each query lists, what the scanner
// is told, and the status and start of each answer, all read off the bytes on the wire.
namespace {
const QByteArray kAllFormats = "&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1";

// A catalog line; site and location follow from the name as the scanner rows below expect.
QByteArray live(const char* name, const char* url, const char* styles = "", const char* category = "",
                const char* bitrate = "0", const char* video = "0")
{
    const QByteArray site = "http://www.example.com/" + QByteArray(name).replace(' ', '-');
    return QByteArray("live\t") + name + "\t\t\t" + url + "\t" + site + "\tRealAudio\tDayton\tOhio\t" +
           styles + "\t" + category + "\t" + bitrate + "\t0\t" + video + "\n";
}

// Catalog order matters: results and scanner positions follow it.
QByteArray smallCatalog()
{
    return "kind\tname\ttitle\tadditional\tstream_"
           "url\tsite\tformat\tcity\tregion\tstyles\tcategory\tbitrate\t"
           "seconds\tvideo\n" +
           live("Alpha Rock", "http://a.example.com/alpha.ram", "Rock", "", "20") +
           live("Beta Jazz", "http://b.example.com/beta.asx", "Jazz", "", "56") +
           live("Gamma TV", "http://c.example.com/gamma.wmv", "", "Live Television", "300", "1") +
           live("Delta Talk", "http://d.example.com/delta.pls", "", "Talk/News") +
           live("Epsilon Works", "http://e.example.com/eps.xdm", "Rock", "", "128") +
           live("Zeta Pictures", "http://f.example.com/zeta.rm", "Rock", "", "64", "1") +
           "clip\t\tRock Concert\tSecond Set\thttp://g.example.com/rc.ram\thttp://www.example.com/"
           "\tRealAudio\tDayton\tOhio\t\t\t28\t125\t0\n"
           "clip\t\tJazz Film\t\thttp://h.example.com/jf.wmv\thttp://www.example.com/"
           "\tRealAudio\tDayton\tOhio\t\t\t0\t0\t1\n" +
           live("Eta Campus", "http://i.example.com/eta.mp3", "Rock", "College", "33") +
           live("Rocky Ridge", "http://j.example.com/ridge.m3u8", "Country") +
           live("Caf\xc3\xa9 R&B #1 100%", "http://k.example.com/cafe.pls", "Blues") +
           live("Radio Z\xc3\xbcrich", "http://l.example.com/z.pls", "Ska-Punk") +
           live("S\xc3\xa3o Paulo FM", "http://m.example.com/s.pls", "Acidtechno,Rock,Ska,Pop") +
           live("Juneau Alaska", "http://n.example.com/j.pls", "Technocrat Talk") +
           "clip\t\t\tJam\thttp://o.example.com/x.pls\thttp://www.example.com/"
           "\tRealAudio\t\t\t\t\t28.8\t125\t1\n";
}

// The start of the scanner's answer for a station of smallCatalog().
QByteArray scanned(int position, const char* name)
{
    return QByteArray::number(position) + "@@@@http://www.example.com/" + QByteArray(name).replace(' ', '-') +
           "@@@@" + name + "@@@@";
}
} // namespace

class TestDirectoryAnswers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void answers_data();
    void answers();
    void exactLinks();
    void cleaning_data();
    void cleaning();
    void responses_data();
    void responses();
    void fixedPages();
    void badStartsEndTheProgram_data();
    void badStartsEndTheProgram();
    void catalogIsFoundBesideTheProgram();

private:
    QTemporaryDir m_dir;
    DirectoryProcess m_directory;
};

void TestDirectoryAnswers::initTestCase()
{
    const QString catalog = m_dir.filePath(QStringLiteral("catalog.tsv"));
    QVERIFY(TestFiles::write(catalog, smallCatalog()));
    QVERIFY(m_directory.start(
        {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--catalog"), catalog}));
}

// What each query gives: a search the names it lists, the scanner the start of its answer.
void TestDirectoryAnswers::answers_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("answer");
    const auto row = [](const char* name, const QByteArray& query, const QByteArray& answer) {
        QTest::newRow(name) << query << answer;
    };
    const QByteArray live = kAllFormats + "&LIVE=1";
    const QByteArray rock =
        "Alpha Rock|Epsilon Works|Zeta Pictures|Eta Campus|Rocky Ridge|S\xc3\xa3o Paulo FM";
    row("everywhere", "T1=rock" + live, rock);
    row("no format flag", "T1=rock&F=1&LIVE=1", "");
    row("RA", "T1=rock&F=1&RA=1&LIVE=1", "Alpha Rock");
    row("RV", "T1=rock&F=1&RV=1&LIVE=1", "Zeta Pictures");
    row("MA", "T1=eta+campus,rocky&F=1&MA=1&LIVE=1", "Eta Campus|Rocky Ridge");
    row("SW", "T1=rock&F=1&SW=1&LIVE=1", "Epsilon Works");
    row("NA", "T1=jazz&F=1&NA=1&LIVE=1", "Beta Jazz");
    row("NV", "T1=gamma&F=1&NV=1&LIVE=1", "Gamma TV");
    row("archive", "T1=rock" + kAllFormats, "Rock Concert");
    row("FMT 1 two words", "T1=Live+Television&FMT=1" + live, "Gamma TV");
    row("FMT 1 not a style", "T1=rock&FMT=1" + live, "");
    row("FMT 2 styles only", "T1=rock&FMT=2" + live,
        "Alpha Rock|Epsilon Works|Zeta Pictures|Eta Campus|S\xc3\xa3o Paulo FM");
    row("SPD 64", "T1=rock&SPD=64" + live,
        "Alpha Rock|Zeta Pictures|Eta Campus|Rocky Ridge|S\xc3\xa3o Paulo FM");
    row("alternatives in catalog order", "T1=gamma,alpha" + live, "Alpha Rock|Gamma TV");
    row("both words in one entry", "T1=alpha+gamma" + live, "");
    row("words of one alternative", "T1=rock+college,gamma+jazz" + live, "Eta Campus");
    row("escaped characters", "T1=caf%C3%A9+r%26b+%231+100%25" + live, "Caf\xc3\xa9 R&B #1 100%");
    row("non-ASCII other case", "T1=CAF%C3%89" + live, "Caf\xc3\xa9 R&B #1 100%");
    row("non-ASCII letter", "T1=z%C3%BCrich" + live, "Radio Z\xc3\xbcrich");
    row("non-ASCII first", "T1=s%C3%A3o" + live, "S\xc3\xa3o Paulo FM");
    row("empty", "T1=+" + live, "");
    row("markers only", "T1=%5E+%60" + live, "");
    row("ska but not Alaska", "T1=^ska^,^ska$,ska-,ska/,skamusic,`ska" + live,
        "Radio Z\xc3\xbcrich|S\xc3\xa3o Paulo FM");
    row("techno but not technocrat", "T1=techno^,techno$,techno-,techno/,technomusic" + live,
        "S\xc3\xa3o Paulo FM");
    row("scan R first", "T1=R&GS=1&UNK=0&LS=0",
        scanned(1, "Alpha Rock") + "http://a.example.com/alpha.ram@@@@RealAudio@@@@Dayton@@@@Ohio@@@@20<");
    row("scan R second", "T1=R&GS=1&UNK=0&LS=1", scanned(2, "Zeta Pictures"));
    row("scan R past the end", "T1=R&GS=1&UNK=0&LS=2", "EXCEPTION OC");
    row("scan N first", "T1=N&GS=1&UNK=0&LS=0", scanned(1, "Beta Jazz"));
    row("scan unknown included", "T1=R&GS=1&UNK=1&LS=2", scanned(3, "Rocky Ridge"));
    row("scan style with markers", "STYLE=`live+television$&T1=N&GS=1&LS=0", scanned(1, "Gamma TV"));
    row("scan style with speed", "STYLE=rock&T1=R&GS=1&LS=0&SPD=28", scanned(1, "Alpha Rock"));
    row("scan speed ends the list", "STYLE=rock&T1=R&GS=1&LS=1&SPD=28", "EXCEPTION OC");
    row("scan none of the kind", "STYLE=Jazz&T1=R&GS=1&LS=0", "ERROR<BR>");
    row("scan never a clip", "STYLE=Film&T1=N&GS=1&LS=0", "ERROR<BR>");
}

void TestDirectoryAnswers::answers()
{
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, answer);
    const QByteArray body = m_directory.get(m_directory.searchRequest("V=3&P=L&" + query));
    if (query.contains("GS=1")) {
        QVERIFY2(body.startsWith(answer), body.constData());
        return;
    }
    // Each link carries all its markers, with no double quote or "<" outside the link's address.
    static const QRegularExpression link(
        QStringLiteral("<A "
                       "HREF=\"[^\"<]*\">([^\"<:*]*)(?::[^\"<*]*)?\\*\\*[^\"<]*&&[^\"<]*\\^\\^[^\"<]*\\$\\$[^"
                       "\"<]*@@[^\"<]*</A>"));
    const QString page = QString::fromUtf8(body);
    QStringList names;
    for (const QRegularExpressionMatch& match : link.globalMatch(page))
        names.append(match.captured(1));
    QCOMPARE(page.count(QStringLiteral("<A ")), names.size());
    QCOMPARE(names.join(QLatin1Char('|')), QString::fromUtf8(answer));
}

// Both shapes of a location, "City, Region" and "," without either; a clip without a title
// starts with "::" or the client would take the additional text for one.
void TestDirectoryAnswers::exactLinks()
{
    QVERIFY(m_directory.get(m_directory.searchRequest("V=3&P=L&T1=alpha" + kAllFormats + "&LIVE=1"))
                .contains(
                    "<A HREF=\"http://a.example.com/alpha.ram\">Alpha Rock**RealAudio&&Dayton, Ohio^^20$$0@@"
                    "http://www.example.com/Alpha-Rock</A>"));
    QVERIFY(m_directory.get(m_directory.searchRequest("V=3&P=L&T1=jam" + kAllFormats))
                .contains("<A HREF=\"http://o.example.com/x.pls\">::Jam**RealAudio&&,^^28.8$$125~~1@@"
                          "http://www.example.com/</A>"));
}

void TestDirectoryAnswers::cleaning_data()
{
    QTest::addColumn<bool>("address");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("clean");
    const auto row = [](const char* name, bool address, const char* raw, const char* clean) {
        QTest::newRow(name) << address << QString::fromUtf8(raw) << QString::fromUtf8(clean);
    };
    row("marker at the end", false, "Star* ", "Star");
    row("single markers stay", false, "R&B $5 ^_^ ~x @home *new", "R&B $5 ^_^ ~x @home *new");
    row("address", true, " http://h/a b\">x<.ram ", "http://h/abx.ram");
    row("address at-signs", true, "rtsp://u@@h/x@", "rtsp://u@h/x");
    row("address keeps query", true, "http://h/makeasx.asp?a=1&&b=2", "http://h/makeasx.asp?a=1&&b=2");
}

void TestDirectoryAnswers::cleaning()
{
    QFETCH(bool, address);
    QFETCH(QString, raw);
    QFETCH(QString, clean);
    QCOMPARE(address ? EntryCleaner::cleanAddress(raw) : EntryCleaner::cleanText(raw), clean);
}

void TestDirectoryAnswers::responses_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("start");
    const auto row = [](const char* name, const char* target, const char* status, const char* start,
                        const char* host = "Host: h\r\n", const char* method = "GET") {
        QTest::newRow(name) << QByteArray(method) + " " + target + " HTTP/1.1\r\n" + host + "\r\n"
                            << QByteArray(status) << QByteArray(start);
    };
    row("lookup", "/redirect.asp?P=Q", "200", "127.0.0.1:8642<", "Host: 127.0.0.1:8642\r\n");
    row("lookup markup in Host", "/redirect.asp?P=Q", "200", "ab.example.com:80<",
        "Host: a<b>.example.com:80\r\n");
    row("client search", "/search.asp?V=3&P=L&T1=blues+rock&F=1&RA=1&LIVE=1&SPD=56", "200", "<HTML>");
    row("fragment", "/search.asp?T1=rock#x%zz", "200", "<HTML>");
    row("R with GS other than 1", "/search.asp?T1=R&GS=0&LS=0", "200", "<HTML>");
    row("no query", "/search.asp", "400", "<HTML>");
    row("no T1", "/search.asp?V=3&P=L&F=1", "400", "<HTML>");
    row("bad escape", "/search.asp?T1=%zz&F=1", "400", "<HTML>");
    row("cut UTF-8 escape", "/search.asp?T1=%C3&F=1", "400", "<HTML>");
    row("FMT 3", "/search.asp?T1=a&FMT=3", "400", "<HTML>");
    row("SPD text", "/search.asp?T1=a&SPD=fast", "400", "<HTML>");
    row("scan without LS", "/search.asp?T1=R&GS=1", "400", "<HTML>");
    row("scan LS huge", "/search.asp?T1=N&GS=1&LS=99999999999999999999999", "400", "<HTML>");
    row("POST", "/search.asp?T1=a", "400", "<HTML>", "Host: h\r\nContent-Length: 0\r\n", "POST");
    row("unknown path", "/default.asp", "404", "<HTML>");
}

void TestDirectoryAnswers::responses()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, start);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_directory.port());
    QVERIFY(socket.waitForConnected(10000));
    const auto answers = DirectoryProcess::exchange(socket, request);
    QCOMPARE(answers.size(), 1);
    QVERIFY2(answers[0].first.startsWith("HTTP/1.1 " + status), answers[0].first.constData());
    QVERIFY2(answers[0].second.startsWith(start), answers[0].second.constData());
    if (status != "200")
        QVERIFY(answers[0].second.contains(status));
    QVERIFY(answers[0].first.contains("\r\nContent-Type: text/html; charset=utf-8"));
    // The log names the request as it came, with its status.
    QVERIFY(m_directory.waitForLog(request.left(request.indexOf(" HTTP/")) + ' ' + status + '\n'));
}

// The product, support and player pages name only the players, never their makers.
void TestDirectoryAnswers::fixedPages()
{
    for (const char* path :
         {"/skylark.htm", "/mailform.htm", "/mailform_add.htm", "/download/realplayer.htm",
          "/download/winamp.htm", "/download/mediaplayer.htm", "/download/streamworks.htm"}) {
        const QByteArray body = m_directory.get("GET " + QByteArray(path) + " HTTP/1.1\r\nHost: h\r\n\r\n");
        QVERIFY2(body.startsWith("<HTML>"), path);
        for (const char* name : {"Microsoft", "RealNetworks", "Real Networks", "Nullsoft", "Shoutcast",
                                 "Quillon", "RealAudio", "Xing Technology"})
            QVERIFY2(!QString::fromUtf8(body).contains(QLatin1String(name), Qt::CaseInsensitive), path);
    }
}

void TestDirectoryAnswers::badStartsEndTheProgram_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QByteArray>("message");
    // A station list of that content, named after the row.
    const auto list = [this](const char* name, const QByteArray& content) {
        const QString path = m_dir.filePath(QLatin1String(name) + QLatin1String(".json"));
        return TestFiles::write(path, content) ? QStringLiteral("--port 0 --catalog ") + path : QString();
    };
    QTest::newRow("no catalog") << QStringLiteral("--port 0 --catalog /nonexistent/c.tsv")
                                << QByteArray("cannot read /nonexistent/c.tsv");
    QTest::newRow("port taken") << QStringLiteral("--port %1").arg(m_directory.port())
                                << QByteArray("cannot listen");
    QTest::newRow("port too big") << QStringLiteral("--port 65536") << QByteArray("port");
    QTest::newRow("port in address") << QStringLiteral("--listen localhost:80") << QByteArray("address");
    QTest::newRow("unknown option") << QStringLiteral("--verbose") << QByteArray("verbose");
    QTest::newRow("cut list") << list("cut",
                                      "[{\"name\": \"a\", \"url\": \"http://a.example.com/\"}, {\"name\": ")
                              << QByteArray("cut.json: not a readable JSON station list");
    QTest::newRow("error page") << list("page", "<html><body>503</body></html>")
                                << QByteArray("page.json: not a readable JSON station list");
    QTest::newRow("object") << list("object", "{\"name\": \"x\"}")
                            << QByteArray(
                                   "object.json: not a JSON station list: the top level is not an array");
}

void TestDirectoryAnswers::badStartsEndTheProgram()
{
    QFETCH(QString, arguments);
    QFETCH(QByteArray, message);
    QProcess process;
    process.start(DirectoryProcess::program(), arguments.split(QLatin1Char(' ')));
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    const QByteArray error = process.readAllStandardError();
    QVERIFY2(error.contains(message), error.constData());
}

// Beside the program wins over ../share, which is named even when missing; the program of the
// build tree finds the bundled catalog there.
void TestDirectoryAnswers::catalogIsFoundBesideTheProgram()
{
    const QString bundled =
        DirectoryLauncher::defaultCatalogPath(QFileInfo(DirectoryProcess::program()).path());
    QCOMPARE(TestFiles::read(bundled), TestFiles::read(QStringLiteral(SKYLARK_CATALOG)));
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    QCOMPARE(DirectoryLauncher::defaultCatalogPath(bin),
             QDir::cleanPath(dir.filePath(QStringLiteral("share/skylark-directory/catalog.tsv"))));
    for (const char* path : {"share/skylark-directory/catalog.tsv", "bin/catalog.tsv"}) {
        const QFileInfo file(dir.filePath(QLatin1String(path)));
        QVERIFY(TestFiles::write(file.filePath(), ""));
        QCOMPARE(DirectoryLauncher::defaultCatalogPath(bin), file.absoluteFilePath());
    }
}

QTEST_GUILESS_MAIN(TestDirectoryAnswers)
#include "tst_directoryanswers.moc"
