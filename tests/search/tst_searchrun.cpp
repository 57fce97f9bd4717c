#include "RecordingSearchView.h"
#include "Recorders.h"
#include "TestServer.h"

#include "core/Settings.h"
#include "core/Tick.h"
#include "core/ProductInfo.h"
#include "search/HttpClient.h"
#include "search/ResultsModel.h"
#include "search/SearchRun.h"

#include <QAbstractItemModelTester>
#include <QLocale>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QString kRetrieveError = u"Error retrieving data, Please check your Internet connection or contact "_s +
                               kSupportEmail + u" for system status."_s;
const QString kConnectError =
    u"Error connecting to Quillon Technologies. If this problem persists, please contact "_s + kSupportEmail;
const QString kNoResults = u"No results returned. Try a less specific search. "_s;

QByteArray livePage(const QList<QByteArray>& names)
{
    QByteArray page = "<HTML><BODY>\n";
    for (const QByteArray& name : names)
        page += "<A HREF=\"http://s.example/" + name + ".ram\">" + name +
                "**RealAudio&&Ohio^^20$$0@@http://p.example/</A><BR>\n";
    return page + "</BODY></HTML>";
}

QStringList cells(const ResultsModel& model, int column)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result.append(model.cell(row, column));
    return result;
}

// Everything a search run talks to, destroyed in reverse order.
struct Fixture
{
    TestServer server;
    TestServices services;
    MemorySettingsBacking backing;
    Settings settings{backing};
    Tick tick;
    HttpClient http;
    ResultsModel model;
    // The tester checks every insertion; the row cap's half a million rows would take minutes.
    std::optional<QAbstractItemModelTester> tester;
    RecordingSearchView view;
    SearchRun run{http, tick, settings, services.dialogs, services.pointer, model, view};
    QSignalSpy finished{&run, &SearchRun::searchFinished};
    bool elapsedRunning = false;

    Fixture()
    {
        // The run's signals join the window's calls in one log, in the order they came.
        QObject::connect(&run, &SearchRun::busyChanged, &run,
                         [this](bool busy) { view.calls.append(busy ? u"busy:1"_s : u"busy:0"_s); });
        QObject::connect(&run, &SearchRun::elapsedRunningChanged, &run, [this](bool running) {
            elapsedRunning = running;
            view.calls.append(running ? u"timer2:1"_s : u"timer2:0"_s);
        });
    }
};
} // namespace

class TestSearchRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_f = std::make_unique<Fixture>();
        if (qstrcmp(QTest::currentTestFunction(), "limitsEndTheSearch") != 0)
            m_f->tester.emplace(&m_f->model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(m_f->server.start());
        m_f->run.setQueryHost(m_f->server.hostPort());
        m_f->settings.setText(Settings::Key::ConSpeed, u"Cable/DSL"_s);
    }

    void cleanup() { m_f.reset(); }

    void liveSearch()
    {
        // "&", "#", "%" and non-ASCII characters are percent-encoded on the wire; the box and the history
        // show the keywords as typed, blanks turned into "+".
        const QString shown = u"R&B+#1+100%+Caf\u00e9+x=1"_s;
        m_f->server.setReply(
            ScriptedReply::page(livePage({"Zeta", "alpha", "Beta"}), 200, "text/html", 40, 5));
        startTyped(u"R&B #1 100% Caf\u00e9 x=1"_s);
        QVERIFY(m_f->run.isSearching());
        QVERIFY(m_f->services.pointer.busy());
        QCOMPARE(m_f->view.calls,
                 QStringList({u"redraw:0"_s, u"box:0"_s, u"mode:0"_s, u"panel1:Searching..."_s,
                              u"caption:  Search Results (0)"_s, u"text:"_s + shown, u"history:"_s + shown,
                              u"timer2:1"_s, u"busy:1"_s}));
        waitFinished();

        QCOMPARE(targets(),
                 QList<QByteArray>{"/search.asp?V=3&P=L&T1=R%26B+%231+100%25+Caf%C3%A9+x=1&F=1&RA=1&"
                                   "MA=1&RV=1&NA=1&NV=1&SW=1&LIVE=1&SPD=300"});
        QCOMPARE(m_f->run.resultCount(), 3);
        QCOMPARE(cells(m_f->model, ResultsModel::LiveStation),
                 QStringList({u"Beta"_s, u"Zeta"_s, u"alpha"_s}));
        QCOMPARE(m_f->model.cell(2, ResultsModel::LiveUrl), u"http://s.example/alpha.ram"_s);
        QVERIFY(messageTexts().isEmpty());
        QCOMPARE(m_f->view.history, QStringList{shown});
        QCOMPARE(m_f->view.countPanel.mid(0, 3), QStringList({u"1"_s, u"2"_s, u"3"_s}));
        QCOMPARE(m_f->view.calls.mid(m_f->view.calls.lastIndexOf(u"timer2:0"_s)),
                 QStringList({u"timer2:0"_s, u"redraw:0"_s, u"redraw:1"_s, u"box:1"_s, u"panel1:Done"_s,
                              u"caption:  Search Results (3)"_s, u"mode:1"_s, u"redraw:1"_s, u"layout"_s,
                              u"busy:0"_s}));
        QCOMPARE(m_f->view.panels.value(2), QString());
        QCOMPARE(m_f->view.progressValue, 0);
        QVERIFY(!m_f->services.pointer.busy());
        QCOMPARE(m_f->finished.size(), 1);
    }

    void messagesAfterSearch_data()
    {
        QTest::addColumn<int>("status"); // 0: nothing listens on the port
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("allFormats");
        QTest::addColumn<QString>("message"); // then the two connection messages, unless no results came
        const QByteArray nothing = "<HTML><BODY>Nothing found</BODY></HTML>";
        QTest::newRow("404 status") << 404 << QByteArray("<H1>404 File Not Found</H1>") << true
                                    << u"Error 404 : File Not Found"_s;
        QTest::newRow("after the last result link")
            << 200 << livePage({"A"}) + "<P>403.6 rejected</P>" << true
            << u"Error (Forbidden) : You are not permitted to access this site."_s;
        QTest::newRow("connection refused") << 0 << QByteArray() << true << QString();
        QTest::newRow("no results") << 200 << nothing << true << kNoResults;
        QTest::newRow("no results, a format missing")
            << 200 << nothing << false
            << kNoResults +
                   u" **NOTE : Not all player formats are selected, this may cause you receive less results."_s;
    }

    void messagesAfterSearch()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, allFormats);
        QFETCH(QString, message);
        m_f->server.setReply(ScriptedReply::page(body, status));
        if (status == 0) {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            m_f->run.setQueryHost(u"127.0.0.1:"_s + QString::number(closed.serverPort()));
        }
        m_f->view.formats =
            allFormats ? FormatFilters::allSelected() : FormatFilters{true, true, true, true, true, false};
        startTyped(u"x"_s);
        waitFinished();
        QCOMPARE(m_f->model.rowCount(), 1); // the one result, or the empty row
        QCOMPARE(m_f->view.caption, u"  Search Results (%1)"_s.arg(m_f->run.resultCount()));
        QStringList texts = message.isEmpty() ? QStringList() : QStringList{message};
        if (!message.startsWith(kNoResults))
            texts << kRetrieveError << kConnectError;
        expectMessages(texts);
    }

    void silenceTimesOut()
    {
        m_f->server.setReply(ScriptedReply::silence());
        QSignalSpy events(&m_f->http, &HttpClient::documentEvent);
        startTyped(u"quiet"_s);
        QTRY_COMPARE(targets().size(), 1);
        QTRY_VERIFY(!events.isEmpty()); // the request went out
        QVERIFY(m_f->elapsedRunning);
        QStringList shown;
        for (int second = 1; second <= 130; ++second) {
            m_f->run.elapsedTick();
            if (second == 1 || second == 7 || second == 10 || second == 130)
                shown.append(m_f->view.panels.value(3));
        }
        QCOMPARE(shown, QStringList({u"00:01"_s, u"00:07"_s, u"00:10"_s, u"00:130"_s}));
        QCOMPARE(m_f->view.panels.value(1), u"Searching..."_s);

        // The time-out counts the program's ticks, not the elapsed-time display.
        for (int second = 1; second < SearchRun::kTimeoutSeconds; ++second)
            m_f->tick.tick();
        QTest::qWait(10);
        QVERIFY(m_f->run.isSearching());
        m_f->tick.tick();
        waitFinished();
        expectMessages({kRetrieveError, kConnectError});
        QCOMPARE(m_f->model.rowCount(), 1);
        QCOMPARE(m_f->model.cell(0, 0), QString());
        QCOMPARE(m_f->view.caption, u"  Search Results (0)"_s);
        QVERIFY(!m_f->http.isBusy());
        QVERIFY(!m_f->elapsedRunning);
        m_f->run.elapsedTick();
        QCOMPARE(m_f->run.elapsedSeconds(), 130);
    }

    void betweenBlocks_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("stations");
        QTest::newRow("stop button") << 0 << QStringList({u"Charlie"_s, u"Delta"_s});
        // Each block restarts the 30-second watchdog.
        QTest::newRow("29 ticks") << 2 << QStringList({u"Alpha"_s, u"Bravo"_s, u"Charlie"_s, u"Delta"_s});
    }

    void betweenBlocks()
    {
        QFETCH(int, action);
        QFETCH(QStringList, stations);
        const QByteArray page = livePage({"Delta", "Charlie", "Bravo", "Alpha"});
        const qsizetype firstTwo = page.indexOf("Bravo.ram") - 10;
        m_f->server.setReply(ScriptedReply::page(page, 200, "text/html", static_cast<int>(firstTwo), 200));
        startTyped(u"blocks"_s);
        QTRY_COMPARE(m_f->run.resultCount(), 2);
        if (action == 0) {
            m_f->run.stopSearch();
        } else {
            for (int second = 1; second < SearchRun::kTimeoutSeconds; ++second)
                m_f->tick.tick();
            QVERIFY(m_f->run.isSearching());
            QTRY_COMPARE(m_f->run.resultCount(), 4); // the next block came
            m_f->tick.tick();
        }
        waitFinished();
        QTest::qWait(500); // the rest of the page would have arrived by now
        QCOMPARE(m_f->run.resultCount(), stations.size());
        QCOMPARE(cells(m_f->model, ResultsModel::LiveStation), stations);
        QVERIFY(messageTexts().isEmpty());
        QCOMPARE(m_f->view.caption, u"  Search Results (%1)"_s.arg(stations.size()));
    }

    void startWhileRunningWaitsForTheFirst()
    {
        // A genre search while a typed one runs, then a typed start while the genre search runs: each waits
        // for the running search to end, then starts with its own category.
        m_f->server.setHandler([](const QByteArray& target) {
            if (target.contains("T1=first") || target.contains("FMT=1"))
                return ScriptedReply::silence();
            return ScriptedReply::page(livePage({"Talk"}));
        });
        startTyped(u"first"_s);
        QTRY_COMPARE(targets().size(), 1);
        m_f->run.genreSearch(u"Talk/News"_s, u"1"_s);
        QTRY_COMPARE_WITH_TIMEOUT(targets().size(), 2, 10000);
        QCOMPARE(m_f->finished.size(), 1); // the first search ended before the second began
        m_f->run.startSearch();            // the box shows the genre's keywords
        QTRY_COMPARE_WITH_TIMEOUT(m_f->finished.size(), 3, 10000);
        QVERIFY(!m_f->run.isSearching());
        const QByteArray head = "/search.asp?V=3&P=L&T1=Talk/News&F=1&RA=1&MA=1&RV=1&NA=1&NV=1&SW=1&LIVE=1&";
        QCOMPARE(targets().mid(1), QList<QByteArray>({head + "FMT=1&SPD=300", head + "SPD=300"}));
        QVERIFY(messageTexts().isEmpty()); // the stopped searches show nothing
        QCOMPARE(m_f->run.resultCount(), 1);
        QCOMPARE(m_f->model.cell(0, 0), u"Talk"_s);
        QCOMPARE(m_f->view.text, u"Talk/News"_s);
        QCOMPARE(m_f->view.history, QStringList({u"first"_s, u"Talk/News"_s}));
        QCOMPARE(m_f->view.calls.count(u"busy:1"_s), 3); // each run had its own start and finish

        // Stopping drops a start that waits for the running search.
        startTyped(u"first"_s);
        QTRY_COMPARE(targets().size(), 4);
        m_f->run.genreSearch(u"Jazz"_s, u"2"_s);
        m_f->run.stopSearch();
        waitFinished();
        QTest::qWait(50);
        QCOMPARE(m_f->finished.size(), 4);
        QVERIFY(!m_f->run.isSearching());
        QCOMPARE(targets().size(), 4);
    }

    void faultsEndInTheErrorMessages_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks"); // raw bytes the server sends, then it closes
        QTest::addColumn<int>("rows");
        const QByteArray page = livePage({"Alpha", "Bravo"});
        QTest::newRow("reset mid-page") << QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
                                                             "Content-Length: 100000\r\n\r\n" +
                                                             page.left(page.indexOf("</A>") + 4)}
                                        << 1;
        QTest::newRow("garbage status line")
            << QList<QByteArray>{"SKYLARK 200 fine\r\nnonsense\r\n\r\n" + page} << 0;
    }

    void faultsEndInTheErrorMessages()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(int, rows);
        m_f->server.setReply(ScriptedReply{chunks, 50});
        startTyped(u"faulty"_s);
        waitFinished();
        QCOMPARE(m_f->run.resultCount(), rows);
        QCOMPARE(messageTexts(), (QStringList{kRetrieveError, kConnectError}));
        QVERIFY(!m_f->http.isBusy());
    }

    void limitsEndTheSearch_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<qint64>("byteLimit");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("message");
        const qint64 budget = ResultsParser::kByteLimit;
        // A link that never closes: its text is held until the cap.
        QTest::newRow("endless link")
            << livePage({"Alpha"}) + "<A HREF=\"" + QByteArray(17 * 1024 * 1024, 'x') << budget << 1
            << u"The directory's page is too large to read; the search was stopped. The "
               u"results read so far are shown."_s;
        // Rows with long names, each the same size: the budget holds exactly 100 of them.
        const QByteArray fatText = QByteArray(8000, 'n') + "**R&&L^^1$$0@@p";
        const qint64 fatRow =
            ResultsParser::recordRow(u"http://s/0000.ram", QString::fromLatin1(fatText), false, {})
                ->byteSize();
        QByteArray fat = "<HTML>";
        for (int i = 0; i < 1000; ++i)
            fat += "<A HREF=\"http://s/" + QByteArray::number(i).rightJustified(4, '0') + ".ram\">" +
                   fatText + "</A>";
        QTest::newRow("byte budget")
            << fat << 100 * fatRow << 100
            << u"The search found more results than can be held; only the first 100 are "
               u"shown. Try a more specific search."_s;
        QByteArray many = "<HTML>";
        for (int i = 0; i < ResultsParser::kRowLimit + 10; ++i)
            many += "<A HREF=\"http://s/" + QByteArray::number(i) + ".ram\">S**R&&L^^1$$0@@p</A>";
        QTest::newRow("row cap")
            << many << budget << ResultsParser::kRowLimit
            << u"The search found more than %1 results; only the first %1 are shown. Try a more "
               u"specific search."_s.arg(QLocale().toString(ResultsParser::kRowLimit));
    }

    void limitsEndTheSearch()
    {
        QFETCH(QByteArray, page);
        QFETCH(qint64, byteLimit);
        QFETCH(int, rows);
        QFETCH(QString, message);
        m_f->run.setByteLimit(byteLimit);
        m_f->server.setReply(ScriptedReply::page(page, 200, "text/html", 1024 * 1024));
        startTyped(u"big"_s);
        QTRY_COMPARE_WITH_TIMEOUT(m_f->finished.size(), 1, 60000);
        QCOMPARE(m_f->run.resultCount(), rows);
        QCOMPARE(m_f->model.rowCount(), rows);
        QCOMPARE(messageTexts(), QStringList{message});
        QVERIFY(m_f->run.responseBuffer().isEmpty());
    }

