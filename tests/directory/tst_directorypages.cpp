#include "CatalogFixture.h"

#include "directory/CatalogSearch.h"
#include "directory/DirectoryService.h"
#include "directory/EntryCleaner.h"
#include "directory/ResultsPage.h"
#include "search/Genres.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

// The field values as the client reads them back are checked against the client's own parser in
// tst_pagesparse; these tests hold the page's shape and the service's answers.
class TestDirectoryPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pagesKeepTheirShape();
    void linkText_data();
    void linkText();
    void cleaning_data();
    void cleaning();
    void catalogLines_data();
    void catalogLines();
    void genreListsFindTheirStations();
    void responses_data();
    void responses();
    void fixedPages();
    void oddQueriesNeverBreakTheService();

private:
    Catalog m_catalog;
};

// The bundled catalog loads cleanly, and the real stations' rates stay unknown, never guessed.
void TestDirectoryPages::initTestCase()
{
    QVERIFY(m_catalog.load(QStringLiteral(SKYLARK_CATALOG)));
    QVERIFY2(m_catalog.warnings().isEmpty(), qPrintable(m_catalog.warnings().join(QLatin1Char('\n'))));
    const QRegularExpression madeUp(QStringLiteral("example\\.(com|net|org)$"));
    int publicStations = 0;
    for (const CatalogEntry& entry : m_catalog.entries()) {
        if (!QUrl(entry.streamUrl).host().contains(madeUp)) {
            ++publicStations;
            QCOMPARE(entry.bitrate, 0.0);
        }
    }
    QCOMPARE(publicStations, 54);
}

// Every entry of the catalog, on one page per mode: the client starts a link at the first double
// quote, so none may stand outside the links, and every link text carries all its markers.
void TestDirectoryPages::pagesKeepTheirShape()
{
    for (const bool live : {true, false}) {
        QList<CatalogEntry> entries;
        for (const CatalogEntry& entry : m_catalog.entries()) {
            if (entry.isLive() == live)
                entries.append(entry);
        }
        // The markers in their order, with anything but a double quote or "<" around them.
        QString text =
            QStringLiteral("[^\"<]*\\*\\*[^\"<]*&&[^\"<]*\\^\\^[^\"<]*\\$\\$[^\"<]*~~[^\"<]*@@[^\"<]*");
        if (live)
            text.remove(QStringLiteral("~~[^\"<]*"));
        const QRegularExpression link(QStringLiteral("<A HREF=\"([^\"]*)\">%1</A>").arg(text));
        const QString page = QString::fromUtf8(ResultsPage::build(entries));
        qsizetype count = 0;
        for (const QRegularExpressionMatch& match : link.globalMatch(page)) {
            QVERIFY2(count < entries.size(), qPrintable(match.captured()));
            QCOMPARE(match.captured(1), entries[count++].streamUrl);
        }
        QCOMPARE(count, entries.size());
        QCOMPARE(page.count(QStringLiteral("<A ")), entries.size());
        QVERIFY(!QString(page).remove(link).contains(QLatin1Char('"')));
        for (const QString& error : QStringLiteral("302 Moved Temporarily|301 Moved Permanently|"
                                                   "404 Object Not Found|404 File Not Found|Forbidden|403.6")
                                        .split(QLatin1Char('|')))
            QVERIFY2(!page.contains(error), qPrintable(error));
    }
}

// The rows also cover both shapes of a location: "City, Region" and "City," (here without a city).
void TestDirectoryPages::linkText_data()
{
    QTest::addColumn<CatalogEntry>("entry");
    QTest::addColumn<QString>("link");
    const CatalogEntry live = liveEntry("WXYZ Radio", "http://h.example.com/live.ram", {}, {}, 20);
    QTest::newRow("live") << live
                          << QStringLiteral(
                                 "<A HREF=\"http://h.example.com/live.ram\">WXYZ Radio**RealAudio&&"
                                 "Dayton, Ohio^^20$$0@@http://www.example.com/WXYZ-Radio</A>");
    // Without a title the client would take the additional text for one.
    CatalogEntry untitled = clipEntry({}, "Jam", "http://h/x.pls", 28.8, 125, true);
    untitled.city.clear();
    untitled.region.clear();
    QTest::newRow("untitled") << untitled
                              << QStringLiteral(
                                     "<A HREF=\"http://h/x.pls\">::Jam**RealAudio&&,^^28.8$$125~~1@@"
                                     "http://www.example.com/</A>");
}

