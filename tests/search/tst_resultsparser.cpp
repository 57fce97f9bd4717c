#include "search/ResultsModel.h"
#include "search/ResultsParser.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
QStringList texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

QString link(const QString& url, const QString& text)
{
    return u"<A HREF=\""_s + url + u"\">"_s + text + u"</A><BR>\n"_s;
}

QString record(const QString& name, const QString& speed)
{
    return name + u"**RealAudio&&Chicago, Illinois^^"_s + speed + u"$$0@@http://page.example/"_s;
}

QString livePage(int count)
{
    QString page = u"<HTML><BODY><H1>Results</H1>\n"_s;
    for (int at = 0; at < count; ++at) {
        page += link(u"http://s.example/"_s + QString::number(at) + u".ram"_s,
                     record(u"Station "_s + QString::number(at), QString::number(16 + at % 40)));
    }
    return page + u"</BODY></HTML>"_s;
}

QStringList rowCells(const ResultsModel& model, int row)
{
    QStringList cells;
    for (int column = 0; column < ResultsModel::kColumnCount; ++column)
        cells.append(model.cell(row, column));
    return cells;
}

QList<QStringList> allRows(const ResultsModel& model)
{
    QList<QStringList> rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows.append(rowCells(model, row));
    return rows;
}

QStringList cellsOf(const std::optional<ResultRow>& row)
{
    QStringList cells;
    if (row) {
        for (int column = 0; column < ResultRow::kColumnCount; ++column)
            cells.append(row->cell(column));
    }
    return cells;
}
} // namespace

class TestResultsParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void liveRecord_data();
    void liveRecord();
    void location_data();
    void location();
    void archiveRecord_data();
    void archiveRecord();
    void archivePicture_data();
    void archivePicture();
    void lengthText_data();
    void lengthText();
    void speedCeiling_data();
    void speedCeiling();
    void splitsLinks();
    void blockSizeDoesNotMatter();
    void linkRules();
    void leftoverStaysForErrorCheck();
    void stopFlag();
    void countAndProgress();
    void oneInsertionPerBlock();
    void sortRows();
    void clearCellsAndReset();
    void modeHeaders();

private:
    std::unique_ptr<ResultsModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    std::unique_ptr<ResultsParser> m_parser;
};

void TestResultsParser::init()
{
    m_parser.reset();
    m_tester.reset();
    m_model = std::make_unique<ResultsModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_parser = std::make_unique<ResultsParser>(*m_model);
}

void TestResultsParser::liveRecord_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("cells"); // empty: dropped

    QTest::newRow("typical") << "http://s.example/wxyz.ram"
                             << "WXYZ Radio**RealAudio&&Chicago, Illinois^^20$$0@@http://wxyz.example/"
                             << texts({"WXYZ Radio", "RealAudio", "Chicago, Illinois", "20k",
                                       "http://s.example/wxyz.ram", "http://wxyz.example/", "", "", "20",
                                       ""});
    QTest::newRow("empty fields") << "u"
                                  << "**&&^^$$@@"
                                  << texts(
                                         {"Unknown", "Unknown", "", "Unknown", "u", "", "", "", "5000", ""});
    QTest::newRow("name and format trimmed")
        << "u"
        << "  KXYZ  **  MP3  &&Ohio^^56k$$1@@p"
        << texts({"KXYZ", "MP3", "Ohio", "56k", "u", "p", "", "", "56", ""});
    QTest::newRow("blank format stays blank")
        << "u"
        << "K**   &&Ohio^^56$$1@@p" << texts({"K", "", "Ohio", "56k", "u", "p", "", "", "56", ""});
    QTest::newRow("speed 0") << "u"
                             << "K**F&&L^^0$$@@p"
                             << texts({"K", "F", "L", "Unknown", "u", "p", "", "", "5000", ""});
    QTest::newRow("speed without number")
        << "u"
        << "K**F&&L^^fast$$@@p" << texts({"K", "F", "L", "Unknown", "u", "p", "", "", "5000", ""});
    QTest::newRow("fractional speed")
        << "u"
        << "K**F&&L^^28.8$$@@p" << texts({"K", "F", "L", "28.8k", "u", "p", "", "", "28.8", ""});
    QTest::newRow("speed with k kept")
        << "u"
        << "K**F&&L^^24k$$@@p" << texts({"K", "F", "L", "24k", "u", "p", "", "", "24", ""});
    QTest::newRow("url stripped of blanks and quotes")
        << "  http://s/a.asx \""
        << "K**F&&L^^24$$@@p" << texts({"K", "F", "L", "24k", "http://s/a.asx", "p", "", "", "24", ""});
    QTest::newRow("tilde stays in the flag field in live mode")
        << "u"
        << "K**F&&L^^24$$x~~0@@p" << texts({"K", "F", "L", "24k", "u", "p", "", "", "24", ""});
    QTest::newRow("markers are cut in order")
        << "u"
        << "A&&B**F^^x&&L^^24$$@@p@@q" << texts({"A&&B", "F^^x", "L", "24k", "u", "p@@q", "", "", "24", ""});
    QTest::newRow("missing flag marker: dropped") << "u"
                                                  << "K**F&&L^^24$$p" << QStringList();
    QTest::newRow("missing name marker: dropped") << "u"
                                                  << "K&&L^^24$$0@@p" << QStringList();
    QTest::newRow("markers out of order: dropped") << "u"
                                                   << "K**F^^L&&24$$0@@p" << QStringList();
}

