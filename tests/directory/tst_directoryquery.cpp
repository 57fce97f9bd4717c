#include "directory/QueryString.h"
#include "directory/RequestLineReader.h"

#include <QTest>

// Which form a query takes, and when it is refused, is checked through the service's answers in
// tst_directorypages; what the filters do with it, through whole searches in tst_catalogsearch.
class TestDirectoryQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void escapedSeparatorsStayInTheValue();
    void requestLinesSurviveAnySplit();
    void requestBodyIsNotTakenForARequest();
};

void TestDirectoryQuery::decode_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("decoded"); // null: refused
    const auto row = [](const char* raw, const char* decoded) {
        QTest::newRow(raw) << QByteArray(raw) << (decoded ? QString::fromUtf8(decoded) : QString());
    };
    row("blues+rock", "blues rock");
    row("rock%26roll", "rock&roll");
    row("%231", "#1");
    row("100%25", "100%");
    row("a%2Bb", "a+b");
    row("caf%C3%A9", "caf\u00e9");
    row("%e2%82%ac", "\u20ac");
    row("^ska^,^ska$,ska-,ska/,skamusic,`ska,it's", "^ska^,^ska$,ska-,ska/,skamusic,`ska,it's");
    row("100%", nullptr);
    row("%2", nullptr);
    row("%G1", nullptr);
    row("%C3", nullptr);
    row("%FF", nullptr);
}

void TestDirectoryQuery::decode()
{
    QFETCH(QByteArray, raw);
    QFETCH(QString, decoded);
    const auto result = QueryString::decode(raw);
    QCOMPARE(result.has_value(), !decoded.isNull());
    if (result)
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
