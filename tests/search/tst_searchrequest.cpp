#include "search/ErrorPages.h"
#include "search/NumericText.h"
#include "search/SearchHistory.h"
#include "search/SearchRequest.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSearchRequest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void url_data();
    void url();
    void keywords_data();
    void keywords();
    void numericText_data();
    void numericText();
    void history();
    void errorPages_data();
    void errorPages();
};

void TestSearchRequest::url_data()
{
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<FormatFilters>("formats");
    QTest::addColumn<bool>("archive");
    QTest::addColumn<int>("searchFormat");
    QTest::addColumn<QString>("conSpeed");
    QTest::addColumn<QString>("expected");

    const QString head = u"http://dir.example:8642/search.asp?V=3&P=L&T1="_s;
    const QString all = u"&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1"_s;
    const FormatFilters every = FormatFilters::allSelected();
    QTest::newRow("live, two words, 56k, all formats")
        << "blues rock" << every << false << -1 << "Phone Modem 56k"
        << head + u"blues+rock"_s + all + u"&LIVE=1&SPD=56"_s;
    QTest::newRow("no format selected, Cable/DSL")
        << "blues" << FormatFilters() << false << -1 << "Cable/DSL" << head + u"blues&F=1&LIVE=1&SPD=300"_s;
    QTest::newRow("some formats, 28.8")
        << "x" << FormatFilters{false, true, false, false, true, false} << false << -1 << "Phone Modem 28.8"
        << head + u"x&F=1&MA=1&NV=1&LIVE=1&SPD=28"_s;
    QTest::newRow("archive mode sends no LIVE, ISDN 64k")
        << "blues" << every << true << -1 << "ISDN 64k" << head + u"blues"_s + all + u"&SPD=64"_s;
    QTest::newRow("genre Big Band, ISDN 128k") << "Big Band" << every << false << 2 << "ISDN 128k"
                                               << head + u"Big+Band"_s + all + u"&LIVE=1&FMT=2&SPD=128"_s;
    QTest::newRow("genre Special, 33.6") << "Special" << every << false << 1 << "Phone Modem 33.6"
                                         << head + u"Special"_s + all + u"&LIVE=1&FMT=1&SPD=33"_s;
    QTest::newRow("empty connection type")
        << "x" << every << false << -1 << "" << head + u"x"_s + all + u"&LIVE=1&SPD=0"_s;
    QTest::newRow("connection names are case-sensitive")
        << "x" << every << false << -1 << "cable/dsl" << head + u"x"_s + all + u"&LIVE=1&SPD=0"_s;
    QTest::newRow("connection name with a trailing blank")
        << "x" << every << false << -1 << "ISDN 64k " << head + u"x"_s + all + u"&LIVE=1&SPD=0"_s;
}

void TestSearchRequest::url()
{
    QFETCH(QString, boxText);
    QFETCH(FormatFilters, formats);
    QFETCH(bool, archive);
    QFETCH(int, searchFormat);
    QFETCH(QString, conSpeed);
    QFETCH(QString, expected);
    SearchRequest request;
    request.host = u"dir.example:8642"_s;
    request.keywords = SearchRequest::encodeKeywords(boxText);
    request.formats = formats;
    request.archive = archive;
    request.searchFormat = searchFormat;
    request.conSpeed = conSpeed;
    QCOMPARE(request.url(), expected);
}

void TestSearchRequest::keywords_data()
{
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("wire");
    QTest::newRow("every blank a plus, none trimmed")
        << " two  words " << u"+two++words+"_s << u"+two++words+"_s;
    QTest::newRow("ampersand cannot start a parameter") << "R&B" << u"R&B"_s << u"R%26B"_s;
    QTest::newRow("hash cannot cut the address") << "#1 hits" << u"#1+hits"_s << u"%231+hits"_s;
    QTest::newRow("percent cannot fake an escape") << "100%2F" << u"100%2F"_s << u"100%252F"_s;
    QTest::newRow("non-ASCII as UTF-8")
        << u"Caf\u00e9 M\u00fcnchen"_s << u"Caf\u00e9+M\u00fcnchen"_s << "Caf%C3%A9+M%C3%BCnchen";
    QTest::newRow("control characters") << u"a\tb\nc\u007f"_s << u"a\tb\nc\u007f"_s << "a%09b%0Ac%7F";
    QTest::newRow("the rest goes raw")
        << "^ska$,ska-/`ska 50's+b=c" << u"^ska$,ska-/`ska+50's+b=c"_s << u"^ska$,ska-/`ska+50's+b=c"_s;
}

