#include "Recorders.h"
#include "TestServer.h"
#include "collections/PresetTable.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "platform/UnixProcessControl.h"
#include "scanner/MarkerFiles.h"
#include "scanner/ScanModules.h"
#include "search/HttpClient.h"
#include "ui/ScanPresetDialog.h"
#include "ui/ScanWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString text(const char* literal)
{
    return QString::fromUtf8(literal);
}
} // namespace

class TestScanWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void maximisedMainWindowReturnsToNormal();
    void stationShownAndSiteOpened();
    void pauseThenClose();
    void presetDialogListAndAssignments();
    void closeWaitsForPresetDialog();

private:
    struct Parts
    {
        MemorySettingsBacking backing;
        Settings settings{backing};
        PresetTable presets;
        TestServices services;
        HttpClient client;
        Tick tick;
        UnixProcessControl processes;
        ScanModules modules{processes, tick};
        QStringList sites;
        QList<int> assigned;
    };
    ScanWindow* makeWindow(Parts& parts, const QString& host, QWidget* mainWindow = nullptr);

    QTemporaryDir m_dir;
};

void TestScanWindow::init()
{
    QDir(m_dir.filePath(text("data"))).removeRecursively();
}

ScanWindow* TestScanWindow::makeWindow(Parts& parts, const QString& host, QWidget* mainWindow)
{
    parts.settings.setText(Settings::Key::Real, text("/usr/bin/true"));
    parts.settings.setText(Settings::Key::Netshow, text("/usr/bin/true"));
    auto* window = new ScanWindow(ScanWindow::Context{
        parts.settings, parts.presets, parts.services.services(), parts.modules, parts.client, parts.tick,
        m_dir.filePath(text("data")), m_dir.filePath(text("modules")), host, mainWindow,
        [&parts](const QString& site) { parts.sites.append(site); },
        [&parts](int index) { parts.assigned.append(index); }});
    window->show();
    return window;
}

void TestScanWindow::maximisedMainWindowReturnsToNormal()
{
    Parts parts;
    QWidget main;
    main.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(main.isMaximized());
    QPointer<ScanWindow> window = makeWindow(parts, text("127.0.0.1:1"), &main);
    QTRY_COMPARE(main.windowState(), Qt::WindowNoState);
    window->close();
    QTRY_VERIFY(window.isNull());
}

