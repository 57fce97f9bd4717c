#include "ui/MainWindow.h"
#include "platform/DefaultApps.h"
#include "search/ResultsModel.h"
#include "search/SearchRun.h"

#include "Recorders.h"

#include <QLabel>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

// The program's main job against the bundled directory service: search, pick a row, play it.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void searchThenPlayRow();
    void genreSearchEmptiesBox();

private:
    void runSearch(const QString& text);

    QProcess m_directory;
    QString m_host;
    QTemporaryDir m_dir;
    MemorySettingsBacking m_backing;
    std::unique_ptr<Settings> m_settings;
    AppState m_state;
    TestServices m_services;
    NoDefaultApps m_apps;
    std::unique_ptr<MainWindow> m_window;
};

void TestEndToEnd::initTestCase()
{
    m_directory.setProgram(QStringLiteral(SKYLARK_BIN_DIR "/skylark-directory"));
    m_directory.setArguments({QStringLiteral("--port"), QStringLiteral("0")});
    m_directory.start();
    QVERIFY(m_directory.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(m_directory.canReadLine(), 10000);
    const QString first = QString::fromUtf8(m_directory.readLine()).trimmed();
    QVERIFY2(first.startsWith(QLatin1String("listening ")), qPrintable(first));
    m_host = first.mid(10);
    m_settings = std::make_unique<Settings>(m_backing);
    m_state.QueryHost = m_host;
    m_state.ConSpeed = QStringLiteral("Cable/DSL");
    m_window = std::make_unique<MainWindow>(
        MainWindowContext{*m_settings, m_state, m_services.services(), m_apps, m_dir.path()});
    m_window->GetSettings();
    for (Player player : {Player::RealPlayer, Player::MediaPlayer, Player::Winamp, Player::StreamWorks})
        m_state.Players[player] =
            QStringLiteral("player-") + QString::number(int(player)) + QStringLiteral(" --gui");
    m_window->show();
}

void TestEndToEnd::cleanupTestCase()
{
    m_window.reset();
    m_directory.kill();
    m_directory.waitForFinished(5000);
}

void TestEndToEnd::runSearch(const QString& text)
{
    m_window->setSearchText(text);
    m_window->search().SubmitSearchBox();
    QVERIFY(m_window->search().isSearching());
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->search().isSearching(), 15000);
}

void TestEndToEnd::searchThenPlayRow()
{
    runSearch(QStringLiteral("jazz"));
    const ResultsModel& model = m_window->results();
    QVERIFY(model.rowCount() > 0);
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("lblSearch2"))->text(),
             QStringLiteral("  Search Results (") + QString::number(model.rowCount()) + QLatin1Char(')'));
    // Rows are sorted by station name after the search, case-sensitively.
    for (int row = 1; row < model.rowCount(); ++row)
        QVERIFY(model.cell(row - 1, 0) <= model.cell(row, 0));
    QVERIFY(m_services.dialogs.messages.isEmpty());

    QTableView* grid = m_window->grid();
    QCOMPARE(grid->currentIndex().row(), 0);
    // A click shows the row's stream format in the status bar.
    auto* panel = m_window->findChild<QLabel*>(QStringLiteral("statBarPanel1"));
    QCOMPARE(panel->text(), QStringLiteral("Done"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, 0)).center());
    QVERIFY2(panel->text().endsWith(QLatin1String(" Stream")), qPrintable(panel->text()));
    const QString link = model.cell(0, ResultsModel::LiveUrl);
    m_window->playCurrentRow();
    QCOMPARE(m_services.launcher.launches.size(), 1);
    const RecordingLauncher::Launch& launch = m_services.launcher.launches.constFirst();
    QVERIFY(launch.program.startsWith(QLatin1String("player-")));
    QCOMPARE(launch.arguments, (QStringList{QStringLiteral("--gui"), link}));
    QVERIFY(!m_services.pointer.busy);
}

void TestEndToEnd::genreSearchEmptiesBox()
{
    m_services.dialogs.messages.clear();
    m_window->search().GenreSearch(QStringLiteral("Big Band"), QStringLiteral("2"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->search().isSearching(), 15000);
    QCOMPARE(m_window->searchText(), QString());
    QVERIFY(m_window->results().rowCount() >= 1);
    QVERIFY(!m_window->results().cell(0, 0).isEmpty());
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
