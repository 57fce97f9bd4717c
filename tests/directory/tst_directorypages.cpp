#include "CatalogFixture.h"

#include "directory/CatalogSearch.h"
#include "directory/DirectoryService.h"
#include "directory/EntryCleaner.h"
#include "directory/ResultsPage.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {

const QByteArray kAllFormats = "&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1";

const QStringList kErrorPageTexts{QStringLiteral("302 Moved Temporarily"),
                                  QStringLiteral("301 Moved Permanently"),
                                  QStringLiteral("404 Object Not Found"),
                                  QStringLiteral("404 File Not Found"),
                                  QStringLiteral("Forbidden"),
                                  QStringLiteral("403.6")};

Catalog shippedCatalog()
{
    Catalog catalog;
    if (!catalog.load(QStringLiteral(SKYLARK_CATALOG)))
        qFatal("cannot load the catalog: %s", qPrintable(catalog.error()));
    return catalog;
}

// Cuts the link text the way the client does: each field ends at the first occurrence of its
// marker in what is left.
QStringList clientFields(QString text, bool live)
{
    QStringList markers{QStringLiteral("**"), QStringLiteral("&&"), QStringLiteral("^^"),
                        QStringLiteral("$$")};
    if (!live)
        markers.append(QStringLiteral("~~"));
    markers.append(QStringLiteral("@@"));
    QStringList fields;
    for (const QString& marker : markers) {
        const qsizetype at = text.indexOf(marker);
        fields.append(at < 0 ? QString() : text.left(at));
        text = at < 0 ? QString() : text.mid(at + marker.size());
    }
    fields.append(text);
    return fields;
}

QStringList expectedFields(const CatalogEntry& entry)
{
    const QString title =
        entry.title.isEmpty() && !entry.additional.isEmpty() ? QStringLiteral(":") : entry.title;
    QStringList fields{entry.isLive() ? entry.name : title + QLatin1Char(':') + entry.additional,
                       entry.format, entry.location(), entry.bitrateText()};
    if (!entry.isLive())
        fields.append(QString::number(entry.seconds));
    fields << (entry.video ? QStringLiteral("1") : QStringLiteral("0")) << entry.site;
    return fields;
}

struct PageLink
{
    QString url;
    QString text;
};

// Finds the links as the client does, starting each at the first double quote after the last.
QList<PageLink> pageLinks(const QString& page, QString& between)
{
    QList<PageLink> links;
    qsizetype from = 0;
    for (;;) {
        const qsizetype quote = page.indexOf(QLatin1Char('"'), from);
        const qsizetype end = page.indexOf(QStringLiteral("</A>"), from, Qt::CaseInsensitive);
        if (quote < 0 || end < 0)
            break;
        between += page.mid(from, quote - from);
        const QString inside = page.mid(quote + 1, end - quote - 1);
        const qsizetype close = inside.indexOf(QLatin1Char('>'));
        links.append({inside.left(inside.indexOf(QLatin1Char('"'))), inside.mid(close + 1)});
        from = end + 4;
    }
    between += page.mid(from);
    return links;
}

DirectoryResponse get(const DirectoryService& service, const QByteArray& target,
                      const QByteArray& host = "h:1")
{
    return service.respond({"GET", target, host, "127.0.0.1:5555"});
}

} // namespace

class TestDirectoryPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEntryReadsBackThroughTheMarkers_data();
    void everyEntryReadsBackThroughTheMarkers();
    void linkText_data();
    void linkText();
    void location_data();
    void location();
    void cleaning_data();
    void cleaning();
    void catalogLines_data();
    void catalogLines();
    void shippedCatalogCoversTheClient();
    void genreListsFindTheirStations_data();
    void genreListsFindTheirStations();
    void responses_data();
    void responses();
    void oddQueriesNeverBreakTheService();
    void fixedPagesNameOnlyThePlayers();
};

void TestDirectoryPages::everyEntryReadsBackThroughTheMarkers_data()
{
    QTest::addColumn<bool>("live");
    QTest::newRow("live") << true;
    QTest::newRow("archive") << false;
}