private:
    void startTyped(const QString& text)
    {
        m_f->view.text = text;
        m_f->run.submitSearchBox();
    }

    void waitFinished()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!m_f->run.isSearching(), 10000);
        QVERIFY(m_f->finished.size() >= 1);
    }

    // The messages shown, in order, each with the icon, title and buttons of its kind.
    void expectMessages(const QStringList& texts)
    {
        QCOMPARE(messageTexts(), texts);
        for (const RecordedMessage& message : m_f->services.dialogs.messages) {
            if (message.text == kConnectError) {
                QCOMPARE(message.title, kAppTitle);
                QCOMPARE(message.buttons, MessageButtons::Ok);
            } else if (message.text.startsWith(u"Error "_s)) { // error pages, then the retrieving error
                QCOMPARE(message.icon, MessageIcon::Critical);
                QCOMPARE(message.title, message.text == kRetrieveError ? kShortTitle : kAppTitle);
            } else {
                QCOMPARE(message.icon, MessageIcon::Information);
            }
        }
        QCOMPARE(m_f->run.httpError() != 0, texts.contains(kConnectError));
    }

    QStringList messageTexts() const { return m_f->services.dialogs.texts(); }
    const QList<QByteArray>& targets() const { return m_f->server.targets(); }

    std::unique_ptr<Fixture> m_f;
};

QTEST_GUILESS_MAIN(TestSearchRun)
#include "tst_searchrun.moc"
