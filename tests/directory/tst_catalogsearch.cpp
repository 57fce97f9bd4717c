#include "CatalogFixture.h"

#include "directory/CatalogSearch.h"
#include "directory/DirectoryQuery.h"
#include "directory/KeywordMatcher.h"
#include "directory/ScanReply.h"

#include <QTest>

namespace {

const QByteArray kAllFormats = "&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1";
const char* const kSka = "^ska^,^ska$,ska-,ska/,skamusic,`ska";
const char* const kTechno = "techno^,techno$,techno-,techno/,technomusic";

// Catalog order matters: results and scanner positions follow it.
Catalog smallCatalog()
{
    Catalog catalog;
    for (const CatalogEntry& entry :
         {liveEntry("Alpha Rock", "http://a.example.com/alpha.ram", "Rock", {}, 20),
          liveEntry("Beta Jazz", "http://b.example.com/beta.asx", "Jazz", {}, 56),
          liveEntry("Gamma TV", "http://c.example.com/gamma.wmv", {}, "Live Television", 300, true),
          liveEntry("Delta Talk", "http://d.example.com/delta.pls", {}, "Talk/News", 0),
          liveEntry("Epsilon Works", "http://e.example.com/eps.xdm", "Rock", {}, 128),
          liveEntry("Zeta Pictures", "http://f.example.com/zeta.rm", "Rock", {}, 64, true),
          clipEntry("Rock Concert", "Second Set", "http://g.example.com/rc.ram", 28, 125),
          clipEntry("Jazz Film", {}, "http://h.example.com/jf.wmv", 0, 0, true),
          liveEntry("Eta Campus", "http://i.example.com/eta.mp3", "Rock", "College", 33),
          liveEntry("Rocky Ridge", "http://j.example.com/ridge.m3u8", "Country", {}, 0),
          liveEntry("Caf\u00e9 R&B #1 100%", "http://k.example.com/cafe.pls", "Blues", {}, 0)})
        catalog.append(entry);
    return catalog;
}

// The start of the scanner's answer for a station of smallCatalog().
QByteArray scanned(int position, const char* name)
{
    return QByteArray::number(position) + "@@@@http://www.example.com/" + QByteArray(name).replace(' ', '-') +
           "@@@@" + name + "@@@@";
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
    void answers_data();
    void answers();
    void resultsAreCapped();
};

void TestCatalogSearch::keywords_data()
{
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("match");
    const auto row = [](const char* name, const char* keywords, const char* text, bool match) {
        QTest::newRow(name) << QString::fromUtf8(keywords) << QString::fromUtf8(text) << match;
    };
    row("non-ASCII case", "caf\u00e9", "CAF\u00c9 OL\u00c9", true);
    row("empty", "", "anything", false);
    row("commas only", " , ,", "anything", false);
    row("markers only", "^ `", "anything", false);
    row("ska in a list", kSka, "Rock,Ska,Pop", true);
    row("ska-punk", kSka, "Ska-Punk", true);
    row("skamusic", kSka, "Skamusic", true);
    row("word starting ska", kSka, "Skabeat Sound", true);
    row("Alaska", kSka, "Juneau, Alaska", false);
    row("ska at the end only", "^ska$", "skate", false);
    row("boundary after", "ska^", "ska!", true);
    row("underscore is no letter", "^ska^", "old_ska_band", true);
    row("techno ends a word", kTechno, "Acidtechno", true);
    row("technocrat", kTechno, "Technocrat Talk", false);
}

void TestCatalogSearch::keywords()
{
    QFETCH(QString, keywords);
    QFETCH(QString, text);
    QFETCH(bool, match);
    QCOMPARE(KeywordMatcher(keywords).matches(text), match);
}

// The ways of telling a family that the small catalog leaves out; its own addresses are covered
// by the searches and scanner lists below.
void TestCatalogSearch::formatFamilies_data()
{
    using Flag = StreamClassifier::FormatFlag;
    using Scan = StreamClassifier::ScanFamily;
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("video");
    QTest::addColumn<Flag>("flag");
    QTest::addColumn<Scan>("scan");
    const auto row = [](const char* link, bool video, Flag flag, Scan scan) {
        QTest::newRow(link) << QString::fromUtf8(link) << video << flag << scan;
    };
    row("http://h/A.RAM", false, Flag::RA, Scan::RealPlayer);
    row("http://h/a.rmm", false, Flag::MA, Scan::Unknown);
    row("http://h/cgi/makeasx.asp?id=7", true, Flag::NV, Scan::WindowsMedia);
    row("http://h/makeram.cgi?s=1", false, Flag::RA, Scan::RealPlayer);
    row("rtsp://h/a.rm", false, Flag::RA, Scan::RealPlayer);
    row("rtsp://10.1.2.3/live", true, Flag::RV, Scan::Unknown);
    row("http://h/x.ram?id=1", false, Flag::MA, Scan::Unknown);
    row("http://h:8000/stream", false, Flag::MA, Scan::Unknown);
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

// What each query gives: a search the names it lists, the scanner the start of its answer.
void TestCatalogSearch::answers_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("answer");
    const auto row = [](const char* name, const QByteArray& query, const QByteArray& answer) {
        QTest::newRow(name) << query << answer;
    };
    const QByteArray live = kAllFormats + "&LIVE=1";
    const QByteArray rock = "Alpha Rock|Epsilon Works|Zeta Pictures|Eta Campus|Rocky Ridge";
    row("everywhere", "T1=rock" + live, rock);
    row("no format flag", "T1=rock&F=1&LIVE=1", "");
    row("RA", "T1=rock&F=1&RA=1&LIVE=1", "Alpha Rock");
    row("RV", "T1=rock&F=1&RV=1&LIVE=1", "Zeta Pictures");
    row("MA", "T1=rock&F=1&MA=1&LIVE=1", "Eta Campus|Rocky Ridge");
    row("SW", "T1=rock&F=1&SW=1&LIVE=1", "Epsilon Works");
    row("NA", "T1=jazz&F=1&NA=1&LIVE=1", "Beta Jazz");
    row("NA is not NV", "T1=jazz&F=1&NV=1&LIVE=1", "");
    row("NV", "T1=gamma&F=1&NV=1&LIVE=1", "Gamma TV");
    row("archive", "T1=rock" + kAllFormats, "Rock Concert");
    row("archive video", "T1=film&F=1&NV=1", "Jazz Film");
    row("FMT 1 two words", "T1=Live+Television&FMT=1" + live, "Gamma TV");
    row("FMT 1 not a style", "T1=rock&FMT=1" + live, "");
    row("FMT 2 styles only", "T1=rock&FMT=2" + live, "Alpha Rock|Epsilon Works|Zeta Pictures|Eta Campus");
    row("FMT 2 not a name", "T1=gamma&FMT=2" + live, "");
    row("SPD 64", "T1=rock&SPD=64" + live, "Alpha Rock|Zeta Pictures|Eta Campus|Rocky Ridge");
    row("SPD 28", "T1=rock&SPD=28" + live, "Alpha Rock|Rocky Ridge");
    row("SPD 0", "T1=rock&SPD=0" + live, rock);
    row("alternatives in catalog order", "T1=gamma,alpha" + live, "Alpha Rock|Gamma TV");
    row("both words in one entry", "T1=alpha+gamma" + live, "");
    row("words of one alternative", "T1=rock+college,gamma+jazz" + live, "Eta Campus");
    row("escaped characters", "T1=caf%C3%A9+r%26b+%231+100%25" + live, "Caf\u00e9 R&B #1 100%");
    row("bad query", "T1=%G0&F=1&RA=1", "");
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
    row("scan none even from 5", "STYLE=Jazz&T1=R&GS=1&LS=5", "ERROR<BR>");
    row("scan never a clip", "STYLE=Film&T1=N&GS=1&LS=0", "ERROR<BR>");
}

void TestCatalogSearch::answers()
{
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, answer);
    const Catalog catalog = smallCatalog();
    QStringList listed;
    for (const CatalogEntry& entry : CatalogSearch::selectedEntries(catalog, query))
        listed.append(entry.isLive() ? entry.name : entry.title);
    const DirectoryQuery parsed = DirectoryQuery::parse(query);
    if (parsed.form() != DirectoryQuery::Form::Scan) {
        QCOMPARE(listed.join(QLatin1Char('|')).toUtf8(), answer);
        return;
    }
    QVERIFY(listed.isEmpty());
    const QByteArray reply =
        ScanReply::build(CatalogSearch::scanList(catalog, parsed.scan()), parsed.scan().after);
    QVERIFY2(reply.startsWith(answer) && !answer.isEmpty(), reply.constData());
}

void TestCatalogSearch::resultsAreCapped()
{
    Catalog catalog;
    for (int i = 0; i < CatalogSearch::kMaxResults + 5; ++i)
        catalog.append(liveEntry(QStringLiteral("Same %1").arg(i), "http://h.example.com/a.pls"));
    const auto found = CatalogSearch::selectedEntries(catalog, "T1=same&F=1&MA=1&LIVE=1");
    QCOMPARE(found.size(), CatalogSearch::kMaxResults);
    QCOMPARE(found.last().name, QStringLiteral("Same %1").arg(CatalogSearch::kMaxResults - 1));
}

QTEST_GUILESS_MAIN(TestCatalogSearch)
#include "tst_catalogsearch.moc"
