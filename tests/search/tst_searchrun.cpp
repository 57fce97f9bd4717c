#include "RecordingSearchView.h"
#include "Recorders.h"
#include "TestServer.h"

#include "app/AppState.h"
#include "app/Branding.h"
#include "search/HttpClient.h"
#include "search/ResultsModel.h"
#include "search/SearchRun.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QString kRetrieveError = u"Error retrieving data, Please check your Internet connection or contact "_s +
                               kSupportEmail + u" for system status."_s;
const QString kConnectError =
    u"Error connecting to Quillon Technologies. If this problem persists, please contact "_s + kSupportEmail;
const QString kNoResults = u"No results returned. Try a less specific search. "_s;
const QString kFormatNote =
    u" **NOTE : Not all player formats are selected, this may cause you receive less results."_s;

QByteArray htmlLink(const QByteArray& url, const QByteArray& text)
{
    return "<A HREF=\"" + url + "\">" + text + "</A><BR>\n";
}

QByteArray liveLink(const QByteArray& name, const QByteArray& speed = "20")
{
    return htmlLink("http://s.example/" + name + ".ram",
                    name + "**RealAudio&&Ohio^^" + speed + "$$0@@http://p.example/");
}

QByteArray livePage(const QList<QByteArray>& names)
{
    QByteArray page = "<HTML><BODY>\n";
    for (const QByteArray& name : names)
        page += liveLink(name);
    return page + "</BODY></HTML>";
}

// The query value of T1 in a request target, decoded.
QString keywordsOf(const QByteArray& target)
{
    const qsizetype start = target.indexOf("T1=") + 3;
    const qsizetype end = target.indexOf("&F=", start);
    return QUrl::fromPercentEncoding(target.mid(start, end - start));
}
} // namespace

class TestSearchRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void liveSearch();
    void archiveSearchSortsByTitle();
    void onePagePerByte();
    void genreSearch();
    void emptySearchText();
    void selectMenuNotice();
    void errorPage_data();
    void errorPage();
    void noResults_data();
    void noResults();
    void connectionRefused();
    void silenceTimesOut();
    void steadyTransferDoesNotTimeOut();
    void stopMidTransfer();
    void stopFlagIgnoresLaterBlocks();
    void elapsedTime();
    void keywordsOnTheWire();
    void genreKeywordsOnTheWire();
    void secondStartWaitsForTheFirst();
    void startSearchWhileRunning();
    void stopDropsQueuedStart();

private:
    void startTyped(const QString& text);
    void waitFinished();
    QStringList messageTexts() const { return m_services->dialogs.texts(); }

    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<TestServices> m_services;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<HttpClient> m_http;
    std::unique_ptr<ResultsModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    std::unique_ptr<RecordingSearchView> m_view;
    std::unique_ptr<SearchRun> m_run;
    std::unique_ptr<QSignalSpy> m_finished;
};

void TestSearchRun::init()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY(m_server->start());
    m_services = std::make_unique<TestServices>();
    m_state = std::make_unique<AppState>();
    m_state->QueryHost = m_server->hostPort();
    m_state->ConSpeed = u"Cable/DSL"_s;
    m_http = std::make_unique<HttpClient>();
    m_model = std::make_unique<ResultsModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_view = std::make_unique<RecordingSearchView>();
    m_run = std::make_unique<SearchRun>(*m_http, *m_state, m_services->dialogs, m_services->pointer, *m_model,
                                        *m_view);
    m_finished = std::make_unique<QSignalSpy>(m_run.get(), &SearchRun::searchFinished);
}

void TestSearchRun::cleanup()
{
    m_finished.reset();
    m_run.reset();
    m_view.reset();
    m_tester.reset();
    m_model.reset();
    m_http.reset();
    m_state.reset();
    m_services.reset();
    m_server.reset();
}

void TestSearchRun::startTyped(const QString& text)
{
    m_view->text = text;
    m_run->SubmitSearchBox();
}

void TestSearchRun::waitFinished()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_run->isSearching(), 10000);
    QVERIFY(m_finished->size() >= 1);
}

