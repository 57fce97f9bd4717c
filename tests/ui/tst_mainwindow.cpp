#include "ui/MainWindow.h"
#include "ui/SetupDialog.h"
#include "platform/DefaultApps.h"
#include "scanner/MarkerFiles.h"
#include "search/HttpClient.h"
#include "search/ResultsModel.h"
#include "search/SearchRun.h"

#include "Recorders.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

QString value(const MemorySettingsBacking& backing, const char* key)
{
    return backing.values.value(QString::fromLatin1(key));
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void emptyStoreGivesDesignState();
    void miniBReadsBooleanForms_data();
    void miniBReadsBooleanForms();
    void geometryClamps_data();
    void geometryClamps();
    void badValueFailsOnlyItsOwnKey();
    void proxyAppliedFromSettings();
    void markerWatchDrivenByTicks();
    void idleSecondsWrap();
    void shutDownWritesState();
    void maximisedWindowStoresNormalGeometry();
    void escapeSavesLikeExit();
    void enterInEmptySearchBoxAsksForText();
    void focusStartsInSearchBox();
    void captionsAndShortcuts();
    void toolbarRefusedWhileScanning();
    void minimumSizeSnapsBack();
    void modeChangeKeepsRowsAndWritesHeaders();
    void helpWindowsOpenOnce();

private:
    MainWindow& window();
    QRectF screenTwips();

    std::unique_ptr<QTemporaryDir> m_dir;
    MemorySettingsBacking m_backing;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<AppState> m_state;
    TestServices m_services;
    NoDefaultApps m_apps;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_backing.values.clear();
    m_backing.writes.clear();
    m_settings = std::make_unique<Settings>(m_backing);
    m_state = std::make_unique<AppState>();
    m_services.dialogs.messages.clear();
}

void TestMainWindow::cleanup()
{
    m_window.reset();
}

MainWindow& TestMainWindow::window()
{
    if (!m_window) {
        m_window = std::make_unique<MainWindow>(
            MainWindowContext{*m_settings, *m_state, m_services.services(), m_apps, m_dir->path()});
    }
    return *m_window;
}

QRectF TestMainWindow::screenTwips()
{
    const QRect screen = window().screen()->geometry();
    return {0, 0, window().pixelsToTwips(screen.width()), window().pixelsToTwips(screen.height())};
}

void TestMainWindow::emptyStoreGivesDesignState()
{
    MainWindow& w = window();
    w.GetSettings();
    const QRectF geometry = w.normalGeometryTwips();
    const double pixel = w.pixelsToTwips(1);
    QVERIFY(qAbs(geometry.width() - 7095) <= pixel);
    QVERIFY(qAbs(geometry.height() - 5595) <= pixel);
    const QRectF screen = screenTwips();
    QVERIFY(qAbs(geometry.x() - (screen.width() - 7095) / 2) <= pixel);
    QVERIFY(qAbs(geometry.y() - (screen.height() - 5595) / 2) <= pixel);
    for (Settings::Key key : SetupDialog::kFormatKeys)
        QCOMPARE(w.setupDialog().formatState(key), 1);
    QVERIFY(w.findChild<QRadioButton*>(QStringLiteral("optLive"))->isChecked());
    QVERIFY(!w.archiveMode());
    QCOMPARE(w.searchText(), QString());
    QVERIFY(w.findChild<QAction*>(QStringLiteral("menuOpen"))->isChecked());
    for (int i = 0; i < 10; ++i) {
        auto* preset = w.findChild<QToolButton*>(QStringLiteral("pPreset") + QString::number(i));
        QVERIFY(preset);
        QCOMPARE(preset->toolTip(), PresetTable::kEmptyName);
        QVERIFY(w.presets().isEmpty(i));
    }
    QVERIFY(!w.http().ProxySettings().ProxyOn);
    // Discovery found nothing and wrote that back, empty, for every player.
    for (const char* key : {"Winamp", "Real", "Netshow", "StreamWorks"}) {
        QVERIFY(m_backing.values.contains(QString::fromLatin1(key)));
        QCOMPARE(value(m_backing, key), QString());
    }
}

void TestMainWindow::miniBReadsBooleanForms_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("False") << "False" << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("True") << "True" << true;
    QTest::newRow("junk keeps design value") << "maybe" << true;
}

void TestMainWindow::miniBReadsBooleanForms()
{
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    m_backing.values.insert(QStringLiteral("MiniB"), stored);
    window().GetSettings();
    QCOMPARE(window().findChild<QAction*>(QStringLiteral("menuOpen"))->isChecked(), checked);
}