void TestDirectoryPages::linkText()
{
    QFETCH(CatalogEntry, entry);
    QFETCH(QString, link);
    QCOMPARE(ResultsPage::link(entry), link);
}

void TestDirectoryPages::cleaning_data()
{
    QTest::addColumn<bool>("address");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("clean");
    const auto row = [](const char* name, bool address, const char* raw, const char* clean) {
        QTest::newRow(name) << address << QString::fromUtf8(raw) << QString::fromUtf8(clean);
    };
    row("quotes and tags", false, "Late \"Night\" <b>Show</A>", "Late Night b>Show/A>");
    row("doubled markers", false, "Rock && Roll ** $$5 ~~ @@ ^^", "Rock & Roll * $5");
    row("marker at the end", false, "Star* ", "Star");
    row("control characters", false, "a\tb\x01", "ab");
    row("single markers stay", false, "R&B $5 ^_^ ~x @home *new", "R&B $5 ^_^ ~x @home *new");
    row("address", true, " http://h/a b\">x<.ram ", "http://h/abx.ram");
    row("address at-signs", true, "rtsp://u@@h/x@", "rtsp://u@h/x");
    row("address keeps query", true, "http://h/makeasx.asp?a=1&&b=2", "http://h/makeasx.asp?a=1&&b=2");
}

void TestDirectoryPages::cleaning()
{
    QFETCH(bool, address);
    QFETCH(QString, raw);
    QFETCH(QString, clean);
    QCOMPARE(address ? EntryCleaner::cleanAddress(raw) : EntryCleaner::cleanText(raw), clean);
}

void TestDirectoryPages::catalogLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("entries");
    const QByteArray good =
        "live\tA\t\t\thttp://h/a.ram\thttp://s\tRealAudio\tDayton\tOhio\tRock,Jazz\t\t28.8\t0\t0";
    QTest::newRow("good") << good << 1;
    QTest::newRow("CRLF") << good + "\r" << 1;
    QTest::newRow("clip") << QByteArray("clip\t\tT:x\tA\thttp://h/c.rm\t\t\t\t\t\t\t0\t60\t1") << 1;
    QTest::newRow("too few columns") << QByteArray("live\tA\thttp://h/a.ram") << 0;
    QTest::newRow("bad video flag") << good.left(good.size() - 1) + "2" << 0;
    QTest::newRow("no address") << QByteArray(good).replace("http://h/a.ram", "") << 0;
    QTest::newRow("error page text") << QByteArray(good).replace("\tA\t", "\tForbidden Planet\t") << 0;
    QTest::newRow("scanner failure text") << QByteArray(good).replace("\tA\t", "\tException Occurred\t") << 0;
}

void TestDirectoryPages::catalogLines()
{
    QFETCH(QByteArray, line);
    QFETCH(int, entries);
    Catalog catalog;
    const QByteArray header = Catalog::columns().join(QLatin1Char('\t')).toUtf8();
    QVERIFY(catalog.parse("# comment\n\n" + header + "\n" + line + "\n"));
    QCOMPARE(catalog.entries().size(), entries);
    QCOMPARE(catalog.warnings().size(), 1 - entries);
    if (entries == 1 && !catalog.entries().first().isLive())
        QCOMPARE(catalog.entries().first().title, QStringLiteral("Tx"));
    Catalog noHeader;
    QVERIFY(!noHeader.parse(line + "\n"));
    QVERIFY(!noHeader.error().isEmpty());
}

// Every genre shortcut of the client finds stations, and every music style finds clips too.
void TestDirectoryPages::genreListsFindTheirStations()
{
    for (const GenreEntry& genre : Genres::all()) {
        const QByteArray query =
            "V=3&P=L&T1=" + QString(genre.keywords).replace(QLatin1Char(' '), QLatin1Char('+')).toUtf8() +
            "&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1&FMT=" + genre.categoryText().toUtf8();
        QVERIFY2(CatalogSearch::selectedEntries(m_catalog, query + "&LIVE=1").size() >= 3, query.constData());
        QVERIFY2(genre.category == 1 || !CatalogSearch::selectedEntries(m_catalog, query).isEmpty(),
                 query.constData());
    }
}

