#include "search/ErrorPages.h"
#include "search/SearchRequest.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSearchRequest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void url_data();
    void url();
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

void TestSearchRequest::errorPages_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("message"); // empty: not an error page
    QTest::newRow("302") << "<H1>302 Moved Temporarily</H1>" << u"Error 302 : Document Moved Temporarily"_s;
    QTest::newRow("301") << "301 Moved Permanently" << u"Error 301 : Document Moved Permanently"_s;
    QTest::newRow("404 object") << "x 404 Object Not Found x" << u"Error 404 : Object Not Found"_s;
    QTest::newRow("Forbidden") << "HTTP Error 403 - Forbidden"
                               << u"Error (Forbidden) : You are not permitted to access this site."_s;
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