void TestMainWindow::geometryClamps_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("stored"); // < 0: negative; > 1e6: beyond the screen
    QTest::newRow("top negative") << "Top" << -500.0;
    QTest::newRow("top below screen") << "Top" << 1e7;
    QTest::newRow("left negative") << "Left" << -1.0;
    QTest::newRow("left beyond screen") << "Left" << 1e7;
}

void TestMainWindow::geometryClamps()
{
    QFETCH(QString, key);
    QFETCH(double, stored);
    m_backing.values.insert(key, QString::number(stored));
    m_backing.values.insert(key == QLatin1String("Top") ? QStringLiteral("Left") : QStringLiteral("Top"),
                            QStringLiteral("300"));
    window().GetSettings();
    const QRectF geometry = window().normalGeometryTwips();
    const double clamped = key == QLatin1String("Top") ? geometry.y() : geometry.x();
    const double other = key == QLatin1String("Top") ? geometry.x() : geometry.y();
    QCOMPARE(clamped, 0.0);
    QVERIFY(qAbs(other - 300) <= window().pixelsToTwips(1));
}

void TestMainWindow::badValueFailsOnlyItsOwnKey()
{
    m_backing.values.insert(QStringLiteral("Width"), QStringLiteral("abc"));
    m_backing.values.insert(QStringLiteral("Height"), QStringLiteral("6000"));
    m_backing.values.insert(QStringLiteral("optArch"), QStringLiteral("True"));
    m_backing.values.insert(QStringLiteral("optLive"), QStringLiteral("False"));
    m_backing.values.insert(QStringLiteral("chkNV"), QStringLiteral("zero"));
    m_backing.values.insert(QStringLiteral("chkMA"), QStringLiteral("0"));
    m_backing.values.insert(QStringLiteral("LastSearch"), QStringLiteral("blues rock"));
    MainWindow& w = window();
    const double designWidth = w.normalGeometryTwips().width();
    w.GetSettings();
    QCOMPARE(w.normalGeometryTwips().width(), designWidth);
    QVERIFY(qAbs(w.normalGeometryTwips().height() - 6000) <= w.pixelsToTwips(1));
    QVERIFY(w.archiveMode());
    QCOMPARE(w.setupDialog().formatState(Settings::Key::ChkNV), 1);
    QCOMPARE(w.setupDialog().formatState(Settings::Key::ChkMA), 0);
    QCOMPARE(w.searchText(), QStringLiteral("blues rock"));
}

void TestMainWindow::proxyAppliedFromSettings()
{
    m_backing.values.insert(QStringLiteral("ProxyHost"), QStringLiteral("proxy.example.net"));
    m_backing.values.insert(QStringLiteral("ProxyPort"), QStringLiteral("3128"));
    window().GetSettings();
    const HttpProxySettings& proxy = window().http().ProxySettings();
    QVERIFY(proxy.ProxyOn);
    QCOMPARE(proxy.ProxyHostName, QStringLiteral("proxy.example.net"));
    QCOMPARE(proxy.ProxyPortNumber, 3128);
    QCOMPARE(m_state->ProxyHost, QStringLiteral("proxy.example.net"));
}

void TestMainWindow::markerWatchDrivenByTicks()
{
    MainWindow& w = window();
    const QString marker = MarkerFiles::path(m_dir->path(), MarkerFiles::kTerminate);
    QVERIFY(!QFile::exists(marker));
    w.Timer1Tick();
    QFile file(marker);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("TERMINATE\r\n"));
    file.close();

    QVERIFY(QFile::remove(marker));
    m_state->lScanActive = true;
    w.Timer1Tick();
    QVERIFY(!QFile::exists(marker));
    m_state->lScanActive = false;
    w.Timer1Tick();
    QVERIFY(QFile::exists(marker));
}

void TestMainWindow::idleSecondsWrap()
{
    MainWindow& w = window();
    m_state->IdleSeconds = 49999;
    w.Timer1Tick();
    QCOMPARE(m_state->IdleSeconds, 50000);
    w.Timer1Tick();
    QCOMPARE(m_state->IdleSeconds, 0);
}