void TestResultsParser::liveRecord()
{
    QFETCH(QString, url);
    QFETCH(QString, text);
    QFETCH(QStringList, cells);
    const std::optional<ResultRow> row = ResultsParser::recordRow(url, text, false, std::nullopt);
    QCOMPARE(cellsOf(row), cells);
    if (row)
        QCOMPARE(row->picture(), ResultPicture::None);
}

void TestResultsParser::location_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("shown");
    QTest::newRow("internet") << "Unknown, Internet"
                              << "Internet Based";
    QTest::newRow("both unknown") << "Unknown, Unknown"
                                  << "Unknown";
    QTest::newRow("unknown city") << "Unknown, Ohio"
                                  << "Ohio";
    QTest::newRow("leading comma") << ", Ohio"
                                   << "Ohio";
    QTest::newRow("trailing comma") << "Dayton,"
                                    << "Dayton";
    QTest::newRow("comma alone") << ","
                                 << "Unknown";
    QTest::newRow("comma with blanks") << "  ,  "
                                       << "Unknown";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("ordinary") << " Chicago, Illinois "
                              << "Chicago, Illinois";
    QTest::newRow("trailing comma cuts at the first comma") << "Dayton, Ohio,"
                                                            << "Dayton";
    QTest::newRow("case-sensitive") << "unknown, Ohio"
                                    << "unknown, Ohio";
}

void TestResultsParser::location()
{
    QFETCH(QString, location);
    QFETCH(QString, shown);
    QCOMPARE(ResultsParser::cleanLocation(location), shown);
}

void TestResultsParser::archiveRecord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("cells"); // empty: dropped
    const char* url = "\"http://c.example/a.rm";

    QTest::newRow("title and additional text")
        << ":Live at the Fillmore:1969**RealAudio&&Loc^^20$$125~~0@@http://found.example/"
        << texts({"", "[2:5]", "20k", "Live at the Fillmore", "1969", url, "http://found.example/", "0", "20",
                  "125"});
    QTest::newRow("no colon") << "Fillmore**F&&L^^20k$$59~~1@@p"
                              << texts({"", "[0:59]", "20k", "Fillmore", "", url, "p", "1", "20", "59"});
    QTest::newRow("colon kept in additional text")
        << "A:B:C**F&&L^^0$$60~~0@@p"
        << texts({"", "[1:0]", "Unknown", "A", "B:C", url, "p", "0", "0", "60"});
    QTest::newRow("unknown length") << "A**F&&L^^$$0~~0@@p"
                                    << texts({"", "[??:??]", "Unknown", "A", "", url, "p", "0", "0", "0"});
    QTest::newRow("other flag") << "A**F&&L^^32$$3600~~x@@p"
                                << texts({"?", "[60:0]", "32k", "A", "", url, "p", "", "32", "3600"});
    QTest::newRow("missing length marker: dropped") << "A**F&&L^^32$$0@@p" << QStringList();
}

void TestResultsParser::archiveRecord()
{
    QFETCH(QString, text);
    QFETCH(QStringList, cells);
    const std::optional<ResultRow> row =
        ResultsParser::recordRow(QStringLiteral("\"http://c.example/a.rm"), text, true, std::nullopt);
    QCOMPARE(cellsOf(row), cells);
}

void TestResultsParser::archivePicture_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<ResultPicture>("picture");
    QTest::newRow("audio") << "0" << ResultPicture::Audio;
    QTest::newRow("video") << "1" << ResultPicture::Video;
    QTest::newRow("other") << "2" << ResultPicture::None;
    QTest::newRow("blank") << " 0" << ResultPicture::None;
}