void TestSearchRun::liveSearch()
{
    m_server->setReply(ScriptedReply::page(livePage({"Zeta", "alpha", "Beta"}), 200, "text/html", 40, 5));
    startTyped(u"blues rock"_s);
    QVERIFY(m_run->isSearching());
    QVERIFY(m_services->pointer.busy);
    QCOMPARE(m_view->buttonCaption, u"Stop"_s);
    QVERIFY(!m_view->boxEnabled);
    QVERIFY(!m_view->modeEnabled);
    QCOMPARE(m_view->text, u"blues+rock"_s);
    QCOMPARE(
        m_view->calls.mid(0, 11),
        QStringList({u"redraw:0"_s, u"toolbar:1,5,7,9,11:0"_s, u"button:Stop|Stop Search|8"_s, u"box:0"_s,
                     u"mode:0"_s, u"panel1:Searching..."_s, u"caption:  Search Results (0)"_s,
                     u"text:blues+rock"_s, u"history:blues+rock"_s, u"timer2:1"_s}) +
            QStringList());
    waitFinished();

    QCOMPARE(m_server->targets(),
             QList<QByteArray>{"/search.asp?V=3&P=L&T1=blues+rock&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&"
                               "SW=1&LIVE=1&SPD=300"});
    QCOMPARE(m_run->ResultCount(), 3);
    QCOMPARE(m_model->rowCount(), 3);
    QCOMPARE(m_model->cell(0, ResultsModel::LiveStation), u"Beta"_s);
    QCOMPARE(m_model->cell(1, ResultsModel::LiveStation), u"Zeta"_s);
    QCOMPARE(m_model->cell(2, ResultsModel::LiveStation), u"alpha"_s);
    QCOMPARE(m_model->cell(2, ResultsModel::LiveUrl), u"http://s.example/alpha.ram"_s);
    QVERIFY(messageTexts().isEmpty());
    QCOMPARE(m_view->history, QStringList{u"blues+rock"_s});
    QCOMPARE(m_view->text, u"blues+rock"_s);
    QCOMPARE(m_view->countPanel.mid(0, 3), QStringList({u"1"_s, u"2"_s, u"3"_s}));
    QCOMPARE(m_view->callsSinceLast(u"timer2:0"_s),
             QStringList({u"timer2:0"_s, u"redraw:0"_s, u"redraw:1"_s, u"box:1"_s, u"panel1:Done"_s,
                          u"caption:  Search Results (3)"_s, u"mode:1"_s, u"button:Search|Start Search|5"_s,
                          u"toolbar:1,5,7,9,11:1"_s, u"redraw:1"_s, u"layout"_s}));
    QCOMPARE(m_view->panels.value(2), QString());
    QCOMPARE(m_view->progressValue, 0);
    QVERIFY(!m_services->pointer.busy);
    QCOMPARE(m_finished->size(), 1);
    QCOMPARE(m_run->HttpError(), 0);
    QVERIFY(m_run->DocDone());
}

void TestSearchRun::archiveSearchSortsByTitle()
{
    const QByteArray page = htmlLink("a", "Zebra:one**F&&L^^20$$61~~0@@p") +
                            htmlLink("b", ":apple:two**F&&L^^20$$5~~1@@p") +
                            htmlLink("c", "Mango**F&&L^^20$$0~~7@@p");
    m_server->setReply(ScriptedReply::page(page));
    m_view->archive = true;
    startTyped(u"clips"_s);
    waitFinished();
    QVERIFY(!m_server->targets().value(0).contains("LIVE"));
    QCOMPARE(m_model->rowCount(), 3);
    QCOMPARE(m_model->cell(0, ResultsModel::ArchiveTitle), u"Mango"_s);
    QCOMPARE(m_model->cell(1, ResultsModel::ArchiveTitle), u"Zebra"_s);
    QCOMPARE(m_model->cell(2, ResultsModel::ArchiveTitle), u"apple"_s);
    QCOMPARE(m_model->cell(2, ResultsModel::ArchiveAdditional), u"two"_s);
    QCOMPARE(m_model->picture(2), ResultPicture::Video);
    QCOMPARE(m_model->cell(0, ResultsModel::ArchivePicture), u"?"_s);
}

