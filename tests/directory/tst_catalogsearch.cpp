#include "CatalogFixture.h"

#include "directory/CatalogSearch.h"
#include "directory/DirectoryQuery.h"
#include "directory/KeywordMatcher.h"
#include "directory/ScanReply.h"

#include <QTest>

namespace {

const QByteArray kAllFormats = "&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1";
const QString kSka = QStringLiteral("^ska^,^ska$,ska-,ska/,skamusic,`ska");
const QString kTechno = QStringLiteral("techno^,techno$,techno-,techno/,technomusic");

// Catalog order matters: results and scanner positions follow it.
Catalog smallCatalog()
{
    return catalogOf({
        liveEntry(QStringLiteral("Alpha Rock"), QStringLiteral("http://a.example.com/alpha.ram"),
                  QStringLiteral("Rock"), {}, 20),
        liveEntry(QStringLiteral("Beta Jazz"), QStringLiteral("http://b.example.com/beta.asx"),
                  QStringLiteral("Jazz"), {}, 56),
        liveEntry(QStringLiteral("Gamma TV"), QStringLiteral("http://c.example.com/gamma.wmv"), {},
                  QStringLiteral("Live Television"), 300, true),
        liveEntry(QStringLiteral("Delta Talk"), QStringLiteral("http://d.example.com/delta.pls"), {},
                  QStringLiteral("Talk/News"), 0),
        liveEntry(QStringLiteral("Epsilon Works"), QStringLiteral("http://e.example.com/eps.xdm"),
                  QStringLiteral("Rock"), {}, 128),
        liveEntry(QStringLiteral("Zeta Pictures"), QStringLiteral("http://f.example.com/zeta.rm"),
                  QStringLiteral("Rock"), {}, 64, true),
        clipEntry(QStringLiteral("Rock Concert"), QStringLiteral("Part 2"),
                  QStringLiteral("http://g.example.com/rc.ram"), 28, 125),
        clipEntry(QStringLiteral("Jazz Film"), {}, QStringLiteral("http://h.example.com/jf.wmv"), 0, 0, true),
        liveEntry(QStringLiteral("Eta Campus"), QStringLiteral("http://i.example.com/eta.mp3"),
                  QStringLiteral("Rock"), QStringLiteral("College"), 33),
        liveEntry(QStringLiteral("Rocky Ridge"), QStringLiteral("http://j.example.com/ridge.m3u8"),
                  QStringLiteral("Country"), {}, 0),
        liveEntry(QStringLiteral("Caf\u00e9 R&B #1 100%"), QStringLiteral("http://k.example.com/cafe.pls"),
                  QStringLiteral("Blues"), {}, 0),
    });
}

QStringList namesOf(const QList<CatalogEntry>& entries)
{
    QStringList names;
    for (const CatalogEntry& entry : entries)
        names.append(entry.isLive() ? entry.name : entry.title);
    return names;
}

QStringList scanFields(const QByteArray& reply)
{
    QString text = QString::fromUtf8(reply);
    text.truncate(text.indexOf(QLatin1Char('<')));
    return text.split(QStringLiteral("@@@@"));
}

} // namespace

class TestCatalogSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keywords_data();
    void keywords();
    void formatFamilies_data();
    void formatFamilies();
    void search_data();
    void search();
    void resultsAreCapped();
    void scanner_data();
    void scanner();
    void scannerAnswerCarriesTheStation();
};

