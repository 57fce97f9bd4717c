#include "directory/DirectoryQuery.h"
#include "directory/QueryString.h"
#include "directory/RequestLineReader.h"

#include <QTest>

class TestDirectoryQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void escapedSeparatorsStayInTheValue();
    void form_data();
    void form();
    void searchFilters();
    void scanFields();
    void requestLinesSurviveAnySplit();
    void requestBodyIsNotTakenForARequest();
};

void TestDirectoryQuery::decode_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("plus is a space") << QByteArray("blues+rock") << true << QStringLiteral("blues rock");
    QTest::newRow("two plus") << QByteArray("a++b") << true << QStringLiteral("a  b");
    QTest::newRow("%26") << QByteArray("rock%26roll") << true << QStringLiteral("rock&roll");
    QTest::newRow("%23") << QByteArray("%231") << true << QStringLiteral("#1");
    QTest::newRow("%25") << QByteArray("100%25") << true << QStringLiteral("100%");
    QTest::newRow("%2B is a plus") << QByteArray("a%2Bb") << true << QStringLiteral("a+b");
    QTest::newRow("UTF-8") << QByteArray("caf%C3%A9") << true << QStringLiteral("caf\u00e9");
    QTest::newRow("UTF-8 lower hex") << QByteArray("%e2%82%ac") << true << QStringLiteral("\u20ac");
    QTest::newRow("genre markers raw") << QByteArray("^ska^,^ska$,ska-,ska/,skamusic,`ska") << true
                                       << QStringLiteral("^ska^,^ska$,ska-,ska/,skamusic,`ska");
    QTest::newRow("other raw characters") << QByteArray("it's/a-b,c") << true << QStringLiteral("it's/a-b,c");
    QTest::newRow("control character") << QByteArray("a%0Db") << true << QStringLiteral("a\rb");
    QTest::newRow("lone percent") << QByteArray("100%") << false << QString();
    QTest::newRow("one hex digit") << QByteArray("%2") << false << QString();
    QTest::newRow("not hex") << QByteArray("%G1") << false << QString();
    QTest::newRow("cut UTF-8") << QByteArray("%C3") << false << QString();
    QTest::newRow("not UTF-8") << QByteArray("%FF") << false << QString();
}

void TestDirectoryQuery::decode()
{
    QFETCH(QByteArray, raw);
    QFETCH(bool, ok);
    QFETCH(QString, decoded);
    const auto result = QueryString::decode(raw);
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, decoded);
}

void TestDirectoryQuery::escapedSeparatorsStayInTheValue()
{
    QueryString query;
    QVERIFY(query.parse("V=3&T1=r%26b%3Dsoul%23&F=1&T1=second"));
    QCOMPARE(query.value(QStringLiteral("T1")), QStringLiteral("r&b=soul#"));
    QCOMPARE(query.value(QStringLiteral("F")), QStringLiteral("1"));
    QVERIFY(!query.contains(QStringLiteral("b")));
}

void TestDirectoryQuery::form_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<DirectoryQuery::Form>("form");
    using F = DirectoryQuery::Form;
    QTest::newRow("client search") << QByteArray("V=3&P=L&T1=blues+rock&F=1&RA=1&LIVE=1&SPD=56") << F::Search;
    QTest::newRow("search for R") << QByteArray("V=3&P=L&T1=R&F=1&RA=1&LIVE=1&SPD=0") << F::Search;
    QTest::newRow("GS other than 1") << QByteArray("T1=R&GS=0&LS=0") << F::Search;
    QTest::newRow("empty keywords") << QByteArray("T1=&F=1") << F::Search;
    QTest::newRow("scan R") << QByteArray("V=3&P=L&T1=R&GS=1&UNK=0&LS=0&SPD=0") << F::Scan;
    QTest::newRow("scan N with style")
        << QByteArray("V=3&P=L&STYLE=Talk/News&T1=N&GS=1&UNK=1&LS=5") << F::Scan;
    QTest::newRow("no query") << QByteArray() << F::Bad;
    QTest::newRow("no T1") << QByteArray("V=3&P=L&F=1") << F::Bad;
    QTest::newRow("bad escape") << QByteArray("T1=%zz&F=1") << F::Bad;
    QTest::newRow("FMT 3") << QByteArray("T1=a&FMT=3") << F::Bad;
    QTest::newRow("FMT -1") << QByteArray("T1=a&FMT=-1") << F::Bad;
    QTest::newRow("SPD text") << QByteArray("T1=a&SPD=fast") << F::Bad;
    QTest::newRow("SPD negative") << QByteArray("T1=a&SPD=-5") << F::Bad;
    QTest::newRow("scan without LS") << QByteArray("T1=R&GS=1") << F::Bad;
    QTest::newRow("scan LS negative") << QByteArray("T1=R&GS=1&LS=-1") << F::Bad;
    QTest::newRow("scan LS text") << QByteArray("T1=N&GS=1&LS=x") << F::Bad;
    QTest::newRow("scan LS huge") << QByteArray("T1=N&GS=1&LS=99999999999999999999999") << F::Bad;
}