void TestSearchRun::onePagePerByte()
{
    const QByteArray page = livePage({"Echo", "Delta", "Charlie"}) + "<P>trailing text</P>";
    m_server->setReply(ScriptedReply::page(page));
    startTyped(u"whole"_s);
    waitFinished();
    QList<QStringList> whole;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < ResultsModel::kColumnCount; ++column)
            cells.append(m_model->cell(row, column));
        whole.append(cells);
    }
    QCOMPARE(whole.size(), 3);

    m_server->setReply(ScriptedReply::page(page, 200, "text/html", 1, 0));
    startTyped(u"bytes"_s);
    waitFinished();
    QTRY_COMPARE(m_finished->size(), 2);
    QCOMPARE(m_run->ResultCount(), 3);
    for (int row = 0; row < m_model->rowCount(); ++row) {
        for (int column = 0; column < ResultsModel::kColumnCount; ++column)
            QCOMPARE(m_model->cell(row, column), whole.at(row).at(column));
    }
    QCOMPARE(m_run->ResponseBuffer(), QStringView(u"/A><BR>\n</BODY></HTML><P>trailing text</P>"));
    QVERIFY(messageTexts().isEmpty());
}

void TestSearchRun::genreSearch()
{
    m_server->setReply(ScriptedReply::page(livePage({"Band"})));
    m_view->text = u"earlier text"_s;
    m_run->GenreSearch(u"Big Band"_s, u"2"_s);
    QCOMPARE(m_run->SearchFormat(), 2);
    QCOMPARE(m_view->text, u"Big+Band"_s);
    waitFinished();
    QCOMPARE(m_server->targets().size(), 1);
    QVERIFY(m_server->targets().at(0).contains("&T1=Big+Band&"));
    QVERIFY(m_server->targets().at(0).endsWith("&LIVE=1&FMT=2&SPD=300"));
    QCOMPARE(m_view->text, QString());
    QVERIFY(m_view->history.isEmpty());
    QVERIFY(m_run->history().entries().isEmpty());

    m_run->GenreSearch(u"Special"_s, u"1"_s);
    waitFinished();
    QTRY_COMPARE(m_server->targets().size(), 2);
    QVERIFY(m_server->targets().at(1).contains("&T1=Special&"));
    QVERIFY(m_server->targets().at(1).contains("&FMT=1&"));
}

void TestSearchRun::emptySearchText()
{
    m_view->text.clear();
    m_run->SubmitSearchBox();
    m_run->StartSearch();
    QCOMPARE(m_services->dialogs.messages.size(), 2);
    const RecordedMessage& submit = m_services->dialogs.messages.at(0);
    QCOMPARE(submit.text, u"Please enter search text."_s);
    QCOMPARE(submit.icon, MessageIcon::Information);
    QCOMPARE(submit.title, kAppTitle);
    const RecordedMessage& start = m_services->dialogs.messages.at(1);
    QCOMPARE(start.text, u"Please enter keyword(s) for search."_s);
    QCOMPARE(start.icon, MessageIcon::Critical);
    QCOMPARE(start.title, kShortTitle);
    QVERIFY(!m_run->isSearching());
    QVERIFY(m_view->calls.isEmpty());
    QTest::qWait(20);
    QVERIFY(m_server->targets().isEmpty());
}

void TestSearchRun::selectMenuNotice()
{
    m_run->SelectMenuClicked();
    QVERIFY(messageTexts().isEmpty());
    m_view->archive = true;
    m_run->SelectMenuClicked();
    QCOMPARE(messageTexts(),
             QStringList{
                 u"This feature is only used for LIVE Broadcasts, please select LIVE Broadcasts below."_s});
    QCOMPARE(m_services->dialogs.messages.at(0).icon, MessageIcon::Information);
}

void TestSearchRun::errorPage_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("message");
    QTest::newRow("404 page") << 200 << QByteArray("<H1>404 Object Not Found</H1>")
                              << u"Error 404 : Object Not Found"_s;
    QTest::newRow("404 status") << 404 << QByteArray("<H1>404 File Not Found</H1>")
                                << u"Error 404 : File Not Found"_s;
    QTest::newRow("302 wins over Forbidden") << 200 << QByteArray("Forbidden<BR>302 Moved Temporarily")
                                             << u"Error 302 : Document Moved Temporarily"_s;
    QTest::newRow("after the last result link")
        << 200 << livePage({"A"}) + "<P>403.6 rejected</P>"
        << u"Error (Forbidden) : You are not permitted to access this site."_s;
}