void TestCatalogSearch::keywords_data()
{
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("match");
    QTest::newRow("all words") << QStringLiteral("blues rock") << QStringLiteral("Rock and Blues") << true;
    QTest::newRow("one word missing") << QStringLiteral("blues rock") << QStringLiteral("Blues") << false;
    QTest::newRow("alternative") << QStringLiteral("jazz,blues") << QStringLiteral("Blues") << true;
    QTest::newRow("case") << QStringLiteral("BLUES") << QStringLiteral("delta blues") << true;
    QTest::newRow("non-ASCII case") << QStringLiteral("caf\u00e9") << QStringLiteral("CAF\u00c9 OL\u00c9")
                                    << true;
    QTest::newRow("inside a word") << QStringLiteral("rock") << QStringLiteral("Rocky Ridge") << true;
    QTest::newRow("apostrophe") << QStringLiteral("50s,50's") << QStringLiteral("50's Hits") << true;
    QTest::newRow("slash") << QStringLiteral("Talk/News") << QStringLiteral("talk/news") << true;
    QTest::newRow("empty") << QString() << QStringLiteral("anything") << false;
    QTest::newRow("commas only") << QStringLiteral(" , ,") << QStringLiteral("anything") << false;
    QTest::newRow("markers only") << QStringLiteral("^ `") << QStringLiteral("anything") << false;
    QTest::newRow("ska style") << kSka << QStringLiteral("Ska") << true;
    QTest::newRow("ska in a list") << kSka << QStringLiteral("Rock,Ska,Pop") << true;
    QTest::newRow("ska-punk") << kSka << QStringLiteral("Ska-Punk") << true;
    QTest::newRow("ska/reggae") << kSka << QStringLiteral("Ska/Reggae") << true;
    QTest::newRow("skamusic") << kSka << QStringLiteral("Skamusic") << true;
    QTest::newRow("word starting ska") << kSka << QStringLiteral("Skabeat Sound") << true;
    QTest::newRow("Alaska") << kSka << QStringLiteral("Juneau, Alaska") << false;
    QTest::newRow("Tuskan") << kSka << QStringLiteral("Tuskan Nights") << false;
    QTest::newRow("ska at the end only") << QStringLiteral("^ska$") << QStringLiteral("skate") << false;
    QTest::newRow("boundary before") << QStringLiteral("^ska") << QStringLiteral("big ska") << true;
    QTest::newRow("boundary after") << QStringLiteral("ska^") << QStringLiteral("ska!") << true;
    QTest::newRow("underscore is no letter")
        << QStringLiteral("^ska^") << QStringLiteral("old_ska_band") << true;
    QTest::newRow("techno") << kTechno << QStringLiteral("Techno") << true;
    QTest::newRow("techno ends a word") << kTechno << QStringLiteral("Acidtechno") << true;
    QTest::newRow("techno-pop") << kTechno << QStringLiteral("Techno-Pop") << true;
    QTest::newRow("technocrat") << kTechno << QStringLiteral("Technocrat Talk") << false;
}

void TestCatalogSearch::keywords()
{
    QFETCH(QString, keywords);
    QFETCH(QString, text);
    QFETCH(bool, match);
    QCOMPARE(KeywordMatcher(keywords).matches(text), match);
}