void TestScanWindow::stationShownAndSiteOpened()
{
    TestServer server;
    QVERIFY(server.start());
    server.setReply(ScriptedReply::page(
        "1@@@@https://site.example/@@@@Name@@@@http://x/a.m3u@@@@MP3@@@@Oslo@@@@NO@@@@128<HTML>"));
    Parts parts;
    ScanWindow* window = makeWindow(parts, server.hostPort());
    auto* player = window->findChild<QComboBox*>(text("comboS"));
    QCOMPARE(player->currentIndex(), -1);
    QCOMPARE(player->placeholderText(), text("Choose Player"));
    const int shortHeight = window->height();
    window->pickPlayer(0);
    QVERIFY(window->height() > shortHeight);
    QVERIFY(!player->isEnabled());
    auto* name = window->findChild<QLabel*>(text("lblInfo0"));
    QTRY_COMPARE(name->text(), text("Name"));
    QCOMPARE(window->findChild<QLabel*>(text("lblInfo2"))->text(), text("Oslo, NO"));
    QCOMPARE(window->findChild<QLabel*>(text("lblInfo3"))->text(), text("128"));
    QCOMPARE(window->findChild<QLabel*>(text("Label1"))->text(), text("Playing..."));
    QVERIFY(name->font().underline());
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(parts.sites, QStringList{text("https://site.example/")});
    // The name takes the focus like a link and opens the site with Enter too.
    QCOMPARE(name->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(parts.sites.size(), 2);
    QCOMPARE(window->lName(), text("Name"));
    QCOMPARE(window->lURL(), text("http://x/a.m3u"));
    window->close();
}

void TestScanWindow::pauseThenClose()
{
    TestServer server;
    QVERIFY(server.start());
    server.setReply(ScriptedReply::page("1@@@@@@@@Name@@@@http://x/a.m3u@@@@MP3@@@@A@@@@B@@@@1<HTML>"));
    Parts parts;
    QPointer<ScanWindow> window = makeWindow(parts, server.hostPort());
    QSignalSpy closed(window.data(), &ScanWindow::closed);
    window->pickPlayer(1);
    QTRY_COMPARE(window->step().phase(), ScanStep::Phase::Playing);
    auto* pause = window->findChild<QPushButton*>(text("cmdPause"));
    window->pauseOrResume();
    QCOMPARE(pause->text(), text("&Resume"));
    parts.tick.tick();
    QCOMPARE(window->step().idleSeconds(), 0);
    window->close();
    QCOMPARE(closed.size(), 1);
    const QString data = m_dir.filePath(text("data"));
    QFile term(MarkerFiles::path(data, MarkerFiles::kTerminate));
    QVERIFY(term.open(QIODevice::ReadOnly));
    QCOMPARE(term.readAll(), QByteArray("TERMINATE\r\n"));
    QTRY_VERIFY(window.isNull());
    // The tick runs on for everyone else after a held scan closed.
    parts.tick.tick();
    QCOMPARE(server.targets().size(), 1);
}

void TestScanWindow::presetDialogListAndAssignments()
{
    MemorySettingsBacking backing;
    Settings settings(backing);
    PresetTable presets;
    ScriptedDialogs dialogs;
    QList<int> assigned;
    presets.assign(1, text("Taken"), text("http://t/a.rm"), settings);
    ScanPresetDialog dialog(presets, settings, dialogs, text("Drag And Drop FM"), text("http://s/a.asx"),
                            [&](int index) { assigned.append(index); });
    auto* list = dialog.findChild<QComboBox*>(text("comboP"));
    QCOMPARE(list->count(), 10);
    QCOMPARE(list->itemText(0), text("1 ] Unassigned"));
    QCOMPARE(list->itemText(1), text("2 ] Taken"));
    QCOMPARE(list->itemText(9), text("10 ] Unassigned"));
    QCOMPARE(list->currentIndex(), 0);
    dialog.assignShown();
    QCOMPARE(presets[0].Name, text("Drag And Drop FM"));
    QCOMPARE(settings.preset(0, QString()), text("Drag And Drop FM") + QChar(0xFF) + text("http://s/a.asx"));
    QCOMPARE(dialogs.messages.last().text, text("Preset 1 Assigned to Drag And Drop FM"));
    // A name holding "drag and drop" is still an assigned preset.
    QCOMPARE(list->itemText(0), text("1 ] Drag And Drop FM"));
    QCOMPARE(list->currentIndex(), 2);
    // A taken preset is overwritten only after the question.
    list->setCurrentIndex(1);
    dialogs.answers.enqueue(MessageAnswer::No);
    dialog.assignShown();
    QCOMPARE(presets[1].Name, text("Taken"));
    QCOMPARE(dialogs.messages.last().text, text("Station currently assigned to Preset 2, Reassign ?"));
    list->setCurrentIndex(9);
    dialog.assignShown();
    QCOMPARE(presets[9].Link, text("http://s/a.asx"));
    QCOMPARE(assigned, (QList<int>{0, 9}));
    for (int i = 0; i < PresetTable::kCount; ++i) {
        if (presets.isEmpty(i))
            presets.assign(i, text("S"), text("http://s/x.rm"), settings);
    }
    dialog.fillPresetList();
    QCOMPARE(list->currentIndex(), 0);
}

void TestScanWindow::closeWaitsForPresetDialog()
{
    TestServer server;
    QVERIFY(server.start());
    server.setReply(ScriptedReply::page("1@@@@@@@@Name@@@@http://x/a.m3u@@@@MP3@@@@A@@@@B@@@@1<HTML>"));
    Parts parts;
    QPointer<ScanWindow> window = makeWindow(parts, server.hostPort());
    QSignalSpy closed(window.data(), &ScanWindow::closed);
    window->pickPlayer(0);
    QTRY_COMPARE(window->step().phase(), ScanStep::Phase::Playing);
    window->openPresets();
    QVERIFY(window->isPresetDialogOpen());
    auto* dialog = window->findChild<ScanPresetDialog*>();
    window->close();
    QVERIFY(window->step().isStopped());
    QCOMPARE(closed.size(), 0);
    dialog->reject();
    QTRY_COMPARE(closed.size(), 1);
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestScanWindow)
#include "tst_scanwindow.moc"
