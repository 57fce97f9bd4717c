#include "CatalogFixture.h"

#include "directory/CatalogSearch.h"
#include "directory/ResultsPage.h"
#include "directory/TrigramIndex.h"

#include <algorithm>

#include <QTest>

namespace {

using Lookup = CatalogSearch::Lookup;
using Flag = StreamClassifier::FormatFlag;

// Keyword lists of every kind the matcher reads: plain and capitalised words, words shorter than
// an indexed run, markers, empty words and alternatives, punctuation, and non-ASCII text whose
// case folding differs from its ASCII bytes.
const char* const kKeywords[] = {"jazz",
                                 "JAZZ rock",
                                 "radio",
                                 "classic hits",
                                 "caf\u00e9",
                                 "CAF\u00c9",
                                 "m\u00fasica",
                                 "^ska^,^ska$,ska-,ska/,skamusic,`ska",
                                 "techno^,techno$,techno-,techno/,technomusic",
                                 "news,talk",
                                 "talk/news",
                                 "live television",
                                 "college",
                                 "planet 4711",
                                 "fm",
                                 "a",
                                 "x y",
                                 "^a^",
                                 "`ro",
                                 "rock$",
                                 "ro$ck",
                                 "r`ock",
                                 "^",
                                 "`` $",
                                 " , ,",
                                 ",jazz,",
                                 ",,fm",
                                 "\u0440\u0430\u0434\u0438\u043e",
                                 "\u6771\u4eac",
                                 "\u30e9\u30b8\u30aa",
                                 "stra\u00dfe",
                                 "strasse",
                                 "\u212aelvin",
                                 "kelvin",
                                 "\u017fun",
                                 "sun",
                                 "r&b",
                                 "100%",
                                 "**",
                                 "&&",
                                 "ohio",
                                 "dayton ohio",
                                 "unknown",
                                 "internet",
                                 "1",
                                 "128",
                                 "mp3",
                                 "aac+",
                                 "hls",
                                 "^fx^ `jazz",
                                 "$x",
                                 "nothing-matches-this",
                                 "tab\tand",
                                 "e\u0301",
                                 "jazzjazz",
                                 "zzj",
                                 "-",
                                 "\u00e9t\u00e9",
                                 "same 10",
                                 "lounge,quiet",
                                 "x, jazz y"};

// Made-up stations over a small set of words, so common words pass the result cap, rare ones
// match a handful and texts mix ASCII with other scripts.
Catalog wordCatalog()
{
    const QStringList words{QStringLiteral("Jazz"),
                            QStringLiteral("Rock"),
                            QStringLiteral("Radio"),
                            QStringLiteral("Caf\u00e9"),
                            QStringLiteral("Ska-Punk"),
                            QStringLiteral("Alaska"),
                            QStringLiteral("Stra\u00dfe"),
                            QStringLiteral("\u212Aelvin"),
                            QStringLiteral("\u0420\u0430\u0434\u0438\u043e"),
                            QStringLiteral("FM"),
                            QStringLiteral("Same"),
                            QStringLiteral("Lounge"),
                            QStringLiteral("\u00c9t\u00e9"),
                            QStringLiteral("Acidtechno")};
    const QStringList styles{QStringLiteral("Ska"), QStringLiteral("Techno"), QStringLiteral("Jazz,Rock"),
                             QStringLiteral("Talk/News"), QString()};
    const char* const urls[] = {"http://h.example.com/a.ram", "http://h.example.com/a.asx",
                                "http://h.example.com/a.mp3", "http://h.example.com/a.xdm"};
    Catalog catalog;
    for (int i = 0; i < 3000; ++i) {
        const QString name = words[i % words.size()] + QLatin1Char(' ') + words[(i / 7) % words.size()] +
                             QStringLiteral(" %1").arg(i % 97);
        catalog.append(liveEntry(name, urls[i % 4], styles[i % styles.size()],
                                 i % 11 == 0 ? QStringLiteral("College") : QString(), (i % 5) * 32.0,
                                 i % 13 == 0));
        if (i % 9 == 0)
            catalog.append(clipEntry(name, words[i % 5], urls[(i + 1) % 4], 0, i));
    }
    return catalog;
}

Catalog loaded(const QString& path, bool keepFailed)
{
    Catalog catalog;
    if (!catalog.load(path, {keepFailed}))
        qFatal("cannot load %s: %s", qPrintable(path), qPrintable(catalog.error()));
    return catalog;
}

QByteArrayList scanLines(const Catalog& catalog, const ScanQuery& query, Lookup lookup)
{
    QByteArrayList lines;
    for (const CatalogEntry& entry : CatalogSearch::scanList(catalog, query, lookup))
        lines.append(entry.pageLine);
    return lines;
}

} // namespace

class TestCatalogIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void postings_data();
    void postings();
    void indexedEqualsFullScan_data();
    void indexedEqualsFullScan();
    void pageLinesEqualBuiltPage();
    void wholeRatesWrittenAsBefore();
};

