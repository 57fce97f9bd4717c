#include "browser/WindowGeometry.h"
#include "core/Settings.h"
#include "scanner/MarkerFiles.h"
#include "ui/MainCommands.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/SetupDialog.h"
#include "ui/PresetButton.h"
#include "ui/PresetStrip.h"
#include "ui/ResultsGrid.h"
#include "ui/SearchBox.h"
#include "ui/SplashWindow.h"
#include "collections/StationPayload.h"

#include "ProgramFixture.h"
#include "TestServer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
QByteArray livePage(const QList<QByteArray>& links)
{
    QByteArray page = "<HTML><BODY>\n";
    for (const QByteArray& link : links)
        page += "<A HREF=\"" + link + "\">Station " + QByteArray::number(page.size()) +
                "**RealAudio&&Ohio^^20$$0@@http://p.example/</A><BR>\n";
    return page + "</BODY></HTML>";
}

// Keys go where a keyboard sends them: to the widget that has the focus.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key(key), modifiers);
}
} // namespace

// The program as a user meets it: start-up against a directory, the main window, its keys and
// its shut-down, with recorders in place of the desktop.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void firstRunPromptCannotBeLeft();
    void escapeOnSplashEndsHangingLookup();
    void unreachableServiceEndsProgram();
    void enterAndEscapeInTheSearchBox();
    void maximisedWindowStoresNormalGeometry();
    void commandsLockedDuringSearchOrScan();
    void unwritableSettingsReported();
    void unwritableDataFolderReported();
    void corruptSettingsStartWithDefaults();
    void stationDroppedOnPreset();
    void presetClicksAndEnter();
    void copyAndEmailLink();
    void rowClickPreviewsItsSiteOnce();

private:
    // Starts the program; with a search for text, the main window active.
    void startProgram(const QString& text = QString());
    void drop(int preset, const QString& name, const QString& link);
    void writeSettings(const QList<std::pair<QString, QString>>& values);
    QString stored(const QString& key) const { return m_fx->stored(key); }
    MainWindow& window() { return m_fx->program->window(); }
    QToolButton* toolbarButton(CommandId id) { return m_fx->program->commands().table().toolbarButton(id); }

    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<ProgramFixture> m_fx;
};

void TestMainWindow::init()
{
    m_fx = std::make_unique<ProgramFixture>();
    m_server = std::make_unique<TestServer>();
    QVERIFY(m_server->start());
    m_server->setHandler([](const QByteArray& target) {
        if (target.startsWith("/redirect.asp"))
            return ScriptedReply::page("");
        return ScriptedReply::page(livePage({"http://s.example/one.ram", "http://s.example/two.ram"}));
    });
    writeSettings({{u"ConSpeed"_s, u"Cable/DSL"_s}, {u"Real"_s, u"/players/real"_s}});
}

void TestMainWindow::cleanup()
{
    const bool unbalanced = m_fx->services.pointer.unbalanced;
    m_fx.reset();
    QVERIFY(!unbalanced);
}

void TestMainWindow::writeSettings(const QList<std::pair<QString, QString>>& values)
{
    m_fx->writeSettings({{u"ServiceHost"_s, m_server->hostPort()}});
    m_fx->writeSettings(values);
}