void TestResultsParser::archivePicture()
{
    QFETCH(QString, flag);
    QFETCH(ResultPicture, picture);
    m_parser->setOptions(true, QString());
    m_parser->append(link(u"u"_s, u"T**F&&L^^1$$1~~"_s + flag + u"@@p"_s));
    QCOMPARE(m_model->picture(0), picture);
    const QVariant decoration = m_model->index(0, 0).data(Qt::DecorationRole);
    QCOMPARE(decoration.isValid(), picture != ResultPicture::None);
    if (decoration.isValid())
        QCOMPARE(decoration.value<ResultPicture>(), picture);
    QVERIFY(!m_model->index(0, 1).data(Qt::DecorationRole).isValid());
}

void TestResultsParser::lengthText_data()
{
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("59") << "59"
                        << "[0:59]";
    QTest::newRow("60") << "60"
                        << "[1:0]";
    QTest::newRow("125") << "125"
                         << "[2:5]";
    QTest::newRow("3600") << "3600"
                          << "[60:0]";
    QTest::newRow("blanks around") << " 61 "
                                   << "[1:1]";
    QTest::newRow("0") << "0"
                       << "[??:??]";
    QTest::newRow("empty") << ""
                           << "[??:??]";
    QTest::newRow("text") << "long"
                          << "[??:??]";
    QTest::newRow("number then text") << "61s"
                                      << "[??:??]";
    QTest::newRow("negative") << "-5"
                              << "[??:??]";
}

void TestResultsParser::lengthText()
{
    QFETCH(QString, seconds);
    QFETCH(QString, text);
    QCOMPARE(ResultsParser::lengthText(seconds), text);
}

void TestResultsParser::speedCeiling_data()
{
    QTest::addColumn<QString>("conSpeed");
    QTest::addColumn<QStringList>("speeds");
    QTest::addColumn<QStringList>("accepted");
    QTest::newRow("28.8") << "Phone Modem 28.8" << texts({"28", "32", "28k", "28.5", "0", "", "n/a"})
                          << texts({"28k", "28k", "Unknown", "Unknown", "Unknown"});
    QTest::newRow("33.6") << "Phone Modem 33.6" << texts({"33", "34", "33.5"}) << texts({"33k"});
    QTest::newRow("56k") << "Phone Modem 56k" << texts({"56", "57"}) << texts({"56k"});
    QTest::newRow("ISDN 64k") << "ISDN 64k" << texts({"64k", "65k"}) << texts({"64k"});
    QTest::newRow("ISDN 128k") << "ISDN 128k" << texts({"128", "129"}) << texts({"128k"});
    QTest::newRow("Cable/DSL") << "Cable/DSL" << texts({"300", "301", "1000"}) << texts({"300k"});
    QTest::newRow("unknown type: nothing dropped")
        << "LAN" << texts({"20", "5000"}) << texts({"20k", "5000k"});
    QTest::newRow("empty type: nothing dropped") << "" << texts({"1000"}) << texts({"1000k"});
}

void TestResultsParser::speedCeiling()
{
    QFETCH(QString, conSpeed);
    QFETCH(QStringList, speeds);
    QFETCH(QStringList, accepted);
    m_parser->setOptions(false, conSpeed);
    QString page;
    for (const QString& speed : speeds)
        page += link(u"u"_s, record(u"K"_s, speed));
    m_parser->append(page);
    QCOMPARE(m_parser->ResultCount(), accepted.size());
    QStringList shown;
    for (int row = 0; row < m_parser->ResultCount(); ++row)
        shown.append(m_model->cell(row, ResultsModel::LiveSpeed));
    QCOMPARE(shown, accepted);
}

void TestResultsParser::splitsLinks()
{
    const QString page =
        link(u"http://a"_s, record(u"A"_s, u"20"_s)) + link(u"http://b"_s, record(u"B"_s, u"20"_s));
    const qsizetype cut = page.indexOf(u"</A>"_s) + 2; // inside the first closing tag
    m_parser->append(QStringView(page).left(cut));
    QCOMPARE(m_parser->ResultCount(), 0);
    QCOMPARE(m_model->rowCount(), 1);
    QCOMPARE(m_model->cell(0, 0), QString());
    m_parser->append(QStringView(page).mid(cut));
    QCOMPARE(m_parser->ResultCount(), 2);
    QCOMPARE(m_model->cell(0, 0), u"A"_s);
    QCOMPARE(m_model->cell(1, 0), u"B"_s);
}