void TestDirectoryPages::everyEntryReadsBackThroughTheMarkers()
{
    QFETCH(bool, live);
    const Catalog catalog = shippedCatalog();
    QList<CatalogEntry> entries;
    for (const CatalogEntry& entry : catalog.entries()) {
        if (entry.isLive() == live)
            entries.append(entry);
    }
    const QString page = QString::fromUtf8(ResultsPage::build(entries));
    QString between;
    const QList<PageLink> links = pageLinks(page, between);
    QCOMPARE(links.size(), entries.size());
    QVERIFY(!between.contains(QLatin1Char('"')));
    QCOMPARE(page.count(QStringLiteral("A HREF")), entries.size());
    for (const QString& text : kErrorPageTexts)
        QVERIFY2(!page.contains(text), qPrintable(text));
    for (qsizetype i = 0; i < links.size(); ++i) {
        QCOMPARE(links[i].url, entries[i].streamUrl);
        QVERIFY(!links[i].text.contains(QLatin1Char('<')) && !links[i].text.contains(QLatin1Char('"')));
        QCOMPARE(clientFields(links[i].text, live), expectedFields(entries[i]));
    }
}

void TestDirectoryPages::linkText_data()
{
    QTest::addColumn<CatalogEntry>("entry");
    QTest::addColumn<QString>("link");
    CatalogEntry wxyz =
        liveEntry(QStringLiteral("WXYZ Radio"), QStringLiteral("http://h.example.com/live.ram"), {}, {}, 20);
    wxyz.city = QStringLiteral("Chicago");
    wxyz.region = QStringLiteral("Illinois");
    QTest::newRow("live") << wxyz
                          << QStringLiteral(
                                 "<A HREF=\"http://h.example.com/live.ram\">WXYZ Radio**RealAudio&&Chicago, "
                                 "Illinois^^20$$0@@http://www.example.com/WXYZ-Radio</A>");
    CatalogEntry clip = clipEntry(QStringLiteral("Live at the Old Mill"), QStringLiteral("1969"),
                                  QStringLiteral("http://h.example.com/c.rm"), 28.8, 125, true);
    clip.site = QStringLiteral("http://www.example.org/a.htm");
    QTest::newRow("clip") << clip
                          << QStringLiteral(
                                 "<A HREF=\"http://h.example.com/c.rm\">Live at the Old Mill:1969**"
                                 "RealAudio&&Dayton, Ohio^^28.8$$125~~1@@http://www.example.org/a.htm</A>");
    QTest::newRow("unknowns") << clipEntry({}, QStringLiteral("Jam"), QStringLiteral("http://h/x.pls"))
                              << QStringLiteral(
                                     "<A HREF=\"http://h/x.pls\">::Jam**RealAudio&&Dayton, Ohio^^0$$0~~0@@"
                                     "http://www.example.com/</A>");
}

void TestDirectoryPages::linkText()
{
    QFETCH(CatalogEntry, entry);
    QFETCH(QString, link);
    QCOMPARE(ResultsPage::link(entry), link);
}

void TestDirectoryPages::location_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("location");
    QTest::newRow("both") << QStringLiteral("Dayton") << QStringLiteral("Ohio")
                          << QStringLiteral("Dayton, Ohio");
    QTest::newRow("internet") << QStringLiteral("Unknown") << QStringLiteral("Internet")
                              << QStringLiteral("Unknown, Internet");
    QTest::newRow("no region") << QStringLiteral("Dayton") << QString() << QStringLiteral("Dayton,");
    QTest::newRow("no city") << QString() << QStringLiteral("Ohio") << QStringLiteral(", Ohio");
    QTest::newRow("neither") << QString() << QString() << QStringLiteral(",");
}

void TestDirectoryPages::location()
{
    QFETCH(QString, city);
    QFETCH(QString, region);
    QFETCH(QString, location);
    CatalogEntry entry;
    entry.city = city;
    entry.region = region;
    QCOMPARE(entry.location(), location);
}