void TestSearchRun::errorPage()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, message);
    m_server->setReply(ScriptedReply::page(body, status));
    startTyped(u"x"_s);
    waitFinished();
    QCOMPARE(messageTexts(), QStringList({message, kRetrieveError, kConnectError}));
    const QList<RecordedMessage>& messages = m_services->dialogs.messages;
    QCOMPARE(messages.at(0).icon, MessageIcon::Critical);
    QCOMPARE(messages.at(0).title, kAppTitle);
    QCOMPARE(messages.at(1).icon, MessageIcon::Critical);
    QCOMPARE(messages.at(1).title, kShortTitle);
    QCOMPARE(messages.at(2).title, kAppTitle);
    QCOMPARE(messages.at(2).buttons, MessageButtons::Ok);
    QCOMPARE(m_run->HttpError(), -1);
}

void TestSearchRun::noResults_data()
{
    QTest::addColumn<bool>("allFormats");
    QTest::addColumn<QString>("message");
    QTest::newRow("all formats") << true << kNoResults;
    QTest::newRow("a format missing") << false << kNoResults + kFormatNote;
}

void TestSearchRun::noResults()
{
    QFETCH(bool, allFormats);
    QFETCH(QString, message);
    m_server->setReply(ScriptedReply::page("<HTML><BODY>Nothing found</BODY></HTML>"));
    m_view->formats =
        allFormats ? FormatFilters::allSelected() : FormatFilters{true, true, true, true, true, false};
    startTyped(u"zzz"_s);
    waitFinished();
    QCOMPARE(messageTexts(), QStringList{message});
    QCOMPARE(m_services->dialogs.messages.at(0).icon, MessageIcon::Information);
    QCOMPARE(m_view->caption, u"  Search Results (0)"_s);
    QCOMPARE(m_model->rowCount(), 1);
}

void TestSearchRun::connectionRefused()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    m_state->QueryHost = u"127.0.0.1:"_s + QString::number(closed.serverPort());
    closed.close();
    startTyped(u"x"_s);
    waitFinished();
    QVERIFY(m_run->HttpError() != 0);
    QCOMPARE(messageTexts(), QStringList({kRetrieveError, kConnectError}));
}

void TestSearchRun::silenceTimesOut()
{
    m_server->setReply(ScriptedReply::silence());
    QSignalSpy events(m_http.get(), &HttpClient::DocumentEvent);
    startTyped(u"quiet"_s);
    QTRY_COMPARE(m_server->targets().size(), 1);
    QTRY_VERIFY(!events.isEmpty()); // the request went out
    for (int second = 1; second < SearchRun::kTimeoutSeconds; ++second)
        m_state->tick();
    QTest::qWait(10);
    QVERIFY(m_run->isSearching());
    m_state->tick();
    waitFinished();
    QCOMPARE(m_run->HttpError(), -1);
    QCOMPARE(messageTexts(), QStringList({kRetrieveError, kConnectError}));
    QCOMPARE(m_model->rowCount(), 1);
    QCOMPARE(m_model->cell(0, 0), QString());
    QCOMPARE(m_view->caption, u"  Search Results (0)"_s);
    QVERIFY(!m_http->IsBusy());
}

void TestSearchRun::steadyTransferDoesNotTimeOut()
{
    const QByteArray page = livePage({"A", "B"});
    ScriptedReply reply = ScriptedReply::page(page, 200, "text/html", static_cast<int>(page.size() / 2), 300);
    m_server->setReply(reply);
    startTyped(u"slow"_s);
    QTRY_VERIFY(m_model->cell(0, 0) == u"A"_s);
    for (int second = 1; second < SearchRun::kTimeoutSeconds; ++second)
        m_state->tick();
    QVERIFY(m_run->isSearching());
    QTRY_VERIFY(m_state->IdleSeconds == 0 || !m_run->isSearching()); // the next block resets the watchdog
    waitFinished();
    QCOMPARE(m_run->HttpError(), 0);
    QCOMPARE(m_run->ResultCount(), 2);
    QVERIFY(messageTexts().isEmpty());
}