void TestCatalogSearch::formatFamilies_data()
{
    using Flag = StreamClassifier::FormatFlag;
    using Scan = StreamClassifier::ScanFamily;
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("video");
    QTest::addColumn<Flag>("flag");
    QTest::addColumn<Scan>("scan");
    QTest::newRow(".ra") << QStringLiteral("http://h/a.ra") << false << Flag::RA << Scan::RealPlayer;
    QTest::newRow(".RAM upper") << QStringLiteral("http://h/A.RAM") << false << Flag::RA << Scan::RealPlayer;
    QTest::newRow(".rm video") << QStringLiteral("http://h/a.rm") << true << Flag::RV << Scan::RealPlayer;
    QTest::newRow(".rpm") << QStringLiteral("http://h/a.rpm") << false << Flag::RA << Scan::RealPlayer;
    QTest::newRow(".smi") << QStringLiteral("http://h/a.smi") << false << Flag::RA << Scan::RealPlayer;
    QTest::newRow(".smil video") << QStringLiteral("http://h/a.smil") << true << Flag::RV << Scan::RealPlayer;
    QTest::newRow(".rmm") << QStringLiteral("http://h/a.rmm") << false << Flag::MA << Scan::Unknown;
    QTest::newRow(".asf") << QStringLiteral("http://h/a.asf") << false << Flag::NA << Scan::WindowsMedia;
    QTest::newRow(".asx video") << QStringLiteral("http://h/a.asx") << true << Flag::NV << Scan::WindowsMedia;
    QTest::newRow(".wma") << QStringLiteral("http://h/a.wma") << false << Flag::NA << Scan::WindowsMedia;
    QTest::newRow(".wmv") << QStringLiteral("http://h/a.wmv") << true << Flag::NV << Scan::WindowsMedia;
    QTest::newRow(".wax") << QStringLiteral("http://h/a.wax") << false << Flag::NA << Scan::WindowsMedia;
    QTest::newRow(".xdm") << QStringLiteral("http://h/a.xdm") << false << Flag::SW << Scan::Known;
    QTest::newRow(".pls") << QStringLiteral("http://h/a.pls") << false << Flag::MA << Scan::Known;
    QTest::newRow(".m3u") << QStringLiteral("http://h/a.m3u") << false << Flag::MA << Scan::Known;
    QTest::newRow(".mp3") << QStringLiteral("http://h/a.mp3") << false << Flag::MA << Scan::Known;
    QTest::newRow("makeasx") << QStringLiteral("http://h/cgi/makeasx.asp?id=7") << false << Flag::NA
                             << Scan::WindowsMedia;
    QTest::newRow("makeasx video") << QStringLiteral("http://h/cgi/makeasx.asp?id=7") << true << Flag::NV
                                   << Scan::WindowsMedia;
    QTest::newRow("makeram") << QStringLiteral("http://h/makeram.cgi?s=1") << false << Flag::RA
                             << Scan::RealPlayer;
    QTest::newRow("rtsp .rm") << QStringLiteral("rtsp://h/a.rm") << false << Flag::RA << Scan::RealPlayer;
    QTest::newRow("rtsp bare") << QStringLiteral("rtsp://10.1.2.3/live") << true << Flag::RV << Scan::Unknown;
    QTest::newRow("query after .ram")
        << QStringLiteral("http://h/x.ram?id=1") << false << Flag::MA << Scan::Unknown;
    QTest::newRow("no extension") << QStringLiteral("http://h:8000/stream") << false << Flag::MA
                                  << Scan::Unknown;
    QTest::newRow(".m3u8") << QStringLiteral("https://h/a.m3u8") << false << Flag::MA << Scan::Unknown;
}

void TestCatalogSearch::formatFamilies()
{
    QFETCH(QString, link);
    QFETCH(bool, video);
    QFETCH(StreamClassifier::FormatFlag, flag);
    QFETCH(StreamClassifier::ScanFamily, scan);
    QCOMPARE(StreamClassifier::formatFlag(link, video), flag);
    QCOMPARE(StreamClassifier::scanFamily(link), scan);
}