void TestDirectoryPages::cleaning_data()
{
    QTest::addColumn<bool>("address");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("clean");
    QTest::newRow("quotes and tags") << false << QStringLiteral("Late \"Night\" <b>Show</A>")
                                     << QStringLiteral("Late Night b>Show/A>");
    QTest::newRow("doubled markers") << false << QStringLiteral("Rock && Roll ** $$5 ~~ @@ ^^")
                                     << QStringLiteral("Rock & Roll * $5");
    QTest::newRow("marker at the end") << false << QStringLiteral("Star* ") << QStringLiteral("Star");
    QTest::newRow("control characters") << false << QStringLiteral("a\tb\x01") << QStringLiteral("ab");
    QTest::newRow("single markers stay")
        << false << QStringLiteral("R&B $5 ^_^ ~x @home *new") << QStringLiteral("R&B $5 ^_^ ~x @home *new");
    QTest::newRow("address") << true << QStringLiteral(" http://h/a b\">x<.ram ")
                             << QStringLiteral("http://h/abx.ram");
    QTest::newRow("address at-signs")
        << true << QStringLiteral("rtsp://u@@h/x@") << QStringLiteral("rtsp://u@h/x");
    QTest::newRow("address keeps query") << true << QStringLiteral("http://h/makeasx.asp?a=1&&b=2")
                                         << QStringLiteral("http://h/makeasx.asp?a=1&&b=2");
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
    QTest::newRow("bad kind") << QByteArray(good).replace("live", "tv") << 0;
    QTest::newRow("bad bitrate") << QByteArray(good).replace("28.8", "fast") << 0;
    QTest::newRow("negative bitrate") << QByteArray(good).replace("28.8", "-1") << 0;
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

void TestDirectoryPages::shippedCatalogCoversTheClient()
{
    Catalog catalog;
    QVERIFY(catalog.load(QStringLiteral(SKYLARK_CATALOG)));
    QVERIFY2(catalog.warnings().isEmpty(), qPrintable(catalog.warnings().join(QLatin1Char('\n'))));
    QStringList links, locations, categories;
    bool audioClip = false, videoClip = false, unknownRate = false, unknownLength = false;
    int publicStations = 0;
    for (const CatalogEntry& entry : catalog.entries()) {
        links.append(entry.streamUrl.toLower());
        locations.append(entry.location());
        categories.append(entry.category);
        audioClip = audioClip || (!entry.isLive() && !entry.video);
        videoClip = videoClip || (!entry.isLive() && entry.video);
        unknownRate = unknownRate || entry.bitrate == 0;
        unknownLength = unknownLength || (!entry.isLive() && entry.seconds == 0);
        const QString host = QUrl(entry.streamUrl).host();
        const bool madeUp = host.endsWith(QStringLiteral("example.com")) ||
                            host.endsWith(QStringLiteral("example.net")) ||
                            host.endsWith(QStringLiteral("example.org"));
        // The public stations' bit rates are not known, and none is guessed.
        if (!madeUp) {
            ++publicStations;
            QCOMPARE(entry.bitrate, 0.0);
        }
    }
    QCOMPARE(publicStations, 54);
    QVERIFY(catalog.entries().size() > 300);
    QVERIFY(audioClip && videoClip && unknownRate && unknownLength);
    for (const char* ending : {".ra", ".ram", ".rm", ".rpm", ".smi", ".smil", ".rmm", ".asf", ".asx", ".wma",
                               ".wmv", ".wax", ".xdm", ".pls", ".m3u", ".mp3"}) {
        const QString suffix = QLatin1String(ending);
        QVERIFY2(
            std::any_of(links.cbegin(), links.cend(), [&](const QString& l) { return l.endsWith(suffix); }),
            ending);
    }
    for (const char* word : {"makeasx", "makeram", "rtsp://", ".ram?"}) {
        const QString part = QLatin1String(word);
        QVERIFY2(
            std::any_of(links.cbegin(), links.cend(), [&](const QString& l) { return l.contains(part); }),
            word);
    }
    for (const char* shape :
         {"Unknown, Internet", "Unknown, Unknown", "Unknown, Ohio", ", Ohio", "Dayton,", ","})
        QVERIFY2(locations.contains(QLatin1String(shape)), shape);
    for (const char* category : {"College", "Religious", "Talk/News", "Live Television", "Special"})
        QVERIFY2(categories.contains(QLatin1String(category)), category);
}

void TestDirectoryPages::genreListsFindTheirStations_data()
{
    QTest::addColumn<QByteArray>("keywords");
    QTest::addColumn<QByteArray>("category");
    const char* const formats[] = {"College", "Religious", "Talk/News", "Live+Television", "Special"};
    for (const char* format : formats)
        QTest::newRow(format) << QByteArray(format) << QByteArray("1");
    const char* const styles[] = {"50s,50's,1950,fifties",
                                  "60s,60's,1960,sixties",
                                  "70s,70's,1970,seventies",
                                  "80s,80's,1980,eighties",
                                  "90s,90's,1990,nineties",
                                  "Alternative",
                                  "Adult+Contemporary",
                                  "Big+Band",
                                  "Blues",
                                  "calypso",
                                  "Celtic",
                                  "Classical",
                                  "Country",
                                  "Dance",
                                  "Experimental",
                                  "Goth",
                                  "Industrial",
                                  "Jazz",
                                  "Metal",
                                  "New+Age",
                                  "Oldtime",
                                  "Oldies",
                                  "Pop",
                                  "Punk",
                                  "Rock",
                                  "Reggae",
                                  "^ska^,^ska$,ska-,ska/,skamusic,`ska",
                                  "Swing",
                                  "techno^,techno$,techno-,techno/,technomusic",
                                  "Zydeco"};
    for (const char* style : styles)
        QTest::newRow(style) << QByteArray(style) << QByteArray("2");
}

void TestDirectoryPages::genreListsFindTheirStations()
{
    QFETCH(QByteArray, keywords);
    QFETCH(QByteArray, category);
    const Catalog catalog = shippedCatalog();
    const QByteArray query = "V=3&P=L&T1=" + keywords + kAllFormats + "&FMT=" + category + "&SPD=0";
    QVERIFY(CatalogSearch::selectedEntries(catalog, query + "&LIVE=1").size() >= 3);
    if (category == "2")
        QVERIFY(!CatalogSearch::selectedEntries(catalog, query).isEmpty());
}

void TestDirectoryPages::responses_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("lookup") << QByteArray("GET") << QByteArray("/redirect.asp?P=Q")
                            << QByteArray("127.0.0.1:8642") << 200 << QByteArray("127.0.0.1:8642<");
    QTest::newRow("lookup without Host") << QByteArray("GET") << QByteArray("/redirect.asp?P=Q")
                                         << QByteArray() << 200 << QByteArray("127.0.0.1:5555<");
    QTest::newRow("lookup markup in Host")
        << QByteArray("GET") << QByteArray("/redirect.asp?P=Q") << QByteArray("a<b>.example.com:80") << 200
        << QByteArray("ab.example.com:80<");
    QTest::newRow("search") << QByteArray("GET") << QByteArray("/search.asp?T1=rock&F=1&MA=1&LIVE=1")
                            << QByteArray("h") << 200 << QByteArray("<HTML>");
    QTest::newRow("path case") << QByteArray("GET") << QByteArray("/Search.ASP?T1=rock&F=1")
                               << QByteArray("h") << 200 << QByteArray("<HTML>");
    QTest::newRow("fragment") << QByteArray("GET") << QByteArray("/search.asp?T1=rock#x%zz")
                              << QByteArray("h") << 200 << QByteArray("<HTML>");
    QTest::newRow("scanner") << QByteArray("GET")
                             << QByteArray("/search.asp?V=3&P=L&T1=R&GS=1&UNK=0&LS=0&SPD=0")
                             << QByteArray("h") << 200 << QByteArray("1@@@@");
    QTest::newRow("no T1") << QByteArray("GET") << QByteArray("/search.asp?V=3&P=L") << QByteArray("h") << 400
                           << QByteArray("<HTML>");
    QTest::newRow("no query") << QByteArray("GET") << QByteArray("/search.asp") << QByteArray("h") << 400
                              << QByteArray("<HTML>");
    QTest::newRow("bad escape") << QByteArray("GET") << QByteArray("/search.asp?T1=%G1") << QByteArray("h")
                                << 400 << QByteArray("<HTML>");
    QTest::newRow("POST") << QByteArray("POST") << QByteArray("/search.asp?T1=a") << QByteArray("h") << 400
                          << QByteArray("<HTML>");
    QTest::newRow("unknown method") << QByteArray("BREW") << QByteArray("/") << QByteArray("h") << 400
                                    << QByteArray("<HTML>");
    QTest::newRow("unknown path") << QByteArray("GET") << QByteArray("/default.asp") << QByteArray("h") << 404
                                  << QByteArray("<HTML>");
    QTest::newRow("product page") << QByteArray("GET") << QByteArray("/skylark.htm") << QByteArray("h") << 200
                                  << QByteArray("<HTML>");
    QTest::newRow("support") << QByteArray("GET") << QByteArray("/mailform.htm") << QByteArray("h") << 200
                             << QByteArray("<HTML>");
    QTest::newRow("add a station") << QByteArray("GET") << QByteArray("/mailform_add.htm") << QByteArray("h")
                                   << 200 << QByteArray("<HTML>");
    for (const char* player : {"realplayer", "winamp", "mediaplayer", "streamworks"}) {
        QTest::newRow(player) << QByteArray("GET") << "/download/" + QByteArray(player) + ".htm"
                              << QByteArray("h") << 200 << QByteArray("<HTML>");
    }
}