void TestDirectoryPages::responses_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("start");
    const auto row = [](const char* name, const char* target, int status, const char* start,
                        const char* host = "h", const char* method = "GET") {
        QTest::newRow(name) << QByteArray(method) << QByteArray(target) << QByteArray(host) << status
                            << QByteArray(start);
    };
    row("lookup", "/redirect.asp?P=Q", 200, "127.0.0.1:8642<", "127.0.0.1:8642");
    row("lookup without Host", "/redirect.asp?P=Q", 200, "127.0.0.1:5555<", "");
    row("lookup markup in Host", "/redirect.asp?P=Q", 200, "ab.example.com:80<", "a<b>.example.com:80");
    row("client search", "/search.asp?V=3&P=L&T1=blues+rock&F=1&RA=1&LIVE=1&SPD=56", 200, "<HTML>");
    row("path case", "/Search.ASP?T1=rock&F=1", 200, "<HTML>");
    row("fragment", "/search.asp?T1=rock#x%zz", 200, "<HTML>");
    row("empty keywords", "/search.asp?T1=&F=1", 200, "<HTML>");
    row("R with GS other than 1", "/search.asp?T1=R&GS=0&LS=0", 200, "<HTML>");
    row("scanner", "/search.asp?V=3&P=L&T1=R&GS=1&UNK=0&LS=0&SPD=0", 200, "1@@@@");
    row("no query", "/search.asp", 400, "<HTML>");
    row("no T1", "/search.asp?V=3&P=L&F=1", 400, "<HTML>");
    row("bad escape", "/search.asp?T1=%zz&F=1", 400, "<HTML>");
    row("FMT 3", "/search.asp?T1=a&FMT=3", 400, "<HTML>");
    row("SPD text", "/search.asp?T1=a&SPD=fast", 400, "<HTML>");
    row("scan without LS", "/search.asp?T1=R&GS=1", 400, "<HTML>");
    row("scan LS negative", "/search.asp?T1=R&GS=1&LS=-1", 400, "<HTML>");
    row("scan LS huge", "/search.asp?T1=N&GS=1&LS=99999999999999999999999", 400, "<HTML>");
    row("POST", "/search.asp?T1=a", 400, "<HTML>", "h", "POST");
    row("unknown path", "/default.asp", 404, "<HTML>");
}

void TestDirectoryPages::responses()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, host);
    QFETCH(int, status);
    QFETCH(QByteArray, start);
    const DirectoryResponse response =
        DirectoryService(m_catalog).respond({method, target, host, "127.0.0.1:5555"});
    QCOMPARE(response.status, status);
    QVERIFY2(response.body.startsWith(start), response.body.constData());
    if (status >= 400)
        QVERIFY(response.body.contains(QByteArray::number(status)));
}

// The product, support and player pages name only the players, never their makers.
void TestDirectoryPages::fixedPages()
{
    const DirectoryService service{Catalog()};
    for (const char* path :
         {"/skylark.htm", "/mailform.htm", "/mailform_add.htm", "/download/realplayer.htm",
          "/download/winamp.htm", "/download/mediaplayer.htm", "/download/streamworks.htm"}) {
        const DirectoryResponse response = service.respond({"GET", path, "h", {}});
        QCOMPARE(response.status, 200);
        QVERIFY2(response.body.startsWith("<HTML>"), path);
        const QString body = QString::fromUtf8(response.body);
        for (const char* name : {"Microsoft", "RealNetworks", "Real Networks", "Nullsoft", "Shoutcast",
                                 "Quillon", "RealAudio", "Xing Technology"})
            QVERIFY2(!body.contains(QLatin1String(name), Qt::CaseInsensitive), path);
    }
}

// Queries made of the pieces that are easy to get wrong: escapes cut short, markers, huge
// numbers, both forms mixed.
void TestDirectoryPages::oddQueriesNeverBreakTheService()
{
    const DirectoryService service(m_catalog);
    const QList<QByteArray> pieces =
        QByteArray("T1=|R|N|&GS=1|&LS=|%|%2|%zz|%C3|%C3%A9|+|&|=|^|`|$|,|&FMT=|&SPD=|"
                   "-1|0|1|2|99999999999999999999|\xff|&RA=1|&NV=1|&LIVE=1|&STYLE=|"
                   "ska|#|?|&UNK=1|\"|<|</A>")
            .split('|');
    QRandomGenerator random(20011);
    for (int i = 0; i < 1000; ++i) {
        QByteArray query;
        for (int j = random.bounded(1, 12); j > 0; --j)
            query += pieces[random.bounded(pieces.size())];
        const DirectoryResponse response = service.respond({"GET", "/search.asp?" + query, "h", {}});
        QVERIFY2(response.status == 200 || response.status == 400, query.constData());
        QVERIFY(response.body.endsWith("</HTML>\n"));
    }
}

QTEST_GUILESS_MAIN(TestDirectoryPages)
#include "tst_directorypages.moc"
