#include "search/ErrorPages.h"
#include "search/Genres.h"
#include "search/NumericText.h"
#include "search/SearchHistory.h"
#include "search/SearchRequest.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString kAllFormats = QStringLiteral("&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1");
}

class TestSearchRequest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void url_data();
    void url();
    void filterString_data();
    void filterString();
    void speedTable_data();
    void speedTable();
    void wireKeywords_data();
    void wireKeywords();
    void numericText_data();
    void numericText();
    void history();
    void genres();
    void genreEntries_data();
    void genreEntries();
    void errorPages_data();
    void errorPages();
};

void TestSearchRequest::url_data()
{
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<bool>("allFormats");
    QTest::addColumn<bool>("archive");
    QTest::addColumn<int>("searchFormat");
    QTest::addColumn<QString>("conSpeed");
    QTest::addColumn<QString>("expected");

    const QString head = QStringLiteral("http://dir.example:8642/search.asp?V=3&P=L&T1=");
    QTest::newRow("live, two words, 56k, all formats")
        << "blues rock" << true << false << -1 << "Phone Modem 56k"
        << head + u"blues+rock"_s + kAllFormats + u"&LIVE=1&SPD=56"_s;
    QTest::newRow("no format selected")
        << "blues" << false << false << -1 << "Cable/DSL" << head + u"blues&F=1&LIVE=1&SPD=300"_s;
    QTest::newRow("archive mode sends no LIVE")
        << "blues" << true << true << -1 << "ISDN 64k" << head + u"blues"_s + kAllFormats + u"&SPD=64"_s;
    QTest::newRow("genre Big Band") << "Big Band" << true << false << 2 << "ISDN 128k"
                                    << head + u"Big+Band"_s + kAllFormats + u"&LIVE=1&FMT=2&SPD=128"_s;
    QTest::newRow("genre Special") << "Special" << true << false << 1 << "Phone Modem 28.8"
                                   << head + u"Special"_s + kAllFormats + u"&LIVE=1&FMT=1&SPD=28"_s;
    QTest::newRow("empty connection type")
        << "x" << true << false << -1 << "" << head + u"x"_s + kAllFormats + u"&LIVE=1&SPD=0"_s;
    QTest::newRow("connection names are case-sensitive")
        << "x" << true << false << -1 << "cable/dsl" << head + u"x"_s + kAllFormats + u"&LIVE=1&SPD=0"_s;
    QTest::newRow("two spaces give two plus signs")
        << "two  words" << true << false << -1 << "Phone Modem 33.6"
        << head + u"two++words"_s + kAllFormats + u"&LIVE=1&SPD=33"_s;
    QTest::newRow("blanks are not trimmed") << " x " << true << false << -1 << "Cable/DSL"
                                            << head + u"+x+"_s + kAllFormats + u"&LIVE=1&SPD=300"_s;
    QTest::newRow("only blanks") << "   " << true << false << -1 << "Cable/DSL"
                                 << head + u"+++"_s + kAllFormats + u"&LIVE=1&SPD=300"_s;
}

void TestSearchRequest::url()
{
    QFETCH(QString, boxText);
    QFETCH(bool, allFormats);
    QFETCH(bool, archive);
    QFETCH(int, searchFormat);
    QFETCH(QString, conSpeed);
    QFETCH(QString, expected);

    SearchRequest request;
    request.host = QStringLiteral("dir.example:8642");
    request.keywords = SearchRequest::encodeKeywords(boxText);
    request.formats = allFormats ? FormatFilters::allSelected() : FormatFilters();
    request.archive = archive;
    request.searchFormat = searchFormat;
    request.conSpeed = conSpeed;
    QCOMPARE(request.url(), expected);
}

void TestSearchRequest::filterString_data()
{
    QTest::addColumn<FormatFilters>("formats");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << FormatFilters() << "&F=1";
    QTest::newRow("all") << FormatFilters::allSelected() << kAllFormats;
    QTest::newRow("RealAudio only") << FormatFilters{true, false, false, false, false, false} << "&F=1&RA=1";
    QTest::newRow("StreamWorks only")
        << FormatFilters{false, false, false, false, false, true} << "&F=1&SW=1";
    QTest::newRow("MP3 and Microsoft video")
        << FormatFilters{false, true, false, false, true, false} << "&F=1&MA=1&NV=1";
}

void TestSearchRequest::filterString()
{
    QFETCH(FormatFilters, formats);
    QFETCH(QString, expected);
    QCOMPARE(SearchRequest::filterString(formats), expected);
}