void TestCatalogSearch::search_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QStringList>("names");
    const QByteArray live = kAllFormats + "&LIVE=1";
    const QStringList rockStations{QStringLiteral("Alpha Rock"), QStringLiteral("Epsilon Works"),
                                   QStringLiteral("Zeta Pictures"), QStringLiteral("Eta Campus"),
                                   QStringLiteral("Rocky Ridge")};
    QTest::newRow("everywhere") << "T1=rock" + live << rockStations;
    QTest::newRow("no format flag") << QByteArray("T1=rock&F=1&LIVE=1") << QStringList();
    QTest::newRow("RA") << QByteArray("T1=rock&F=1&RA=1&LIVE=1") << QStringList{QStringLiteral("Alpha Rock")};
    QTest::newRow("RV") << QByteArray("T1=rock&F=1&RV=1&LIVE=1")
                        << QStringList{QStringLiteral("Zeta Pictures")};
    QTest::newRow("MA") << QByteArray("T1=rock&F=1&MA=1&LIVE=1")
                        << QStringList{QStringLiteral("Eta Campus"), QStringLiteral("Rocky Ridge")};
    QTest::newRow("SW") << QByteArray("T1=rock&F=1&SW=1&LIVE=1")
                        << QStringList{QStringLiteral("Epsilon Works")};
    QTest::newRow("NA") << QByteArray("T1=jazz&F=1&NA=1&LIVE=1") << QStringList{QStringLiteral("Beta Jazz")};
    QTest::newRow("NA is not NV") << QByteArray("T1=jazz&F=1&NV=1&LIVE=1") << QStringList();
    QTest::newRow("NV") << QByteArray("T1=gamma&F=1&NV=1&LIVE=1") << QStringList{QStringLiteral("Gamma TV")};
    QTest::newRow("archive") << "T1=rock" + kAllFormats << QStringList{QStringLiteral("Rock Concert")};
    QTest::newRow("archive video") << QByteArray("T1=film&F=1&NV=1")
                                   << QStringList{QStringLiteral("Jazz Film")};
    QTest::newRow("archive audio only") << QByteArray("T1=film&F=1&NA=1") << QStringList();
    QTest::newRow("FMT 1 Talk/News") << "T1=Talk/News&FMT=1" + live
                                     << QStringList{QStringLiteral("Delta Talk")};
    QTest::newRow("FMT 1 two words") << "T1=Live+Television&FMT=1" + live
                                     << QStringList{QStringLiteral("Gamma TV")};
    QTest::newRow("FMT 1 College") << "T1=College&FMT=1" + live << QStringList{QStringLiteral("Eta Campus")};
    QTest::newRow("FMT 1 not a style") << "T1=rock&FMT=1" + live << QStringList();
    QTest::newRow("FMT 2 styles only") << "T1=rock&FMT=2" + live << rockStations.mid(0, 4);
    QTest::newRow("FMT 2 not a name") << "T1=gamma&FMT=2" + live << QStringList();
    QTest::newRow("SPD 64") << "T1=rock&SPD=64" + live
                            << QStringList{QStringLiteral("Alpha Rock"), QStringLiteral("Zeta Pictures"),
                                           QStringLiteral("Eta Campus"), QStringLiteral("Rocky Ridge")};
    QTest::newRow("SPD 28") << "T1=rock&SPD=28" + live
                            << QStringList{QStringLiteral("Alpha Rock"), QStringLiteral("Rocky Ridge")};
    QTest::newRow("SPD 0") << "T1=rock&SPD=0" + live << rockStations;
    QTest::newRow("archive SPD 28") << "T1=rock&SPD=28" + kAllFormats
                                    << QStringList{QStringLiteral("Rock Concert")};
    QTest::newRow("alternatives in catalog order")
        << "T1=gamma,alpha" + live << QStringList{QStringLiteral("Alpha Rock"), QStringLiteral("Gamma TV")};
    QTest::newRow("both words in one entry") << "T1=alpha+gamma" + live << QStringList();
    QTest::newRow("escaped characters")
        << "T1=caf%C3%A9+r%26b+%231+100%25" + live << QStringList{QStringLiteral("Caf\u00e9 R&B #1 100%")};
    QTest::newRow("scanner query lists nothing") << QByteArray("T1=R&GS=1&LS=0") << QStringList();
    QTest::newRow("bad query lists nothing") << QByteArray("T1=%G0&F=1&RA=1") << QStringList();
}

void TestCatalogSearch::search()
{
    QFETCH(QByteArray, query);
    QFETCH(QStringList, names);
    QCOMPARE(namesOf(CatalogSearch::selectedEntries(smallCatalog(), query)), names);
}

void TestCatalogSearch::resultsAreCapped()
{
    Catalog catalog;
    for (int i = 0; i < CatalogSearch::kMaxResults + 5; ++i)
        catalog.append(
            liveEntry(QStringLiteral("Same %1").arg(i), QStringLiteral("http://h.example.com/a.pls")));
    const auto found = CatalogSearch::selectedEntries(catalog, "T1=same&F=1&MA=1&LIVE=1");
    QCOMPARE(found.size(), CatalogSearch::kMaxResults);
    QCOMPARE(found.last().name, QStringLiteral("Same %1").arg(CatalogSearch::kMaxResults - 1));
}