void TestSearchRun::stopMidTransfer()
{
    const QByteArray page = livePage({"Delta", "Charlie", "Bravo", "Alpha"});
    const qsizetype firstTwo = page.indexOf("Bravo.ram") - 10;
    ScriptedReply reply = ScriptedReply::page(page, 200, "text/html", static_cast<int>(firstTwo), 400);
    m_server->setReply(reply);
    startTyped(u"stop me"_s);
    QTRY_COMPARE(m_run->ResultCount(), 2);
    m_run->StopSearch();
    QVERIFY(m_state->StopRequested);
    waitFinished();
    QTest::qWait(500); // the rest of the page would have arrived by now
    QCOMPARE(m_run->ResultCount(), 2);
    QCOMPARE(m_model->rowCount(), 2);
    QCOMPARE(m_model->cell(0, 0), u"Charlie"_s);
    QCOMPARE(m_model->cell(1, 0), u"Delta"_s);
    QVERIFY(messageTexts().isEmpty());
    QCOMPARE(m_view->caption, u"  Search Results (2)"_s);
    QCOMPARE(m_view->buttonCaption, u"Search"_s);
    QVERIFY(m_state->StopRequested); // stays set until the next search
}

void TestSearchRun::stopFlagIgnoresLaterBlocks()
{
    const QByteArray page = livePage({"Delta", "Charlie", "Bravo", "Alpha"});
    const qsizetype firstTwo = page.indexOf("Bravo.ram") - 10;
    m_server->setReply(ScriptedReply::page(page, 200, "text/html", static_cast<int>(firstTwo), 200));
    QSignalSpy events(m_http.get(), &HttpClient::DocumentEvent);
    startTyped(u"closing"_s);
    QTRY_COMPARE(m_run->ResultCount(), 2);
    // Set from elsewhere (the scan window closing): no cancel, the next event is ignored and ends the wait.
    m_state->StopRequested = true;
    const qsizetype before = events.size();
    QTRY_VERIFY(events.size() > before);
    waitFinished();
    QCOMPARE(m_run->ResultCount(), 2);
    QVERIFY(messageTexts().isEmpty());
}

void TestSearchRun::elapsedTime()
{
    m_run->elapsedTick(); // Timer2 is off before a search
    QVERIFY(m_view->panels.value(3).isEmpty());
    m_server->setReply(ScriptedReply::silence());
    startTyped(u"tick"_s);
    QVERIFY(m_view->elapsedRunning);
    QStringList shown;
    for (int second = 1; second <= 130; ++second) {
        m_run->elapsedTick();
        if (second == 1 || second == 7 || second == 10 || second == 130)
            shown.append(m_view->panels.value(3));
    }
    QCOMPARE(shown, QStringList({u"00:01"_s, u"00:07"_s, u"00:10"_s, u"00:130"_s}));
    QCOMPARE(m_view->panels.value(1), u"Searching..."_s);
    QCOMPARE(m_run->ElapsedSeconds(), 130);
    m_run->StopSearch();
    waitFinished();
    QVERIFY(!m_view->elapsedRunning);
    m_run->elapsedTick();
    QCOMPARE(m_run->ElapsedSeconds(), 130);
    QVERIFY(messageTexts().isEmpty());
}

void TestSearchRun::keywordsOnTheWire()
{
    m_server->setReply(ScriptedReply::page(livePage({"A"})));
    const QString typed = QStringLiteral("R&B #1 100% Caf\u00e9 x=1");
    startTyped(typed);
    QCOMPARE(m_view->text, QStringLiteral("R&B+#1+100%+Caf\u00e9+x=1"));
    waitFinished();
    QCOMPARE(m_server->targets().size(), 1);
    const QByteArray target = m_server->targets().at(0);
    QVERIFY2(target.contains("&T1=R%26B+%231+100%25+Caf%C3%A9+x=1&F=1&"), target.constData());
    QCOMPARE(keywordsOf(target), QStringLiteral("R&B+#1+100%+Caf\u00e9+x=1"));
    QVERIFY(target.endsWith("&LIVE=1&SPD=300"));
    QCOMPARE(m_view->history, QStringList{QStringLiteral("R&B+#1+100%+Caf\u00e9+x=1")});
}