void TestMainWindow::startProgram(const QString& text)
{
    m_fx->start();
    QTRY_VERIFY(window().isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    if (!text.isEmpty())
        QVERIFY(m_fx->search(text));
}

void TestMainWindow::firstRunPromptCannotBeLeft()
{
    writeSettings({});
    QSettings(m_fx->settingsPath(), QSettings::IniFormat).remove(u"Settings/ConSpeed"_s);
    m_fx->start();
    SetupDialog& setup = m_fx->program->setupDialog();
    QTRY_VERIFY(setup.isVisible());
    QCOMPARE(m_fx->services.dialogs.messages.size(), 1);
    // Esc hides the dialog; the prompt comes back each time, with the dialog shown again.
    for (int round = 2; round <= 3; ++round) {
        QTRY_VERIFY(QApplication::focusWidget());
        press(Qt::Key_Escape);
        QTRY_COMPARE(m_fx->services.dialogs.messages.size(), round);
        QTRY_VERIFY(setup.isVisible());
        QVERIFY(!window().isVisible());
    }
    QCOMPARE(setup.connectionText(), SetupDialog::kPlaceholder);
    auto* list = setup.findChild<QComboBox*>(u"comboB"_s);
    list->setFocus();
    press(Qt::Key_Down);
    QVERIFY(setup.connectionText() != SetupDialog::kPlaceholder);
    QTest::mouseClick(setup.findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
    QTRY_VERIFY(window().isVisible());
    QVERIFY(!setup.isVisible());
    QCOMPARE(stored(u"ConSpeed"_s), setup.connectionText());
}

// A lookup that hangs does not keep the user out: Esc on the splash goes on with the stored host.
void TestMainWindow::escapeOnSplashEndsHangingLookup()
{
    m_server->setReply(ScriptedReply::silence());
    m_fx->start();
    QTRY_COMPARE(m_server->targets().size(), 1);
    auto* splash = qobject_cast<SplashWindow*>(QApplication::focusWidget());
    QVERIFY(splash);
    press(Qt::Key_Escape);
    QTRY_VERIFY(window().isVisible());
    QVERIFY(!splash->isVisible());
    QVERIFY(m_fx->services.dialogs.messages.isEmpty());
}

void TestMainWindow::unreachableServiceEndsProgram()
{
    m_server->setReply(ScriptedReply::page("<HTML>maintenance</HTML>"));
    m_fx->start();
    QTRY_COMPARE(m_fx->finished->size(), 1);
    QCOMPARE(m_fx->services.dialogs.texts(),
             QStringList{u"Unable to contact server, please try back later."_s});
    QVERIFY(!window().isVisible());
    QVERIFY(!MarkerFiles::exists(m_fx->dir.path(), MarkerFiles::kTerminate));
}

void TestMainWindow::enterAndEscapeInTheSearchBox()
{
    startProgram();
    // The focus is in the search box when the window opens.
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window().searchBox()));

    press(Qt::Key_Return);
    QCOMPARE(m_fx->services.dialogs.texts(), QStringList{u"Please enter search text."_s});
    QTest::keyClicks(QApplication::focusWidget(), u"jazz"_s);
    press(Qt::Key_Return);
    QTRY_VERIFY(m_server->targets().size() == 2);
    QVERIFY(m_server->targets().at(1).startsWith("/search.asp?V=3&P=L&T1=jazz&"));
    QTRY_VERIFY(!m_fx->program->search().isSearching());
    QCOMPARE(m_fx->program->search().resultCount(), 2);

    // Clicked into the text, the line edit has the focus: Enter still starts one search.
    QTest::mouseClick(window().searchBox()->lineEdit(), Qt::LeftButton);
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), u"jazz"_s);
    press(Qt::Key_Return);
    QTRY_VERIFY(!m_fx->program->search().isSearching());
    QTest::qWait(200);
    QTRY_VERIFY(!m_fx->program->search().isSearching());
    QCOMPARE(m_server->targets().size(), 3);

    press(Qt::Key_Escape);
    QCOMPARE(m_fx->finished->size(), 1);
    QVERIFY(!window().isVisible());
    QCOMPARE(stored(u"LastSearch"_s), u"jazz"_s);
    QVERIFY(MarkerFiles::exists(m_fx->dir.path(), MarkerFiles::kTerminate));
}

void TestMainWindow::maximisedWindowStoresNormalGeometry()
{
    writeSettings(
        {{u"Left"_s, u"600"_s}, {u"Top"_s, u"450"_s}, {u"Width"_s, u"7000"_s}, {u"Height"_s, u"5000"_s}});
    startProgram();
    const QRectF normal = WindowGeometry::normalTwips(window());
    const int normalWidth = window().width();
    window().showMaximized();
    QTRY_VERIFY(window().isMaximized() && window().width() > normalWidth);
    window().close();
    QCOMPARE(m_fx->finished->size(), 1);
    // What is stored is the place the window returns to, not the maximised one.
    const double pixel = WindowGeometry::pixelsToTwips(window(), 1) + 0.01;
    const QList<std::pair<const char*, double>> expected{
        {"Width", normal.width()}, {"Height", normal.height()}, {"Left", normal.x()}, {"Top", normal.y()}};
    for (const auto& [key, value] : expected)
        QVERIFY2(qAbs(stored(QString::fromLatin1(key)).toDouble() - value) <= pixel, key);
}