void TestMainWindow::shutDownWritesState()
{
    m_backing.values.insert(QStringLiteral("Version"), QStringLiteral("2.1"));
    m_backing.values.insert(QStringLiteral("Preset4"),
                            QStringLiteral("Old") + QChar(0xFF) + QStringLiteral("http://o/a.ram"));
    MainWindow& w = window();
    w.GetSettings();
    w.setSearchText(QStringLiteral("jazz+fm"));
    w.setupDialog().setFormatState(Settings::Key::ChkRV, 0);
    w.presets()[2] = {QStringLiteral("New Station"), QStringLiteral("http://n/b.pls")};
    QSignalSpy ended(&w, &MainWindow::ended);
    m_backing.writes.clear();
    w.findChild<QAction*>(QStringLiteral("menuExit"))->trigger();
    QCOMPARE(ended.size(), 1);
    QVERIFY(m_state->StopRequested);
    QCOMPARE(value(m_backing, "Version"), QStringLiteral("3.0"));
    QCOMPARE(value(m_backing, "LastSearch"), QStringLiteral("jazz+fm"));
    QCOMPARE(value(m_backing, "chkRV"), QStringLiteral("0"));
    QCOMPARE(value(m_backing, "chkRA"), QStringLiteral("1"));
    QCOMPARE(value(m_backing, "optLive"), QStringLiteral("True"));
    QCOMPARE(value(m_backing, "optArch"), QStringLiteral("False"));
    QCOMPARE(value(m_backing, "Preset2"),
             QStringLiteral("New Station") + QChar(0xFF) + QStringLiteral("http://n/b.pls"));
    QVERIFY(m_backing.writes.contains(QStringLiteral("Preset4")));
    QVERIFY(!m_backing.values.contains(QStringLiteral("Preset0")));
    for (const char* key : {"Top", "Left", "Width", "Height"})
        QVERIFY(Settings::textToSingle(value(m_backing, key)).has_value());
    QVERIFY(QFile::exists(MarkerFiles::path(m_dir->path(), MarkerFiles::kTerminate)));
}

void TestMainWindow::maximisedWindowStoresNormalGeometry()
{
    MainWindow& w = window();
    w.GetSettings();
    w.setGeometryTwips(600, 450, 8400, 6000);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRectF normal = w.normalGeometryTwips();
    w.showMaximized();
    QTRY_VERIFY(w.isMaximized());
    w.close();
    const double pixel = w.pixelsToTwips(1);
    QVERIFY(qAbs(Settings::textToSingle(value(m_backing, "Width")).value() - normal.width()) <= pixel);
    QVERIFY(qAbs(Settings::textToSingle(value(m_backing, "Height")).value() - normal.height()) <= pixel);
    QVERIFY(qAbs(Settings::textToSingle(value(m_backing, "Left")).value() - normal.x()) <= pixel);
}

