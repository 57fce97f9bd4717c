#include "directory/Catalog.h"
#include "directory/CatalogSearch.h"
#include "directory/ResultsPage.h"
#include "search/ResultsModel.h"
#include "search/ResultsParser.h"
#include "search/SearchRequest.h"

#include <QTest>

// The directory's pages, read back through the program's own parser, give exactly the catalog
// entries the directory's filters selected, in page order, with their fields intact.
class TestPagesParse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pagesParseBack_data();
    void pagesParseBack();

private:
    Catalog m_catalog;
};

void TestPagesParse::initTestCase()
{
    QVERIFY(m_catalog.load(QStringLiteral(SKYLARK_CATALOG)));
}

void TestPagesParse::pagesParseBack_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QString>("conSpeed");
    QTest::addColumn<bool>("archive");
    const QByteArray all = "&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1";
    QTest::newRow("live jazz") << ("V=3&P=L&T1=jazz" + all + "&LIVE=1&SPD=0") << "All Connections" << false;
    QTest::newRow("live everything radio") << ("V=3&P=L&T1=radio" + all + "&LIVE=1&SPD=0") << "" << false;
    QTest::newRow("live 56k") << ("V=3&P=L&T1=a" + all + "&LIVE=1&SPD=56") << "Phone Modem 56k" << false;
    QTest::newRow("live 28.8") << ("V=3&P=L&T1=e" + all + "&LIVE=1&SPD=28") << "Phone Modem 28.8" << false;
    QTest::newRow("genre ska") << ("V=3&P=L&T1=^ska^,^ska$,ska-,ska/,skamusic,`ska" + all +
                                   "&LIVE=1&FMT=2&SPD=0")
                               << "Cable/DSL" << false;
    QTest::newRow("category talk") << ("V=3&P=L&T1=Talk/News" + all + "&LIVE=1&FMT=1&SPD=300") << "Cable/DSL"
                                   << false;
    QTest::newRow("real audio only") << QByteArray("V=3&P=L&T1=o&F=1&RA=1&LIVE=1&SPD=0") << "" << false;
    QTest::newRow("archive clips") << ("V=3&P=L&T1=live" + all + "&SPD=0") << "All Connections" << true;
    QTest::newRow("archive 128k") << ("V=3&P=L&T1=a" + all + "&SPD=128") << "ISDN 128k" << true;
}

void TestPagesParse::pagesParseBack()
{
    QFETCH(QByteArray, query);
    QFETCH(QString, conSpeed);
    QFETCH(bool, archive);
    const QList<CatalogEntry> selected = CatalogSearch::selectedEntries(m_catalog, query);
    QVERIFY2(!selected.isEmpty(), query.constData());
    const QByteArray page = ResultsPage::build(selected);

    ResultsModel model;
    ResultsParser parser(model);
    parser.resetSearch();
    parser.setOptions(archive, conSpeed);
    // Odd-sized blocks split links, markers and multi-byte characters' neighbours alike.
    const QString text = QString::fromUtf8(page);
    for (qsizetype at = 0; at < text.size(); at += 977) {
        parser.append(QStringView(text).mid(at, 977));
        parser.extract();
    }
    QCOMPARE(parser.resultCount(), selected.size());
    QCOMPARE(model.rowCount(), selected.size());
    for (int row = 0; row < selected.size(); ++row) {
        const CatalogEntry& entry = selected.at(row);
        const QString speed =
            entry.bitrate > 0 ? entry.bitrateText() + QLatin1Char('k') : QStringLiteral("Unknown");
        if (archive) {
            QCOMPARE(model.cell(row, ResultsModel::ArchiveTitle), entry.title.trimmed());
            QCOMPARE(model.cell(row, ResultsModel::ArchiveAdditional), entry.additional);
            QCOMPARE(model.cell(row, ResultsModel::ArchiveUrl), entry.streamUrl);
            QCOMPARE(model.cell(row, ResultsModel::ArchivePage), entry.site);
            QCOMPARE(model.cell(row, ResultsModel::ArchiveSpeed), speed);
            QCOMPARE(model.cell(row, ResultsModel::ArchiveFlag),
                     QString::fromLatin1(entry.video ? "1" : "0"));
            QCOMPARE(model.cell(row, ResultsModel::ArchiveSeconds), QString::number(entry.seconds));
        } else {
            const QString name = entry.name.trimmed();
            QCOMPARE(model.cell(row, ResultsModel::LiveStation),
                     name.isEmpty() ? QStringLiteral("Unknown") : name);
            QCOMPARE(model.cell(row, ResultsModel::LiveUrl), entry.streamUrl.trimmed());
            QCOMPARE(model.cell(row, ResultsModel::LivePage), entry.site);
            QCOMPARE(model.cell(row, ResultsModel::LiveSpeed), speed);
            QCOMPARE(model.cell(row, ResultsModel::LiveLocation),
                     ResultsParser::cleanLocation(entry.location()));
        }
    }
}

QTEST_GUILESS_MAIN(TestPagesParse)
#include "tst_pagesparse.moc"
