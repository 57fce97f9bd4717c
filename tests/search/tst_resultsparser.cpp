#include "search/ErrorPages.h"
#include "search/ResultsModel.h"
#include "search/ResultsParser.h"
#include "search/SearchRequest.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
// Cells written as one text, separated by "|".
QStringList fields(const char* joined)
{
    return QString::fromUtf8(joined).split(u'|');
}

QString livePage(int count)
{
    QString page = u"<HTML><BODY><H1>Results</H1>\n"_s;
    for (int at = 0; at < count; ++at)
        page +=
            u"<A HREF=\"http://s.example/%1.ram\">Station %1**Real&&Ohio^^%2$$0@@p</A><BR>\n"_s.arg(at).arg(
                16 + at % 40);
    return page + u"</BODY></HTML>"_s;
}

QStringList cells(const ResultsModel& model, int column)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result.append(model.cell(row, column));
    return result;
}

QStringList cellsOf(const std::optional<ResultRow>& row)
{
    QStringList result;
    for (int column = 0; row && column < ResultRow::kColumnCount; ++column)
        result.append(row->cell(column));
    return result;
}

} // namespace

class TestResultsParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_parser.reset();
        m_tester.reset();
        m_model = std::make_unique<ResultsModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(
            m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_parser = std::make_unique<ResultsParser>(*m_model);
    }

    void liveRecord_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("cells"); // empty: dropped

        QTest::newRow("typical")
            << "http://s.example/wxyz.ram"
            << "WXYZ Radio**RealAudio&&Chicago, Illinois^^20$$0@@http://wxyz.example/"
            << fields("WXYZ Radio|RealAudio|Chicago, Illinois|20k|http://s.example/wxyz.ram|"
                      "http://wxyz.example/|||20|");
        QTest::newRow("empty fields")
            << "u" << u"**&&^^$$@@"_s << fields("Unknown|Unknown||Unknown|u||||5000|");
        QTest::newRow("name and format trimmed, blank format stays blank")
            << "u" << u"  KXYZ  **   &&Ohio^^56k$$1@@p"_s << fields("KXYZ||Ohio|56k|u|p|||56|");
        QTest::newRow("speed 0") << "u" << u"K**F&&L^^0$$@@p"_s << fields("K|F|L|Unknown|u|p|||5000|");
        QTest::newRow("fractional speed")
            << "u" << u"K**F&&L^^28.8$$@@p"_s << fields("K|F|L|28.8k|u|p|||28.8|");
        QTest::newRow("url stripped of blanks and quotes, speed with k kept")
            << "  http://s/a.asx \"" << u"K**F&&L^^24k$$@@p"_s << fields("K|F|L|24k|http://s/a.asx|p|||24|");
        QTest::newRow("tilde stays in the flag field in live mode")
            << "u" << u"K**F&&L^^24$$x~~0@@p"_s << fields("K|F|L|24k|u|p|||24|");
        QTest::newRow("markers are cut in order")
            << "u" << u"A&&B**F^^x&&L^^24$$@@p@@q"_s << fields("A&&B|F^^x|L|24k|u|p@@q|||24|");
        QTest::newRow("missing flag marker: dropped") << "u" << u"K**F&&L^^24$$p"_s << QStringList();
        QTest::newRow("markers out of order: dropped") << "u" << u"K**F^^L&&24$$0@@p"_s << QStringList();
        // Display texts are cut with an ellipsis; a cut address would lead elsewhere, so its record goes.
        const QString longText(ResultRow::kCellLimit + 1000, u'x');
        const QString cut = longText.left(ResultRow::kCellLimit) + u'\u2026';
        QTest::newRow("long texts cut")
            << "u" << longText + u"**F&&"_s + longText + u"^^24$$@@p"_s
            << QStringList{cut, u"F"_s, cut, u"24k"_s, u"u"_s, u"p"_s, {}, {}, u"24"_s, {}};
        QTest::newRow("long address: dropped") << longText << u"K**F&&L^^24$$@@p"_s << QStringList();
        QTest::newRow("long page: dropped") << "u" << u"K**F&&L^^24$$@@"_s + longText << QStringList();
    }

    void liveRecord()
    {
        QFETCH(QString, url);
        QFETCH(QString, text);
        QFETCH(QStringList, cells);
        const std::optional<ResultRow> row = ResultsParser::recordRow(url, text, false, std::nullopt);
        QCOMPARE(cellsOf(row), cells);
        if (row)
            QCOMPARE(row->picture(), ResultPicture::None);
    }

    void archiveRecord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("cells"); // empty: dropped
        QTest::addColumn<ResultPicture>("picture");
        using P = ResultPicture;

        QTest::newRow("title and additional text")
            << ":Live at the Fillmore:1969**RealAudio&&Loc^^20$$125~~0@@http://found.example/"
            << fields("|[2:5]|20k|Live at the Fillmore|1969|\"c/a.rm|http://found.example/|0|20|125")
            << P::Audio;
        QTest::newRow("no colon") << "Fillmore**F&&L^^20k$$59~~1@@p"
                                  << fields("|[0:59]|20k|Fillmore||\"c/a.rm|p|1|20|59") << P::Video;
        QTest::newRow("colon kept in additional text")
            << "A:B:C**F&&L^^0$$60~~0@@p" << fields("|[1:0]|Unknown|A|B:C|\"c/a.rm|p|0|0|60") << P::Audio;
        QTest::newRow("unknown length")
            << "A**F&&L^^$$0~~0@@p" << fields("|[??:??]|Unknown|A||\"c/a.rm|p|0|0|0") << P::Audio;
        QTest::newRow("other flag") << "A**F&&L^^32$$3600~~x@@p"
                                    << fields("?|[60:0]|32k|A||\"c/a.rm|p||32|3600") << P::None;
        QTest::newRow("flag is not trimmed")
            << "A**F&&L^^32$$1~~ 0@@p" << fields("?|[0:1]|32k|A||\"c/a.rm|p||32|1") << P::None;
        QTest::newRow("missing length marker: dropped") << "A**F&&L^^32$$0@@p" << QStringList() << P::None;
    }

    void archiveRecord()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, cells);
        QFETCH(ResultPicture, picture);
        const std::optional<ResultRow> row =
            ResultsParser::recordRow(u"\"c/a.rm"_s, text, true, std::nullopt);
        QCOMPARE(cellsOf(row), cells);
        QCOMPARE(row ? row->picture() : ResultPicture::None, picture);
    }

    void linkRules()
    {
        m_parser->append(u"<HTML><HEAD><TITLE>Results</TITLE></HEAD>\n"_s
                         u"<a href=\"http://lower\">Lower**F&&L^^20$$0@@p</a>\n"_s
                         u"<A HREF=\"\">NoUrl**F&&L^^20$$0@@p</A>\n"_s
                         u"<A HREF=\"http://empty-text\"></A>\n"_s
                         u"<A Href=\"http://mixed\" TARGET=_blank>Mixed**F&&L^^20$$0@@p</A>"_s);
        QCOMPARE(cells(*m_model, ResultsModel::LiveStation), QStringList({u"Lower"_s, u"Mixed"_s}));
        QCOMPARE(cells(*m_model, ResultsModel::LiveUrl), QStringList({u"http://lower"_s, u"http://mixed"_s}));
        // The archive URL column keeps the link target exactly as cut.
        init();
        m_parser->setOptions(true, QString());
        m_parser->append(u"<A HREF=\" http://c/a.rm \">T**F&&L^^1$$1~~0@@p</A>"_s);
        QCOMPARE(m_model->cell(0, ResultsModel::ArchiveUrl), u" http://c/a.rm "_s);
    }

    void countAndStop()
    {
        QSignalSpy counts(m_parser.get(), &ResultsParser::countShown);
        m_parser->append(livePage(250));
        QCOMPARE(counts.size(), 101); // 1 to 100, then 200
        QCOMPARE(counts.at(99).at(0).toInt(), 100);
        QCOMPARE(counts.at(100).at(0).toInt(), 200);
        // Once the stop flag is set, later blocks add nothing.
        bool stop = true;
        m_parser->setStopFlag(&stop);
        m_parser->append(livePage(3));
        QCOMPARE(m_parser->resultCount(), 250);
    }

    // Names alike in their first 16 bytes, letters past ASCII and past 16 bits, and two equal
    // names, which keep their page order in both directions.
    void textSort()
    {
        const QStringList names{u"Radio Station Number Two"_s, u"Same"_s,   u"\U0001F600"_s,  u"Zz"_s,
                                u"Radio Station Number One"_s, u"\uFF21"_s, u"Z\u00FCrich"_s, u"Same"_s};
        QString page;
        for (int at = 0; at < names.size(); ++at)
            page += u"<A HREF=\"http://s/%1\">%2**F&&L^^20$$0@@p</A>"_s.arg(at).arg(names.at(at));
        m_parser->append(page);
        const auto order = [this](Qt::SortOrder direction) {
            m_model->sortRows(ResultsModel::LiveStation, direction, ResultsModel::SortKind::Text);
            QStringList urls = cells(*m_model, ResultsModel::LiveUrl);
            return urls.replaceInStrings(u"http://s/"_s, QString()).join(u' ');
        };
        QCOMPARE(order(Qt::AscendingOrder), u"4 0 1 7 3 6 5 2"_s);
        QCOMPARE(order(Qt::DescendingOrder), u"2 5 6 3 1 7 0 4"_s);
    }

    void url_data()
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
        QTest::newRow("no format selected, Cable/DSL") << "blues" << FormatFilters() << false << -1
                                                       << "Cable/DSL" << head + u"blues&F=1&LIVE=1&SPD=300"_s;
        QTest::newRow("some formats, 28.8")
            << "x" << FormatFilters{false, true, false, false, true, false} << false << -1
            << "Phone Modem 28.8" << head + u"x&F=1&MA=1&NV=1&LIVE=1&SPD=28"_s;
        QTest::newRow("archive mode sends no LIVE, ISDN 64k")
            << "blues" << every << true << -1 << "ISDN 64k" << head + u"blues"_s + all + u"&SPD=64"_s;
        QTest::newRow("genre Big Band, ISDN 128k") << "Big Band" << every << false << 2 << "ISDN 128k"
                                                   << head + u"Big+Band"_s + all + u"&LIVE=1&FMT=2&SPD=128"_s;
        QTest::newRow("connection names are case-sensitive")
            << "x" << every << false << -1 << "cable/dsl" << head + u"x"_s + all + u"&LIVE=1&SPD=0"_s;
        QTest::newRow("connection name with a trailing blank")
            << "x" << every << false << -1 << "ISDN 64k " << head + u"x"_s + all + u"&LIVE=1&SPD=0"_s;
    }

    void url()
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

    void errorPages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("message"); // empty: not an error page
        QTest::newRow("302") << "<H1>302 Moved Temporarily</H1>"
                             << u"Error 302 : Document Moved Temporarily"_s;
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

    void errorPages()
    {
        QFETCH(QString, page);
        QFETCH(QString, message);
        QCOMPARE(ErrorPages::checkErrorPage(page).value_or(QString()), message);
    }

private:
    std::unique_ptr<ResultsModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    std::unique_ptr<ResultsParser> m_parser;
};

QTEST_GUILESS_MAIN(TestResultsParser)
#include "tst_resultsparser.moc"
