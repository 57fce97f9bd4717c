#include "browser/WindowGeometry.h"
#include "core/Settings.h"
#include "scanner/MarkerFiles.h"
#include "ui/MainCommands.h"
#include "ui/SetupDialog.h"
#include "ui/PresetButton.h"
#include "ui/PresetStrip.h"
#include "ui/ResultsGrid.h"
#include "ui/SearchBox.h"
#include "collections/StationPayload.h"

#include "ProgramFixture.h"
#include "TestFiles.h"
#include "TestServer.h"

#include <QLabel>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QPushButton>
#include <QScreen>
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

// The program with recorders in place of the desktop: the paths beside the desktop test's main ones.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
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

    void cleanup()
    {
        QVERIFY(!m_fx->services.pointer.unbalanced);
        m_fx.reset();
    }

    void firstRunPromptCannotBeLeft()
    {
        QSettings(m_fx->settingsPath(), QSettings::IniFormat).remove(u"Settings/ConSpeed"_s);
        m_fx->start();
        SetupDialog& setup = m_fx->program->setupDialog();
        QTRY_VERIFY(setup.isVisible());
        QCOMPARE(m_fx->services.dialogs.messages.size(), 1);
        // Esc hides the dialog; the prompt comes back, with the dialog shown again.
        QTRY_VERIFY(QApplication::focusWidget());
        press(Qt::Key_Escape);
        QTRY_COMPARE(m_fx->services.dialogs.messages.size(), 2);
        QTRY_VERIFY(setup.isVisible());
        QCOMPARE(setup.connectionText(), SetupDialog::kPlaceholder);
        setup.findChild<QComboBox*>(u"comboB"_s)->setFocus();
        press(Qt::Key_Down);
        QTest::mouseClick(setup.findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
        QTRY_VERIFY(window().isVisible());
        QCOMPARE(stored(u"ConSpeed"_s), setup.connectionText());
    }

    // A lookup that hangs does not keep the user out: Esc on the splash goes on with the stored host.
    void escapeOnSplashEndsHangingLookup()
    {
        m_server->setReply(ScriptedReply::silence());
        m_fx->start();
        QTRY_COMPARE(m_server->targets().size(), 1);
        auto* splash = qobject_cast<SplashWindow*>(QApplication::focusWidget());
        QVERIFY(splash);
        press(Qt::Key_Escape);
        QTRY_VERIFY(window().isVisible());
        QVERIFY(m_fx->services.dialogs.messages.isEmpty());
    }

    void unreachableServiceEndsProgram()
    {
        m_server->setReply(ScriptedReply::page("<HTML>maintenance</HTML>"));
        m_fx->start();
        QTRY_COMPARE(m_fx->finished->size(), 1);
        QCOMPARE(m_fx->services.dialogs.texts(),
                 QStringList{u"Unable to contact server, please try back later."_s});
        QVERIFY(!window().isVisible());
        QVERIFY(!MarkerFiles::exists(m_fx->dir.path(), MarkerFiles::kTerminate));
    }

    void enterAndEscapeInTheSearchBox()
    {
        startProgram();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window().searchBox()));
        press(Qt::Key_Return);
        QCOMPARE(m_fx->services.dialogs.texts(), QStringList{u"Please enter search text."_s});
        // Clicked into the text, the line edit has the focus: Enter still starts one search.
        QTest::mouseClick(window().searchBox()->lineEdit(), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), u"jazz"_s);
        press(Qt::Key_Return);
        QTRY_VERIFY(!m_fx->program->search().isSearching());
        QTest::qWait(200);
        QTRY_VERIFY(!m_fx->program->search().isSearching());
        QCOMPARE(m_server->targets().size(), 2);
        press(Qt::Key_Escape);
        QCOMPARE(m_fx->finished->size(), 1);
        QVERIFY(MarkerFiles::exists(m_fx->dir.path(), MarkerFiles::kTerminate));
    }

    void maximisedWindowStoresNormalGeometry()
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
        const QList<std::pair<const char*, double>> expected{{"Width", normal.width()},
                                                             {"Height", normal.height()},
                                                             {"Left", normal.x()},
                                                             {"Top", normal.y()}};
        for (const auto& [key, value] : expected)
            QVERIFY2(qAbs(stored(QString::fromLatin1(key)).toDouble() - value) <= pixel, key);
    }

    void commandsLockedDuringSearchOrScan()
    {
        m_server->setHandler([](const QByteArray& target) {
            return target.startsWith("/redirect.asp") ? ScriptedReply::page("") : ScriptedReply::silence();
        });
        startProgram();
        CommandTable& table = m_fx->program->commands().table();
        // The toolbar button and the menu entry follow the command's rule alike: "11" or "00".
        const auto enabled = [&] {
            QString states;
            for (const CommandId id : {CommandId::SetupModal, CommandId::Play, CommandId::ShowBookmarks})
                states += QString::number(toolbarButton(id)->isEnabled()) +
                          QString::number(table.action(id)->isEnabled());
            return states;
        };
        QToolButton* search = toolbarButton(CommandId::SearchOrStop);
        window().setSearchText(u"quiet"_s);
        // The mode button the person left the focus on has it again once the search ends.
        auto* live = window().findChild<QRadioButton*>(u"optLive"_s);
        live->setFocus();
        search->click();
        QVERIFY(m_fx->program->search().isSearching());
        QCOMPARE(enabled(), u"000000"_s);
        QVERIFY(table.action(CommandId::StartSearch)->isEnabled());
        QCOMPARE(search->text(), u"Stop"_s);
        search->click();
        QTRY_VERIFY(!m_fx->program->search().isSearching());
        QCOMPARE(enabled(), u"111111"_s);
        QCOMPARE(search->text(), u"Search"_s);
        QCOMPARE(QApplication::focusWidget(), live);
        // While a scan runs, the button refuses.
        m_fx->program->commands().setScanActive(true);
        search->click();
        QCOMPARE(m_fx->services.dialogs.texts(), QStringList{u"Please close station scanning window."_s});
        QVERIFY(!m_fx->program->search().isSearching());
    }

    // The count panel, set for every record, shows the first text at once and the latest after
    // a moment, the texts between skipped.
    void statusPanelTakesLatestText()
    {
        startProgram();
        auto* count = window().findChild<QLabel*>(u"statBarPanel2"_s);
        for (const QString& text : {u"1"_s, u"2"_s, QString()})
            window().setStatusPanel(2, text);
        QCOMPARE(count->text(), u"1"_s);
        QTRY_COMPARE(count->text(), QString());
    }

    void unwritableSettingsReported()
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

    void unwritableDataFolderReported()
    {
        m_fx->start(false);
        QCOMPARE(m_fx->services.dialogs.messages.size(), 1);
        QTRY_VERIFY(window().isVisible()); // the program goes on starting
        QVERIFY(m_fx->finished->isEmpty());
    }

    // Garbage, an endless line, wrong kinds: defaults where a value does not read, the host kept.
    void corruptSettingsStartWithDefaults()
    {
        QByteArray garbage(
            "[Settings]\nServiceHost=" + m_server->hostPort().toLatin1() +
            "\nConSpeed=Cable/DSL\nWidth=abc\nHeight=1e400\nTop=-\nMiniB=maybe\nPreset3=\xff\xfe\x00x\n");
        garbage += QByteArray(100000, 'z') + "\n\x01\x02[[[\n";
        QVERIFY(TestFiles::write(m_fx->settingsPath(), garbage));
        startProgram();
        QVERIFY(m_fx->services.dialogs.messages.isEmpty());
        const QRect shown = window().geometry();
        const QRect available = window().screen()->availableGeometry();
        QVERIFY(shown.width() > 100 && shown.width() <= available.width());
        QVERIFY(shown.height() > 100 && shown.height() <= available.height());
    }

    // Beside the desktop test's drag: the name's separator, the question first, foreign drops.
    void stationDroppedOnPreset()
    {
        startProgram(u"jazz"_s);
        drop(2, u"Caf"_s + Settings::kPresetSeparator + u" FM"_s, u"http://s.example/cafe.ram"_s);
        QTRY_COMPARE(m_fx->services.dialogs.texts(), QStringList{u"Preset 3 Assigned to Cafy FM"_s});
        QCOMPARE(stored(u"Preset2"_s),
                 u"Cafy FM"_s + Settings::kPresetSeparator + u"http://s.example/cafe.ram"_s);
        m_fx->services.dialogs.answers.enqueue(MessageAnswer::No);
        m_fx->services.dialogs.answers.enqueue(MessageAnswer::Yes);
        drop(2, u"Other"_s, u"http://s.example/other.ram"_s);
        QTRY_COMPARE(m_fx->services.dialogs.messages.size(), 2);
        QCOMPARE(stored(u"Preset2"_s).section(Settings::kPresetSeparator, 0, 0), u"Cafy FM"_s);
        drop(2, u"Other"_s, u"http://s.example/other.ram"_s);
        QTRY_COMPARE(m_fx->services.dialogs.messages.size(), 4);
        QCOMPARE(stored(u"Preset2"_s),
                 u"Other"_s + Settings::kPresetSeparator + u"http://s.example/other.ram"_s);
        QMimeData text;
        text.setText(u"http://evil.example/x.ram"_s);
        QDragEnterEvent foreign(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window().presetStrip().button(6), &foreign);
        QVERIFY(!foreign.isAccepted());
    }

    // An empty preset: a click explains how to fill it and plays nothing; Enter shows both messages.
    void emptyPresetClickAndEnter()
    {
        startProgram();
        QTest::mouseClick(window().presetStrip().button(4), Qt::LeftButton);
        const QString hint = u"Drag and Drop station here while holding Shift Key to assign preset"_s;
        QCOMPARE(m_fx->services.dialogs.texts(), QStringList{hint});
        QVERIFY(m_fx->services.launcher.launches.isEmpty());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window().searchBox()));
        m_fx->services.dialogs.messages.clear();
        window().presetStrip().button(4)->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(m_fx->services.dialogs.texts(), (QStringList{hint, u"No item selected."_s}));
    }

    // Ctrl+C of a row is driven in the desktop test; here nothing to copy, Email and the search box.
    void copyAndEmailLink()
    {
        startProgram();
        window().grid()->setFocus();
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m_fx->services.dialogs.texts(), QStringList{u"No item selected."_s});
        QVERIFY(m_fx->services.clipboard.value.isEmpty());
        m_fx->services.dialogs.messages.clear();
        QVERIFY(m_fx->search(u"jazz"_s));
        toolbarButton(CommandId::Email)->click();
        QVERIFY2(m_fx->services.clipboard.value.startsWith(u"Name : Station "_s),
                 qPrintable(m_fx->services.clipboard.value));
        QCOMPARE(m_fx->services.dialogs.messages.size(), 1);
        QCOMPARE(m_fx->services.opener.opened, QList<QUrl>{QUrl(u"mailto:"_s)});
        window().searchBox()->setFocus();
        window().searchBox()->lineEdit()->selectAll();
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m_fx->services.clipboard.value, u"jazz"_s);
    }

private:
    void startProgram(const QString& text = QString())
    {
        m_fx->start();
        QTRY_VERIFY(window().isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        if (!text.isEmpty())
            QVERIFY(m_fx->search(text));
    }
    // Through the button's own drag handlers, as a drag from the grid ends on it.
    void drop(int preset, const QString& name, const QString& link)
    {
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
    void writeSettings(const QList<std::pair<QString, QString>>& values)
    {
        m_fx->writeSettings({{u"ServiceHost"_s, m_server->hostPort()}});
        m_fx->writeSettings(values);
    }
    QString stored(const QString& key) const { return m_fx->stored(key); }
    MainWindow& window() { return m_fx->program->window(); }
    QToolButton* toolbarButton(CommandId id) { return m_fx->program->commands().table().toolbarButton(id); }

    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<ProgramFixture> m_fx;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