void TestDirectoryPages::responses()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, host);
    QFETCH(int, status);
    QFETCH(QByteArray, start);
    const DirectoryService service(shippedCatalog());
    const DirectoryResponse response = service.respond({method, target, host, "127.0.0.1:5555"});
    QCOMPARE(response.status, status);
    QVERIFY2(response.body.startsWith(start), response.body.constData());
    if (status == 404)
        QVERIFY(response.body.contains("404"));
}

// Queries made of the pieces that are easy to get wrong: escapes cut short, markers, huge
// numbers, both forms mixed.
void TestDirectoryPages::oddQueriesNeverBreakTheService()
{
    const DirectoryService service(shippedCatalog());
    const QList<QByteArray> pieces{
        "T1=",    "R",      "N",     "&GS=1",   "&LS=",    "%",   "%2", "%zz",
        "%C3",    "%C3%A9", "+",     "&",       "=",       "^",   "`",  "$",
        ",",      "&FMT=",  "&SPD=", "-1",      "0",       "1",   "2",  "99999999999999999999",
        "\xff",   "&RA=1",  "&NV=1", "&LIVE=1", "&STYLE=", "ska", "#",  "?",
        "&UNK=1", "\"",     "<",     "</A>"};
    QRandomGenerator random(20011);
    for (int i = 0; i < 3000; ++i) {
        QByteArray query;
        const int count = random.bounded(1, 12);
        for (int j = 0; j < count; ++j)
            query += pieces[random.bounded(pieces.size())];
        const DirectoryResponse response = get(service, "/search.asp?" + query);
        QVERIFY2(response.status == 200 || response.status == 400, query.constData());
        QVERIFY(response.body.endsWith("</HTML>\n"));
    }
}

void TestDirectoryPages::fixedPagesNameOnlyThePlayers()
{
    const DirectoryService service{Catalog()};
    for (const char* path :
         {"/skylark.htm", "/mailform.htm", "/mailform_add.htm", "/download/realplayer.htm",
          "/download/winamp.htm", "/download/mediaplayer.htm", "/download/streamworks.htm"}) {
        const QString body = QString::fromUtf8(get(service, path).body);
        for (const char* name : {"Microsoft", "RealNetworks", "Real Networks", "Nullsoft", "Shoutcast",
                                 "Quillon", "RealAudio", "Xing Technology"})
            QVERIFY2(!body.contains(QLatin1String(name), Qt::CaseInsensitive), path);
    }
}

QTEST_GUILESS_MAIN(TestDirectoryPages)
#include "tst_directorypages.moc"