void TestDirectoryQuery::form()
{
    QFETCH(QByteArray, raw);
    QFETCH(DirectoryQuery::Form, form);
    const DirectoryQuery query = DirectoryQuery::parse(raw);
    QCOMPARE(query.form(), form);
    QCOMPARE(query.error().isEmpty(), form != DirectoryQuery::Form::Bad);
}

void TestDirectoryQuery::searchFilters()
{
    using Flag = StreamClassifier::FormatFlag;
    const auto all =
        DirectoryQuery::parse("V=3&P=L&T1=Big+Band&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1&LIVE=1&FMT=2&SPD=300");
    QCOMPARE(all.search().keywords, QStringLiteral("Big Band"));
    QCOMPARE(all.search().formats, (QList<Flag>{Flag::RA, Flag::MA, Flag::RV, Flag::NA, Flag::NV, Flag::SW}));
    QVERIFY(all.search().live);
    QCOMPARE(all.search().category, SearchQuery::Category::MusicStyle);
    QCOMPARE(all.search().speedCeiling, 300.0);

    const auto some = DirectoryQuery::parse("V=3&P=L&T1=College&F=1&NV=1&SW=1&FMT=1");
    QCOMPARE(some.search().formats, (QList<Flag>{Flag::NV, Flag::SW}));
    QVERIFY(!some.search().live);
    QCOMPARE(some.search().category, SearchQuery::Category::Formats);
    QCOMPARE(some.search().speedCeiling, 0.0);
    QVERIFY(DirectoryQuery::parse("T1=a&F=1").search().formats.isEmpty());
}

void TestDirectoryQuery::scanFields()
{
    const auto real = DirectoryQuery::parse("V=3&P=L&STYLE=Big+Band&T1=R&GS=1&UNK=0&LS=0&SPD=56");
    QCOMPARE(real.scan().style, QStringLiteral("Big Band"));
    QCOMPARE(real.scan().player, StreamClassifier::ScanFamily::RealPlayer);
    QVERIFY(!real.scan().includeUnknown);
    QCOMPARE(real.scan().after, 0);
    QCOMPARE(real.scan().speedCeiling, 56.0);

    const auto media = DirectoryQuery::parse("V=3&P=L&STYLE=^ska^,`ska&T1=N&GS=1&UNK=1&LS=17&SPD=0");
    QCOMPARE(media.scan().style, QStringLiteral("^ska^,`ska"));
    QCOMPARE(media.scan().player, StreamClassifier::ScanFamily::WindowsMedia);
    QVERIFY(media.scan().includeUnknown);
    QCOMPARE(media.scan().after, 17);
}

// The server reads a connection in whatever pieces the network delivers.
void TestDirectoryQuery::requestLinesSurviveAnySplit()
{
    const QByteArray stream = "GET /search.asp?T1=^ska^,`ska HTTP/1.1\r\nHost: h\r\n\r\n"
                              "GET /redirect.asp?P=Q HTTP/1.1\nHost: h\n\n";
    for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
        RequestLineReader reader;
        reader.feed(stream.left(cut));
        reader.feed(stream.mid(cut));
        QVERIFY(reader.hasLine());
        QCOMPARE(reader.takeLine().target, QByteArray("/search.asp?T1=^ska^,`ska"));
        QVERIFY(reader.hasLine());
        const RawRequestLine second = reader.takeLine();
        QCOMPARE(second.method, QByteArray("GET"));
        QCOMPARE(second.target, QByteArray("/redirect.asp?P=Q"));
        QVERIFY(!reader.hasLine());
    }
}

void TestDirectoryQuery::requestBodyIsNotTakenForARequest()
{
    RequestLineReader reader;
    reader.feed("POST /p HTTP/1.1\r\ncontent-length: 20\r\n\r\nGET /fake HTTP/1.1\r\n");
    reader.feed("GET /next HTTP/1.1\r\n\r\n");
    QCOMPARE(reader.takeLine().target, QByteArray("/p"));
    QCOMPARE(reader.takeLine().target, QByteArray("/next"));
    QVERIFY(!reader.hasLine());
}

QTEST_GUILESS_MAIN(TestDirectoryQuery)
#include "tst_directoryquery.moc"