// The lists a keyword's pieces are looked up in, as the positions of their intersection.
void TestCatalogIndex::postings_data()
{
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<QList<TrigramIndex::Position>>("positions");
    QTest::addColumn<bool>("unconstrained");
    const auto row = [](const char* name, const QByteArrayList& pieces,
                        QList<TrigramIndex::Position> positions, bool unconstrained = false) {
        QTest::newRow(name) << pieces << positions << unconstrained;
    };
    row("one run", {"jaz"}, {0, 2});
    row("runs of one word", {"jazz"}, {0, 2});
    row("runs of two pieces", {"jazz", "rock"}, {2});
    row("a run no text holds", {"jazz", "xyz"}, {});
    row("repeated runs count once", {"aaa"}, {3});
    row("short pieces tell nothing", {"ja", "z"}, {}, true);
    row("a run before a non-ASCII letter", {"caf"}, {1});
    row("field separator", {"z\nr"}, {2});
}

void TestCatalogIndex::postings()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(QList<TrigramIndex::Position>, positions);
    QFETCH(bool, unconstrained);
    TrigramIndex index;
    for (const char* text : {"jazz lounge", "caf\xc3\xa9 t\xc3\xa9l\xc3\xa9", "jazz\nrock", "aaaaaa"})
        index.add(text);
    index.squeeze();
    const auto lists = index.postingsFor(pieces);
    QCOMPARE(lists.empty(), unconstrained);
    for (const TrigramIndex::Postings list : lists)
        QVERIFY(std::adjacent_find(list.begin(), list.end(), std::greater_equal<>()) == list.end());
    if (unconstrained)
        return;
    QList<TrigramIndex::Position> common;
    for (TrigramIndex::Position position = 0; position < index.size(); ++position) {
        if (std::all_of(lists.cbegin(), lists.cend(), [position](TrigramIndex::Postings list) {
                return std::binary_search(list.begin(), list.end(), position);
            }))
            common.append(position);
    }
    QCOMPARE(common, positions);
}

void TestCatalogIndex::indexedEqualsFullScan_data()
{
    QTest::addColumn<QString>("keywords");
    for (const char* keywords : kKeywords)
        QTest::newRow(keywords) << QString::fromUtf8(keywords);
}

// Every keyword list under every filter gives the same entries through the index as through a
// scan of every entry, on the bundled catalog, the station list fixture and the word catalog.
void TestCatalogIndex::indexedEqualsFullScan()
{
    QFETCH(QString, keywords);
    static const QList<Catalog> catalogs{loaded(QStringLiteral(SKYLARK_CATALOG), false),
                                         loaded(QStringLiteral(STATION_DATA "/stations.json"), true),
                                         wordCatalog()};
    for (const Catalog& catalog : catalogs) {
        for (const auto category : {SearchQuery::Category::Any, SearchQuery::Category::Formats,
                                    SearchQuery::Category::MusicStyle}) {
            for (const bool live : {true, false}) {
                for (const double speed : {0.0, 64.0}) {
                    SearchQuery query{keywords,
                                      {Flag::RA, Flag::MA, Flag::RV, Flag::NA, Flag::NV, Flag::SW},
                                      live,
                                      category,
                                      speed};
                    const auto indexed = CatalogSearch::matchPositions(catalog, query, Lookup::Index);
                    QCOMPARE(indexed, CatalogSearch::matchPositions(catalog, query, Lookup::FullScan));
                    query.formats = {Flag::MA};
                    QCOMPARE(CatalogSearch::matchPositions(catalog, query, Lookup::Index),
                             CatalogSearch::matchPositions(catalog, query, Lookup::FullScan));
                }
            }
            for (const auto player :
                 {StreamClassifier::ScanFamily::RealPlayer, StreamClassifier::ScanFamily::WindowsMedia}) {
                const ScanQuery scan{keywords, player, true, 0, 0};
                QCOMPARE(scanLines(catalog, scan, Lookup::Index), scanLines(catalog, scan, Lookup::FullScan));
            }
        }
    }
}

// A page put together from the lines made at load is the page built from the entries.
void TestCatalogIndex::pageLinesEqualBuiltPage()
{
    const Catalog catalogs[] = {loaded(QStringLiteral(SKYLARK_CATALOG), false), wordCatalog()};
    for (const Catalog& catalog : catalogs) {
        for (const char* keywords : {"a", "jazz", "caf\u00e9", "ohio"}) {
            const SearchQuery query{QString::fromUtf8(keywords),
                                    {Flag::RA, Flag::MA, Flag::RV, Flag::NA, Flag::NV, Flag::SW},
                                    true,
                                    SearchQuery::Category::Any,
                                    0};
            const auto positions = CatalogSearch::matchPositions(catalog, query);
            QCOMPARE(ResultsPage::build(catalog, positions),
                     ResultsPage::build(CatalogSearch::search(catalog, query)));
        }
    }
}

// Whole bit rates skip the general number form; they must come out as it writes them.
void TestCatalogIndex::wholeRatesWrittenAsBefore()
{
    for (const double rate :
         {0.0, -0.0, 1.0, 128.0, 320.0, 64.5, 0.1, 999999999999.0, 1e12, 12345678901234.0}) {
        CatalogEntry entry;
        entry.bitrate = rate;
        QCOMPARE(entry.bitrateText(), QString::number(rate, 'g', 12));
    }
}

QTEST_GUILESS_MAIN(TestCatalogIndex)
#include "tst_catalogindex.moc"
