#include "search/GridLayout.h"
#include "search/ResultsModel.h"
#include "search/SearchRun.h"
#include "ui/MainWindow.h"
#include "ui/SearchBox.h"
#include "ui/Program.h"
#include "ui/ResultsGrid.h"
#include "ui/SplashWindow.h"

#include "Recorders.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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
    QProcess m_directory;
    QTemporaryDir m_dir;
    TestServices m_services;
    NoDefaultApps m_apps;
    std::unique_ptr<Program> m_program;
};

void TestEndToEnd::initTestCase()
{
    m_directory.setProgram(QStringLiteral(SKYLARK_BIN_DIR "/skylark-directory"));
    m_directory.setArguments({u"--port"_s, u"0"_s});
    m_directory.start();
    QVERIFY(m_directory.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(m_directory.canReadLine(), 10000);
    const QString first = QString::fromUtf8(m_directory.readLine()).trimmed();
    QVERIFY2(first.startsWith(QLatin1String("listening ")), qPrintable(first));
    {
        QSettings settings(m_dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
        settings.setValue(u"Settings/ServiceHost"_s, first.mid(10));
        settings.setValue(u"Settings/ConSpeed"_s, u"Cable/DSL"_s);
        // Row clicks would preview the stations' real web sites; the stored choice holds.
        settings.setValue(u"Settings/MiniB"_s, u"False"_s);
        for (const char* key : {"Real", "Netshow", "Winamp", "StreamWorks"})
            settings.setValue(u"Settings/"_s + QLatin1String(key),
                              u"player-"_s + QLatin1String(key) + u" --gui"_s);
    }
    m_program = std::make_unique<Program>(
        Program::Context{m_dir.filePath(u"settings.ini"_s), m_dir.path(), m_services.services(), m_apps});
    m_program->start();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* splash = qobject_cast<SplashWindow*>(widget); splash && splash->isVisible())
            Q_EMIT splash->countdownFinished();
    }
    QTRY_VERIFY_WITH_TIMEOUT(m_program->window().isVisible(), 10000);
    QVERIFY(QTest::qWaitForWindowActive(&m_program->window()));
}

void TestEndToEnd::cleanupTestCase()
{
    m_program.reset();
    m_directory.kill();
    m_directory.waitForFinished(5000);
}

void TestEndToEnd::searchThenPlayRow()
{
    MainWindow& window = m_program->window();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window.searchBox()));
    QTest::keyClicks(QApplication::focusWidget(), u"jazz"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(m_program->search().isSearching());
    QTRY_VERIFY_WITH_TIMEOUT(!m_program->search().isSearching(), 15000);

    const auto* model = window.grid()->model();
    QVERIFY(model->rowCount() > 0);
    QCOMPARE(window.findChild<QLabel*>(u"lblSearch2"_s)->text(),
             u"  Search Results ("_s + QString::number(model->rowCount()) + u')');
    // Rows are sorted by station name after the search.
    for (int row = 1; row < model->rowCount(); ++row)
        QVERIFY(model->index(row - 1, 0).data().toString() <= model->index(row, 0).data().toString());
    QVERIFY(m_services.dialogs.messages.isEmpty());

    // A click shows the row's stream format in the status bar; a double-click plays it.
    QTableView* grid = window.grid();
    auto* panel = window.findChild<QLabel*>(u"statBarPanel1"_s);
    const QPoint firstRow = grid->visualRect(model->index(0, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, firstRow);
    QVERIFY2(panel->text().endsWith(QLatin1String(" Stream")), qPrintable(panel->text()));
    const QString link = window.currentCell(GridLayout::linkColumn(false));
    QVERIFY(!link.isEmpty());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, firstRow);
    QTRY_COMPARE(m_services.launcher.launches.size(), 1);
    const RecordingLauncher::Launch& launch = m_services.launcher.launches.constFirst();
    QVERIFY(launch.program.startsWith(QLatin1String("player-")));
    QCOMPARE(launch.arguments, (QStringList{u"--gui"_s, link}));
    QVERIFY(!m_services.pointer.busy());
}

void TestEndToEnd::genreSearchEmptiesBox()
{
    m_services.dialogs.messages.clear();
    m_program->window().findChild<QAction*>(u"menuBigBand"_s)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!m_program->search().isSearching(), 15000);
    QCOMPARE(m_program->window().searchText(), QString());
    const auto* model = m_program->window().grid()->model();
    QVERIFY(model->rowCount() >= 1);
    QVERIFY(!model->index(0, 0).data().toString().isEmpty());
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