void TestSearchRequest::keywords()
{
    QFETCH(QString, boxText);
    QFETCH(QString, shown);
    QFETCH(QString, wire);
    QCOMPARE(SearchRequest::encodeKeywords(boxText), shown);
    QCOMPARE(SearchRequest::wireKeywords(shown), wire);
}

void TestSearchRequest::numericText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("leading blanks, trailing zeros and text") << "  28.80k" << 28.8 << "28.8";
    QTest::newRow("whole number, leading zeros") << "007" << 7.0 << "7";
    QTest::newRow("no number") << "Unknown" << 0.0 << "0";
    QTest::newRow("fraction only") << ".5" << 0.5 << "0.5";
    QTest::newRow("point without fraction") << "5." << 5.0 << "5";
    QTest::newRow("sign is not read") << "-5" << 0.0 << "0";
    QTest::newRow("long number") << "12345678901234567890" << 12345678901234567890.0
                                 << "12345678901234567000";
}

void TestSearchRequest::numericText()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(NumericText::value(text), value);
    QCOMPARE(NumericText::normalized(text), shown);
}

void TestSearchRequest::history()
{
    SearchHistory history;
    QVERIFY(history.remember(u"blues+rock"_s, -1));
    QVERIFY(!history.remember(u"BLUES+Rock"_s, -1));
    QVERIFY(!history.remember(u"  blues+rock  "_s, -1));
    QVERIFY(!history.remember(u"Big+Band"_s, 2));
    QVERIFY(!history.remember(u"College"_s, 1));
    QVERIFY(history.remember(u"jazz"_s, -1));
    QVERIFY(history.contains(u"JAZZ "_s));
    QCOMPARE(history.entries(), QStringList({u"blues+rock"_s, u"jazz"_s}));
}

void TestSearchRequest::errorPages_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("message"); // empty: not an error page
    const QString forbidden = u"Error (Forbidden) : You are not permitted to access this site."_s;
    QTest::newRow("302") << "<H1>302 Moved Temporarily</H1>" << u"Error 302 : Document Moved Temporarily"_s;
    QTest::newRow("301") << "301 Moved Permanently" << u"Error 301 : Document Moved Permanently"_s;
    QTest::newRow("404 object") << "x 404 Object Not Found x" << u"Error 404 : Object Not Found"_s;
    QTest::newRow("404 file") << "404 File Not Found" << u"Error 404 : File Not Found"_s;
    QTest::newRow("Forbidden") << "HTTP Error 403 - Forbidden" << forbidden;
    QTest::newRow("403.6") << "HTTP 403.6 - IP address rejected" << forbidden;
    QTest::newRow("302 wins over Forbidden")
        << "Forbidden 302 Moved Temporarily" << u"Error 302 : Document Moved Temporarily"_s;
    QTest::newRow("301 wins over 404")
        << "404 Object Not Found 301 Moved Permanently" << u"Error 301 : Document Moved Permanently"_s;
    QTest::newRow("object before file")
        << "404 File Not Found, 404 Object Not Found" << u"Error 404 : Object Not Found"_s;
    QTest::newRow("case-sensitive") << "forbidden 404 object not found" << u""_s;
    QTest::newRow("ordinary text") << "</A> end of results" << u""_s;
}

void TestSearchRequest::errorPages()
{
    QFETCH(QString, page);
    QFETCH(QString, message);
    QCOMPARE(ErrorPages::checkErrorPage(page).value_or(QString()), message);
}

QTEST_GUILESS_MAIN(TestSearchRequest)
#include "tst_searchrequest.moc"