void TestResultsParser::blockSizeDoesNotMatter()
{
    const QString page = livePage(12) + link(u"http://x"_s, u"\u00e9t\u00e9**F&&L^^20$$0@@p"_s);
    m_parser->append(page);
    const QList<QStringList> whole = allRows(*m_model);
    QCOMPARE(whole.size(), 13);
    for (int blockSize : {1, 2, 3, 7, 64}) {
        init();
        for (qsizetype at = 0; at < page.size(); at += blockSize)
            m_parser->append(QStringView(page).mid(at, blockSize));
        QCOMPARE(allRows(*m_model), whole);
        QCOMPARE(m_parser->ResponseBuffer(), QStringView(u"/A><BR>\n"));
    }
}

void TestResultsParser::linkRules()
{
    const QString page = u"<HTML><HEAD><TITLE>Results</TITLE></HEAD>\n"_s
                         u"<a href=\"http://lower\">Lower**F&&L^^20$$0@@p</a>\n"_s
                         u"<A HREF=\"\">NoUrl**F&&L^^20$$0@@p</A>\n"_s
                         u"<A HREF=\"http://empty-text\"></A>\n"_s
                         u"<A Href=\"http://mixed\" TARGET=_blank>Mixed**F&&L^^20$$0@@p</A>"_s;
    m_parser->append(page);
    QCOMPARE(m_parser->ResultCount(), 2);
    QCOMPARE(m_model->cell(0, ResultsModel::LiveStation), u"Lower"_s);
    QCOMPARE(m_model->cell(0, ResultsModel::LiveUrl), u"http://lower"_s);
    QCOMPARE(m_model->cell(1, ResultsModel::LiveStation), u"Mixed"_s);
    QCOMPARE(m_model->cell(1, ResultsModel::LiveUrl), u"http://mixed"_s);
    // The archive URL column keeps the link target exactly as cut.
    init();
    m_parser->setOptions(true, QString());
    m_parser->append(u"<A HREF=\" http://c/a.rm \">T**F&&L^^1$$1~~0@@p</A>"_s);
    QCOMPARE(m_model->cell(0, ResultsModel::ArchiveUrl), u" http://c/a.rm "_s);
}

void TestResultsParser::leftoverStaysForErrorCheck()
{
    m_parser->append(livePage(2) + u"<P>404 Object Not Found</P>"_s);
    QCOMPARE(m_parser->ResultCount(), 2);
    QCOMPARE(m_parser->ResponseBuffer(), QStringView(u"/A><BR>\n</BODY></HTML><P>404 Object Not Found</P>"));
    m_parser->clearBuffer();
    QVERIFY(m_parser->ResponseBuffer().isEmpty());
    QCOMPARE(m_parser->ResultCount(), 2);
    m_parser->resetSearch();
    QCOMPARE(m_parser->ResultCount(), 0);
}

void TestResultsParser::stopFlag()
{
    bool stop = false;
    m_parser->setStopFlag(&stop);
    const QString page = livePage(4);
    const qsizetype half = page.size() / 2;
    m_parser->append(QStringView(page).left(half));
    const int before = m_parser->ResultCount();
    QVERIFY(before > 0);
    stop = true;
    m_parser->append(QStringView(page).mid(half));
    QCOMPARE(m_parser->ResultCount(), before);
}

void TestResultsParser::countAndProgress()
{
    QSignalSpy counts(m_parser.get(), &ResultsParser::countShown);
    QSignalSpy maximum(m_parser.get(), &ResultsParser::progressMaximum);
    QSignalSpy values(m_parser.get(), &ResultsParser::progressValue);
    const QString page = livePage(250);
    m_parser->append(page);
    QCOMPARE(counts.size(), 101); // 1 to 100, then 200
    QCOMPARE(counts.at(99).at(0).toInt(), 100);
    QCOMPARE(counts.at(100).at(0).toInt(), 200);
    QCOMPARE(m_parser->ResultCount(), 250);
    QCOMPARE(maximum.size(), 1);
    QCOMPARE(maximum.at(0).at(0).toInt(), page.size());
    QCOMPARE(values.size(), 250);
    QCOMPARE(values.at(0).at(0).toInt(), page.size());
    QVERIFY(values.at(1).at(0).toInt() < values.at(0).at(0).toInt());
}

void TestResultsParser::oneInsertionPerBlock()
{
    QSignalSpy inserted(m_model.get(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    const QString page = livePage(5);
    const qsizetype half = page.indexOf(u"Station 3"_s);
    m_parser->append(QStringView(page).left(half));
    QCOMPARE(changed.size(), 1); // the first record fills the empty row
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 1);
    QCOMPARE(inserted.at(0).at(2).toInt(), 2);
    m_parser->append(QStringView(page).mid(half));
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 3);
    QCOMPARE(inserted.at(1).at(2).toInt(), 4);
    QCOMPARE(m_model->rowCount(), 5);
}