void TestMainWindow::commandsLockedDuringSearchOrScan()
{
    m_server->setHandler([](const QByteArray& target) {
        return target.startsWith("/redirect.asp") ? ScriptedReply::page("") : ScriptedReply::silence();
    });
    startProgram();
    CommandTable& table = m_fx->program->commands().table();
    // The toolbar button and the menu entry follow the command's rule alike: "11" or "00".
    const auto enabled = [&](std::initializer_list<CommandId> ids) {
        QString states;
        for (const CommandId id : ids)
            states += QString::number(toolbarButton(id)->isEnabled()) +
                      QString::number(table.action(id)->isEnabled());
        return states;
    };
    const std::initializer_list<CommandId> locked{CommandId::SetupModal, CommandId::Play,
                                                  CommandId::ShowBookmarks};
    QToolButton* search = toolbarButton(CommandId::SearchOrStop);
    QCOMPARE(enabled(locked), u"111111"_s);
    window().setSearchText(u"quiet"_s);
    // The mode button the person left the focus on has it again once the search ends.
    auto* live = window().findChild<QRadioButton*>(u"optLive"_s);
    live->setFocus();
    search->click();
    QVERIFY(m_fx->program->search().isSearching());
    QCOMPARE(enabled(locked), u"000000"_s);
    QVERIFY(table.action(CommandId::StartSearch)->isEnabled());
    QCOMPARE(search->text(), u"Stop"_s);
    search->click();
    QTRY_VERIFY(!m_fx->program->search().isSearching());
    QCOMPARE(enabled(locked), u"111111"_s);
    QCOMPARE(search->text(), u"Search"_s);
    QCOMPARE(QApplication::focusWidget(), live);
    // While a scan runs, the button refuses.
    m_fx->program->commands().setScanActive(true);
    search->click();
    QCOMPARE(m_fx->services.dialogs.texts(), QStringList{u"Please close station scanning window."_s});
    QVERIFY(!m_fx->program->search().isSearching());
}

void TestMainWindow::unwritableSettingsReported()
{
    startProgram();
    // The settings file is replaced by a folder, so nothing can be written there.
    QFile::remove(m_fx->settingsPath());
    QVERIFY(QDir(m_fx->dir.path()).mkdir(u"settings.ini"_s));
    window().close();
    QCOMPARE(m_fx->finished->size(), 1);
    QCOMPARE(m_fx->services.dialogs.messages.size(), 1);
    QVERIFY(m_fx->services.dialogs.messages.at(0).text.startsWith(u"Your settings could not be saved"_s));
}

void TestMainWindow::drop(int preset, const QString& name, const QString& link)
{
    // Through the button's own drag handlers, as a drag from the grid ends on it.
    QMimeData mime;
    mime.setData(StationPayload::kMimeType, StationPayload::encode({name, link}));
    PresetButton* button = window().presetStrip().button(preset);
    const QPoint at = button->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(button, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(button, &dropped);
}

void TestMainWindow::unwritableDataFolderReported()
{
    m_fx->start(false);
    QCOMPARE(m_fx->services.dialogs.messages.size(), 1);
    QTRY_VERIFY(window().isVisible()); // the program goes on starting
    QVERIFY(m_fx->finished->isEmpty());
}

void TestMainWindow::corruptSettingsStartWithDefaults()
{
    // Garbage, an endless line, wrong kinds: defaults where a value does not read, the host kept.
    QFile file(m_fx->settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray garbage(
        "[Settings]\nServiceHost=" + m_server->hostPort().toLatin1() +
        "\nConSpeed=Cable/DSL\nWidth=abc\nHeight=1e400\nTop=-\nMiniB=maybe\nPreset3=\xff\xfe\x00x\n");
    garbage += QByteArray(100000, 'z') + "\n\x01\x02[[[\n";
    QVERIFY(file.write(garbage) == garbage.size());
    file.close();
    startProgram();
    QVERIFY(m_fx->services.dialogs.messages.isEmpty());
    const QRect shown = window().geometry();
    const QRect available = window().screen()->availableGeometry();
    QVERIFY(shown.width() > 100 && shown.width() <= available.width());
    QVERIFY(shown.height() > 100 && shown.height() <= available.height());
}

void TestMainWindow::stationDroppedOnPreset()
{
    startProgram(u"jazz"_s);
    const QString name = u"Caf"_s + Settings::kPresetSeparator + u" FM"_s;
    drop(2, name, u"http://s.example/cafe.ram"_s);
    QTRY_COMPARE(m_fx->services.dialogs.texts(), QStringList{u"Preset 3 Assigned to Cafy FM"_s});
    // Stored at once, not only at shut-down.
    QCOMPARE(stored(u"Preset2"_s),
             u"Cafy FM"_s + Settings::kPresetSeparator + u"http://s.example/cafe.ram"_s);
    QCOMPARE(window().presetStrip().button(2)->toolTip(), u"Cafy FM"_s);

    // Reassigning asks first: No keeps the station, Yes replaces it.
    m_fx->services.dialogs.answers.enqueue(MessageAnswer::No);
    m_fx->services.dialogs.answers.enqueue(MessageAnswer::Yes);
    drop(2, u"Other"_s, u"http://s.example/other.ram"_s);
    QTRY_COMPARE(m_fx->services.dialogs.messages.size(), 2);
    QCOMPARE(stored(u"Preset2"_s).section(Settings::kPresetSeparator, 0, 0), u"Cafy FM"_s);
    drop(2, u"Other"_s, u"http://s.example/other.ram"_s);
    QTRY_COMPARE(m_fx->services.dialogs.messages.size(), 4);
    QCOMPARE(stored(u"Preset2"_s), u"Other"_s + Settings::kPresetSeparator + u"http://s.example/other.ram"_s);

    // Drops that are not stations are not taken.
    QMimeData text;
    text.setText(u"http://evil.example/x.ram"_s);
    QDragEnterEvent foreign(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window().presetStrip().button(6), &foreign);
    QVERIFY(!foreign.isAccepted());
    QVERIFY(stored(u"Preset5"_s).isEmpty());
}

void TestMainWindow::presetClicksAndEnter()
{
    writeSettings({{u"Preset1"_s, u"Jazz"_s + Settings::kPresetSeparator + u"http://s.example/jazz.ram"_s}});
    startProgram();
    QTest::mouseClick(window().presetStrip().button(1), Qt::LeftButton);
    QCOMPARE(m_fx->services.launcher.launches.size(), 1);
    QCOMPARE(m_fx->services.launcher.launches.at(0).arguments, QStringList{u"http://s.example/jazz.ram"_s});

    // An empty preset: a click explains how to fill it and plays nothing.
    QTest::mouseClick(window().presetStrip().button(4), Qt::LeftButton);
    QCOMPARE(m_fx->services.dialogs.texts(),
             QStringList{u"Drag and Drop station here while holding Shift Key to assign preset"_s});
    QCOMPARE(m_fx->services.launcher.launches.size(), 1);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window().searchBox()));
    // Enter on it shows both messages.
    m_fx->services.dialogs.messages.clear();
    window().presetStrip().button(4)->setFocus();
    press(Qt::Key_Return);
    QCOMPARE(m_fx->services.dialogs.texts(),
             (QStringList{u"Drag and Drop station here while holding Shift Key to assign preset"_s,
                          u"No item selected."_s}));
}