void TestSearchRequest::speedTable_data()
{
    QTest::addColumn<QString>("conSpeed");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("ceiling"); // -1: none
    QTest::newRow("28.8") << "Phone Modem 28.8" << 28 << 28;
    QTest::newRow("33.6") << "Phone Modem 33.6" << 33 << 33;
    QTest::newRow("56k") << "Phone Modem 56k" << 56 << 56;
    QTest::newRow("ISDN 64k") << "ISDN 64k" << 64 << 64;
    QTest::newRow("ISDN 128k") << "ISDN 128k" << 128 << 128;
    QTest::newRow("Cable/DSL") << "Cable/DSL" << 300 << 300;
    QTest::newRow("empty") << "" << 0 << -1;
    QTest::newRow("other") << "T1 line" << 0 << -1;
    QTest::newRow("trailing blank") << "ISDN 64k " << 0 << -1;
}

void TestSearchRequest::speedTable()
{
    QFETCH(QString, conSpeed);
    QFETCH(int, code);
    QFETCH(int, ceiling);
    QCOMPARE(SearchRequest::speedCode(conSpeed), code);
    QCOMPARE(SearchRequest::speedSuffix(conSpeed), QStringLiteral("&SPD=") + QString::number(code));
    QCOMPARE(SearchRequest::speedCeiling(conSpeed).value_or(-1), ceiling);
}

void TestSearchRequest::wireKeywords_data()
{
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("wire");
    QTest::newRow("plain") << "blues rock"
                           << "blues+rock"
                           << "blues+rock";
    QTest::newRow("ampersand cannot start a parameter") << "R&B"
                                                        << "R&B"
                                                        << "R%26B";
    QTest::newRow("hash cannot cut the address") << "#1 hits"
                                                 << "#1+hits"
                                                 << "%231+hits";
    QTest::newRow("percent cannot fake an escape") << "100%2F"
                                                   << "100%2F"
                                                   << "100%252F";
    QTest::newRow("non-ASCII as UTF-8")
        << QStringLiteral("Caf\u00e9 M\u00fcnchen") << QStringLiteral("Caf\u00e9+M\u00fcnchen")
        << "Caf%C3%A9+M%C3%BCnchen";
    QTest::newRow("control characters")
        << QStringLiteral("a\tb\nc\u007f") << QStringLiteral("a\tb\nc\u007f") << "a%09b%0Ac%7F";
    QTest::newRow("the rest goes raw") << "^ska^,^ska$,ska-,ska/,skamusic,`ska"
                                       << "^ska^,^ska$,ska-,ska/,skamusic,`ska"
                                       << "^ska^,^ska$,ska-,ska/,skamusic,`ska";
    QTest::newRow("quote, plus, equals") << "50's a+b=c"
                                         << "50's+a+b=c"
                                         << "50's+a+b=c";
}

void TestSearchRequest::wireKeywords()
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
    QTest::newRow("whole") << "28" << 28.0 << "28";
    QTest::newRow("fraction") << "28.8" << 28.8 << "28.8";
    QTest::newRow("trailing zeros") << "28.80k" << 28.8 << "28.8";
    QTest::newRow("leading blanks") << "  56k" << 56.0 << "56";
    QTest::newRow("leading zeros") << "007" << 7.0 << "7";
    QTest::newRow("no number") << "Unknown" << 0.0 << "0";
    QTest::newRow("empty") << "" << 0.0 << "0";
    QTest::newRow("fraction only") << ".5" << 0.5 << "0.5";
    QTest::newRow("point without fraction") << "5." << 5.0 << "5";
    QTest::newRow("sign is not read") << "-5" << 0.0 << "0";
    QTest::newRow("long number") << "12345678901234567890" << 12345678901234567890.0
                                 << "12345678901234567000";
    QTest::newRow("version") << "3.0" << 3.0 << "3";
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
    QVERIFY(history.remember(QStringLiteral("blues+rock"), -1));
    QVERIFY(!history.remember(QStringLiteral("BLUES+Rock"), -1));
    QVERIFY(!history.remember(QStringLiteral("  blues+rock  "), -1));
    QVERIFY(!history.remember(QStringLiteral("Big+Band"), 2));
    QVERIFY(!history.remember(QStringLiteral("College"), 1));
    QVERIFY(history.remember(QStringLiteral("jazz"), -1));
    QVERIFY(history.contains(QStringLiteral("JAZZ ")));
    QCOMPARE(history.entries(), QStringList({QStringLiteral("blues+rock"), QStringLiteral("jazz")}));
}