void TestResultsParser::sortRows()
{
    QString page;
    const QStringList names = texts({"beta", "Zulu", "alpha", "Beta", "Alpha"});
    const QStringList speeds = texts({"100", "9", "", "20", "100"});
    for (int at = 0; at < names.size(); ++at)
        page += link(u"http://"_s + QString::number(at), record(names.at(at), speeds.at(at)));
    m_parser->append(page);
    m_model->sortRows(ResultsModel::LiveStation, Qt::AscendingOrder, ResultsModel::SortKind::Text);
    QCOMPARE(m_model->cell(0, 0), u"Alpha"_s);
    QCOMPARE(m_model->cell(1, 0), u"Beta"_s);
    QCOMPARE(m_model->cell(2, 0), u"Zulu"_s);
    QCOMPARE(m_model->cell(3, 0), u"alpha"_s);
    QCOMPARE(m_model->cell(4, 0), u"beta"_s);
    // Numeric on the hidden speed column: 9 < 20 < 100 = 100 < 5000 (unknown); ties keep their order.
    m_model->sortRows(ResultsModel::LiveSpeedValue, Qt::AscendingOrder, ResultsModel::SortKind::Number);
    QStringList order;
    for (int row = 0; row < 5; ++row)
        order.append(m_model->cell(row, 0));
    QCOMPARE(order, texts({"Zulu", "Beta", "Alpha", "beta", "alpha"}));
    m_model->sortRows(ResultsModel::LiveSpeedValue, Qt::DescendingOrder, ResultsModel::SortKind::Number);
    QCOMPARE(m_model->cell(0, 0), u"alpha"_s);
    QCOMPARE(m_model->cell(4, 0), u"Zulu"_s);
    m_model->sort(ResultsModel::LiveStation, Qt::DescendingOrder);
    QCOMPARE(m_model->cell(0, 0), u"beta"_s);
}

void TestResultsParser::clearCellsAndReset()
{
    QCOMPARE(m_model->rowCount(), 1);
    m_model->setHeaders(texts({"Station", "Format", "Location", "Speed Kb/s"}));
    QCOMPARE(m_model->headerData(3, Qt::Horizontal).toString(), u"Speed Kb/s"_s);
    QCOMPARE(m_model->headerData(4, Qt::Horizontal).toString(), QString());
    m_parser->setOptions(true, QString());
    m_parser->append(u"<A HREF=\"u\">T**F&&L^^1$$1~~0@@p</A><A HREF=\"v\">U**F&&L^^1$$1~~1@@p</A>"_s);
    QCOMPARE(m_model->rowCount(), 2);
    m_model->clearCells();
    QCOMPARE(m_model->rowCount(), 2);
    QCOMPARE(m_model->cell(0, ResultsModel::ArchiveTitle), QString());
    QCOMPARE(m_model->picture(1), ResultPicture::None);
    QCOMPARE(m_model->headerData(0, Qt::Horizontal).toString(), QString());
    m_model->setHeader(1, u"Len"_s);
    QCOMPARE(m_model->header(1), u"Len"_s);
    m_model->resetForSearch();
    QCOMPARE(m_model->rowCount(), 1);
    QCOMPARE(m_model->header(1), QString());
}

void TestResultsParser::modeHeaders()
{
    m_model->writeModeHeaders(false);
    QStringList live;
    for (int column = 0; column < ResultsModel::kColumnCount; ++column)
        live.append(m_model->header(column));
    QCOMPARE(live, texts({"Station", "Format", "Location", "Speed Kb/s", "", "", "", "", "", ""}));
    // Switching to archive mode after a search: cells and headers cleared, rows kept, column 0 without
    // header.
    m_parser->append(livePage(3));
    m_model->clearCells();
    m_model->writeModeHeaders(true);
    QStringList archive;
    for (int column = 0; column < ResultsModel::kColumnCount; ++column)
        archive.append(m_model->header(column));
    QCOMPARE(archive, texts({"", "Len", "BPS", "Title", "Additional", "", "", "", "", ""}));
    QCOMPARE(m_model->rowCount(), 3);
    QCOMPARE(m_model->cell(2, 0), QString());
}

QTEST_GUILESS_MAIN(TestResultsParser)
#include "tst_resultsparser.moc"