void TestMainWindow::escapeSavesLikeExit()
{
    MainWindow& w = window();
    w.GetSettings();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setSearchText(QStringLiteral("kept"));
    QSignalSpy ended(&w, &MainWindow::ended);
    auto* box = w.findChild<QComboBox*>(QStringLiteral("txtSearch"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Escape);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(value(m_backing, "LastSearch"), QStringLiteral("kept"));
    QCOMPARE(value(m_backing, "Version"), QStringLiteral("3.0"));
}

void TestMainWindow::enterInEmptySearchBoxAsksForText()
{
    MainWindow& w = window();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* box = w.findChild<QComboBox*>(QStringLiteral("txtSearch"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(m_services.dialogs.texts(), QStringList{QStringLiteral("Please enter search text.")});
    QCOMPARE(m_services.dialogs.messages.at(0).title, QStringLiteral("Skylark! Broadcast"));
    QVERIFY(!w.search().isSearching());
}

void TestMainWindow::focusStartsInSearchBox()
{
    MainWindow& w = window();
    w.GetSettings();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* box = w.findChild<QComboBox*>(QStringLiteral("txtSearch"));
    QTRY_VERIFY(box->hasFocus() || box->lineEdit()->hasFocus());
}

void TestMainWindow::captionsAndShortcuts()
{
    MainWindow& w = window();
    struct Entry
    {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Entry entries[] = {
        {"menuOpen", "Open Mini-Browser on Preview", {}},
        {"menuSetup", "&Setup", QKeySequence(Qt::Key_F2)},
        {"menuAdd", "&Add a Station", {}},
        {"menuExit", "E&xit", {}},
        {"menuCopy", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"menuStart", "&Start Search", {}},
        {"menuStop", "S&top Search", {}},
        {"menuPlay", "&Play Stream", {}},
        {"menuVisit", "&Visit Stream Website", {}},
        {"menuScan", "S&can Stations", {}},
        {"menuShotBookmarks", "&Show Bookmarks", {}},
        {"menuAddB", "&Add Selected Items to Bookmarks", {}},
        {"menuEmail", "&Email Link to a Friend", {}},
        {"menuQuickHelp", "&Quick Help", QKeySequence(Qt::Key_F1)},
        {"menuSupport", "&Support", {}},
        {"menuAbout", "&About", {}},
        {"menuBigBand", "Big Band", {}},
        {"menuSpecial", "Special (Police, Scanners, Emergency)", {}},
    };
    for (const Entry& entry : entries) {
        auto* action = w.findChild<QAction*>(QString::fromLatin1(entry.name));
        QVERIFY2(action, entry.name);
        QCOMPARE(action->text(), QString::fromLatin1(entry.caption));
        QCOMPARE(action->shortcut(), entry.shortcut);
    }
    QStringList titles;
    for (QAction* menu : w.menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&Search"),
                                  QStringLiteral("&Select Format"), QStringLiteral("&Help")}));
    const QStringList captions{QStringLiteral("Setup"),     QStringLiteral("Search"),
                               QStringLiteral("Play"),      QStringLiteral("Website"),
                               QStringLiteral("Scan"),      QStringLiteral("Bookmarks"),
                               QStringLiteral("Email Link")};
    const QStringList tips{QStringLiteral("Setup Options"),         QStringLiteral("Start Search"),
                           QStringLiteral("Play Stream"),           QStringLiteral("Visit Stream Website"),
                           QStringLiteral("Scan Stations"),         QStringLiteral("Modify Bookmarks"),
                           QStringLiteral("Email Link to a Friend")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* button =
            w.findChild<QToolButton*>(QStringLiteral("Toolbar1Button") + QString::number(2 * i + 1));
        QVERIFY(button);
        QCOMPARE(button->text(), captions.at(i));
        QCOMPARE(button->toolTip(), tips.at(i));
    }
    QCOMPARE(w.findChild<QRadioButton*>(QStringLiteral("optArch"))->text(),
             QStringLiteral("Streaming Audio && Video"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblSearch2"))->text(), QStringLiteral("  Search Results"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
             QStringLiteral("Enter Station Name, Format, Region or Keywords"));
    QCOMPARE(w.findChild<QTableView*>(QStringLiteral("MSHResults"))->toolTip(),
             QStringLiteral("Single click to display stream website or click PLAY button to play."));
}

void TestMainWindow::toolbarRefusedWhileScanning()
{
    MainWindow& w = window();
    m_state->lScanActive = true;
    w.findChild<QToolButton*>(QStringLiteral("Toolbar1Button3"))->click();
    QCOMPARE(m_services.dialogs.texts(),
             QStringList{QStringLiteral("Please close station scanning window.")});
    QVERIFY(!w.search().isSearching());
}

void TestMainWindow::minimumSizeSnapsBack()
{
    MainWindow& w = window();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(200, 150);
    QTRY_VERIFY(w.pixelsToTwips(w.width()) >= MainWindow::kMinWidth - w.pixelsToTwips(1));
    QTRY_VERIFY(w.pixelsToTwips(w.height()) >= MainWindow::kMinHeight - w.pixelsToTwips(1));
}

void TestMainWindow::modeChangeKeepsRowsAndWritesHeaders()
{
    MainWindow& w = window();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString name = QStringLiteral("WXYZ");
    const QString link = QStringLiteral("http://h/a.ram");
    ResultRow::Cells cells{};
    cells[0] = name;
    cells[4] = link;
    const ResultRow row(cells);
    w.results().appendRecords({row, row, row});
    const int rows = w.results().rowCount();
    w.findChild<QRadioButton*>(QStringLiteral("optArch"))->click();
    QCOMPARE(w.results().rowCount(), rows);
    QCOMPARE(w.results().cell(0, 0), QString());
    QCOMPARE(w.results().header(0), QString());
    QCOMPARE(w.results().header(1), QStringLiteral("Len"));
    QCOMPARE(w.results().header(4), QStringLiteral("Additional"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
             QStringLiteral("Enter Keywords (Subject, Band Name, Person, etc)"));
    for (int column = 5; column < 10; ++column)
        QVERIFY(w.grid()->isColumnHidden(column));
    QVERIFY(!w.grid()->isColumnHidden(3));
}

void TestMainWindow::helpWindowsOpenOnce()
{
    MainWindow& w = window();
    w.showQuickHelp();
    w.showQuickHelp();
    QCOMPARE(w.findChildren<QWidget*>(QStringLiteral("frmQuickHelp")).size(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