void TestMainWindow::copyAndEmailLink()
{
    startProgram();
    // Nothing found yet: nothing to copy.
    window().grid()->setFocus();
    press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_fx->services.dialogs.texts(), QStringList{u"No item selected."_s});
    QVERIFY(m_fx->services.clipboard.value.isEmpty());

    // Ctrl+C of a row is driven in the desktop test; Email copies the same block.
    m_fx->services.dialogs.messages.clear();
    QVERIFY(m_fx->search(u"jazz"_s));
    toolbarButton(CommandId::Email)->click();
    QVERIFY2(m_fx->services.clipboard.value.startsWith(u"Name : Station "_s),
             qPrintable(m_fx->services.clipboard.value));
    QCOMPARE(m_fx->services.dialogs.messages.size(), 1);
    QCOMPARE(m_fx->services.opener.opened, QList<QUrl>{QUrl(u"mailto:"_s)});

    // In the search box Ctrl+C copies its selected text.
    QLineEdit* box = window().searchBox()->lineEdit();
    window().searchBox()->setFocus();
    box->selectAll();
    press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_fx->services.clipboard.value, u"jazz"_s);
    QCOMPARE(window().searchText(), u"jazz"_s);
}

void TestMainWindow::rowClickPreviewsItsSiteOnce()
{
    startProgram(u"jazz"_s);
    QStringList previewed;
    m_fx->program->commands().setPreview([&previewed](const QString& site) { previewed.append(site); });
    ResultsGrid* grid = window().grid();
    const auto clickRow = [grid](int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 0)).center());
    };
    // Both rows share one site: it loads once.
    clickRow(0);
    clickRow(1);
    QCOMPARE(previewed, QStringList{u"http://p.example/"_s});
    QCOMPARE(m_fx->program->commands().lastPreviewSite(), u"http://p.example/"_s);
    // Off and on again: the same row previews again.
    QAction* option = m_fx->program->commands().table().action(CommandId::MiniBrowserOnPreview);
    option->trigger();
    // Saved to the file once control is back in the event loop.
    QTRY_COMPARE(stored(u"MiniB"_s), u"False"_s);
    clickRow(1);
    QVERIFY(m_fx->program->commands().lastPreviewSite().isEmpty());
    option->trigger();
    clickRow(1);
    QCOMPARE(previewed.size(), 2);
    // A click on the header shows the format but previews nothing.
    QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(previewed.size(), 2);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