void TestCatalogSearch::scanner_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QString>("reply"); // the name of the station, or the whole answer's start
    QTest::newRow("R first") << QByteArray("T1=R&GS=1&UNK=0&LS=0") << QStringLiteral("1 Alpha Rock");
    QTest::newRow("R second") << QByteArray("T1=R&GS=1&UNK=0&LS=1") << QStringLiteral("2 Zeta Pictures");
    QTest::newRow("R past the end") << QByteArray("T1=R&GS=1&UNK=0&LS=2") << QStringLiteral("EXCEPTION OC");
    QTest::newRow("far past the end") << QByteArray("T1=R&GS=1&LS=999") << QStringLiteral("EXCEPTION OC");
    QTest::newRow("N first") << QByteArray("T1=N&GS=1&UNK=0&LS=0") << QStringLiteral("1 Beta Jazz");
    QTest::newRow("N second") << QByteArray("T1=N&GS=1&UNK=0&LS=1") << QStringLiteral("2 Gamma TV");
    QTest::newRow("unknown included")
        << QByteArray("T1=R&GS=1&UNK=1&LS=2") << QStringLiteral("3 Rocky Ridge");
    QTest::newRow("style") << QByteArray("STYLE=Live+Television&T1=N&GS=1&LS=0")
                           << QStringLiteral("1 Gamma TV");
    QTest::newRow("style with speed")
        << QByteArray("STYLE=rock&T1=R&GS=1&LS=0&SPD=28") << QStringLiteral("1 Alpha Rock");
    QTest::newRow("speed ends the list")
        << QByteArray("STYLE=rock&T1=R&GS=1&LS=1&SPD=28") << QStringLiteral("EXCEPTION OC");
    QTest::newRow("none of the kind")
        << QByteArray("STYLE=Jazz&T1=R&GS=1&LS=0") << QStringLiteral("ERROR<BR>");
    QTest::newRow("none even from 5")
        << QByteArray("STYLE=Jazz&T1=R&GS=1&LS=5") << QStringLiteral("ERROR<BR>");
    QTest::newRow("clips are never scanned")
        << QByteArray("STYLE=Film&T1=N&GS=1&LS=0") << QStringLiteral("ERROR<BR>");
}

void TestCatalogSearch::scanner()
{
    QFETCH(QByteArray, query);
    QFETCH(QString, reply);
    const DirectoryQuery parsed = DirectoryQuery::parse(query);
    QCOMPARE(parsed.form(), DirectoryQuery::Form::Scan);
    const QByteArray answer =
        ScanReply::build(CatalogSearch::scanList(smallCatalog(), parsed.scan()), parsed.scan().after);
    if (!reply.front().isDigit()) {
        QVERIFY2(answer.startsWith(reply.toUtf8()), answer.constData());
        return;
    }
    const QStringList fields = scanFields(answer);
    QCOMPARE(fields.size(), 8);
    QCOMPARE(fields[0] + QLatin1Char(' ') + fields[2], reply);
}

void TestCatalogSearch::scannerAnswerCarriesTheStation()
{
    const auto query = DirectoryQuery::parse("T1=R&GS=1&UNK=0&LS=0").scan();
    const QByteArray answer = ScanReply::build(CatalogSearch::scanList(smallCatalog(), query), 0);
    QCOMPARE(
        answer.left(answer.indexOf('<')),
        QByteArray("1@@@@http://www.example.com/Alpha-Rock@@@@Alpha Rock@@@@http://a.example.com/alpha.ram"
                   "@@@@RealAudio@@@@Dayton@@@@Ohio@@@@20"));
    QVERIFY(!answer.contains("ERROR<BR>") && !answer.toUpper().contains("EXCEPTION OC"));
}

QTEST_GUILESS_MAIN(TestCatalogSearch)
#include "tst_catalogsearch.moc"
