#include "directory/QueryString.h"

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

QTEST_GUILESS_MAIN(TestDirectoryQuery)
#include "tst_directoryquery.moc"