void TestSearchRequest::genres()
{
    const QList<GenreEntry>& entries = Genres::all();
    QCOMPARE(entries.size(), 35);
    QSet<QString> names;
    for (int at = 0; at < entries.size(); ++at) {
        const GenreEntry& entry = entries.at(at);
        names.insert(entry.objectName);
        const bool format = at < 5;
        QCOMPARE(entry.menu, format ? GenreEntry::Menu::Format : GenreEntry::Menu::Music);
        QCOMPARE(entry.category, format ? 1 : 2);
    }
    QCOMPARE(names.size(), 35);
    QCOMPARE(entries.first().objectName, QStringLiteral("menuCollege"));
    QCOMPARE(entries.at(5).objectName, QStringLiteral("menu50s"));
    QCOMPARE(entries.last().objectName, QStringLiteral("menuZydeco"));
    QVERIFY(!Genres::find(QStringLiteral("menuFolk")));
}

void TestSearchRequest::genreEntries_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("category");
    QTest::newRow("Special") << "menuSpecial"
                             << "Special (Police, Scanners, Emergency)"
                             << "Special"
                             << "1";
    QTest::newRow("Live Television") << "menuTV"
                                     << "Live Television"
                                     << "Live Television"
                                     << "1";
    QTest::newRow("50's") << "menu50s"
                          << "50's"
                          << "50s,50's,1950,fifties"
                          << "2";
    QTest::newRow("70s") << "menu70s"
                         << "70s"
                         << "70s,70's,1970,seventies"
                         << "2";
    QTest::newRow("Big Band") << "menuBigBand"
                              << "Big Band"
                              << "Big Band"
                              << "2";
    QTest::newRow("Calypso") << "menuCalypso"
                             << "Calypso"
                             << "calypso"
                             << "2";
    QTest::newRow("Experimental") << "MenuExp"
                                  << "Experimental"
                                  << "Experimental"
                                  << "2";
    QTest::newRow("Oldtime") << "menuOldTime"
                             << "Oldtime"
                             << "Oldtime"
                             << "2";
    QTest::newRow("Ska") << "menuSka"
                         << "Ska"
                         << "^ska^,^ska$,ska-,ska/,skamusic,`ska"
                         << "2";
    QTest::newRow("Techno") << "menutechno"
                            << "Techno"
                            << "techno^,techno$,techno-,techno/,technomusic"
                            << "2";
}

void TestSearchRequest::genreEntries()
{
    QFETCH(QString, objectName);
    QFETCH(QString, caption);
    QFETCH(QString, keywords);
    QFETCH(QString, category);
    const GenreEntry* entry = Genres::find(objectName);
    QVERIFY(entry);
    QCOMPARE(entry->caption, caption);
    QCOMPARE(entry->keywords, keywords);
    QCOMPARE(entry->categoryText(), category);
}

void TestSearchRequest::errorPages_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("message"); // empty: not an error page
    const QString forbidden =
        QStringLiteral("Error (Forbidden) : You are not permitted to access this site.");
    QTest::newRow("302") << "<H1>302 Moved Temporarily</H1>"
                         << "Error 302 : Document Moved Temporarily";
    QTest::newRow("301") << "301 Moved Permanently"
                         << "Error 301 : Document Moved Permanently";
    QTest::newRow("404 object") << "x 404 Object Not Found x"
                                << "Error 404 : Object Not Found";
    QTest::newRow("404 file") << "404 File Not Found"
                              << "Error 404 : File Not Found";
    QTest::newRow("Forbidden") << "HTTP Error 403 - Forbidden" << forbidden;
    QTest::newRow("403.6") << "HTTP 403.6 - IP address rejected" << forbidden;
    QTest::newRow("302 wins over Forbidden") << "Forbidden 302 Moved Temporarily"
                                             << "Error 302 : Document Moved Temporarily";
    QTest::newRow("301 wins over 404") << "404 Object Not Found 301 Moved Permanently"
                                       << "Error 301 : Document Moved Permanently";
    QTest::newRow("object before file") << "404 File Not Found, 404 Object Not Found"
                                        << "Error 404 : Object Not Found";
    QTest::newRow("case-sensitive") << "forbidden 404 object not found"
                                    << "";
    QTest::newRow("ordinary text") << "</A> end of results"
                                   << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSearchRequest::errorPages()
{
    QFETCH(QString, page);
    QFETCH(QString, message);
    QCOMPARE(ErrorPages::CheckErrorPage(page).value_or(QString()), message);
}

QTEST_GUILESS_MAIN(TestSearchRequest)
#include "tst_searchrequest.moc"