void TestSearchRun::genreKeywordsOnTheWire()
{
    m_server->setReply(ScriptedReply::page(livePage({"A"})));
    m_run->GenreSearch(u"^ska^,^ska$,ska-,ska/,skamusic,`ska"_s, u"2"_s);
    waitFinished();
    const QByteArray target = m_server->targets().value(0);
    // Commas, "$", "-" and "/" travel as they are; the HTTP stack writes "^" and "`" as %5E and %60,
    // which the server reads back as the same characters.
    QVERIFY2(target.contains(",skamusic,"), target.constData());
    QVERIFY(target.contains("ska$,ska-,ska/,"));
    QCOMPARE(keywordsOf(target), u"^ska^,^ska$,ska-,ska/,skamusic,`ska"_s);
}

void TestSearchRun::secondStartWaitsForTheFirst()
{
    m_server->setHandler([](const QByteArray& target) {
        if (target.contains("T1=first"))
            return ScriptedReply::silence();
        return ScriptedReply::page(livePage({"Swing"}));
    });
    startTyped(u"first"_s);
    QTRY_COMPARE(m_server->targets().size(), 1);
    m_run->GenreSearch(u"Big Band"_s, u"2"_s);
    QTRY_COMPARE_WITH_TIMEOUT(m_finished->size(), 2, 10000);
    QVERIFY(!m_run->isSearching());
    QCOMPARE(m_server->targets().size(), 2);
    QVERIFY(m_server->targets().at(1).contains("&T1=Big+Band&"));
    QVERIFY(m_server->targets().at(1).contains("&FMT=2&"));
    QVERIFY(messageTexts().isEmpty()); // the stopped search shows nothing
    QCOMPARE(m_run->ResultCount(), 1);
    QCOMPARE(m_model->cell(0, 0), u"Swing"_s);
    QCOMPARE(m_view->text, QString());
    QCOMPARE(m_view->history, QStringList{u"first"_s});
    // Each run went through its own finishing steps.
    QCOMPARE(m_view->calls.count(u"layout"_s), 2);
    QCOMPARE(m_view->calls.count(u"button:Stop|Stop Search|8"_s), 2);
}

void TestSearchRun::startSearchWhileRunning()
{
    m_server->setHandler([](const QByteArray& target) {
        if (target.contains("FMT=1"))
            return ScriptedReply::silence();
        return ScriptedReply::page(livePage({"Talk"}));
    });
    m_run->GenreSearch(u"Talk/News"_s, u"1"_s);
    QTRY_COMPARE(m_server->targets().size(), 1);
    m_run->StartSearch(); // the box shows the genre's keywords
    QTRY_COMPARE_WITH_TIMEOUT(m_finished->size(), 2, 10000);
    QCOMPARE(m_server->targets().size(), 2);
    QVERIFY(m_server->targets().at(1).contains("&T1=Talk/News&"));
    QVERIFY(!m_server->targets().at(1).contains("FMT"));
    QCOMPARE(m_run->SearchFormat(), -1);
    QCOMPARE(m_view->text, u"Talk/News"_s);
    QCOMPARE(m_view->history, QStringList{u"Talk/News"_s});
}

void TestSearchRun::stopDropsQueuedStart()
{
    m_server->setReply(ScriptedReply::silence());
    startTyped(u"first"_s);
    QTRY_COMPARE(m_server->targets().size(), 1);
    m_run->GenreSearch(u"Jazz"_s, u"2"_s);
    m_run->StopSearch();
    waitFinished();
    QTest::qWait(50);
    QCOMPARE(m_finished->size(), 1);
    QVERIFY(!m_run->isSearching());
    QCOMPARE(m_server->targets().size(), 1);
}

QTEST_GUILESS_MAIN(TestSearchRun)
#include "tst_searchrun.moc"
