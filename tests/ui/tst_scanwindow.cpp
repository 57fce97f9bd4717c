#include "Recorders.h"
#include "TestServer.h"
#include "collections/PresetTable.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "platform/UnixProcessControl.h"
#include "scanner/ScanModules.h"
#include "search/HttpClient.h"
#include "ui/ScanPresetDialog.h"
#include "ui/ScanWindow.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestScanWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QDir(m_dir.filePath(u"data"_s)).removeRecursively(); }

    void stationShownAndSiteOpened()
    {
        TestServer server;
        Parts parts;
        ScanWindow* window =
            playing(parts, server, 0,
                    "1@@@@https://site.example/@@@@Name@@@@http://x/a.m3u@@@@MP3@@@@Oslo@@@@NO@@@@128<HTML>");
        QVERIFY(!window->findChild<QComboBox*>(u"comboS"_s)->isEnabled());
        auto* name = window->findChild<QLabel*>(u"lblInfo0"_s);
        QTRY_COMPARE(name->text(), u"Name"_s);
        QCOMPARE(window->findChild<QLabel*>(u"lblInfo2"_s)->text(), u"Oslo, NO"_s);
        QCOMPARE(window->findChild<QLabel*>(u"lblInfo3"_s)->text(), u"128"_s);
        QTest::mouseClick(name, Qt::LeftButton);
        QCOMPARE(parts.sites, QStringList{u"https://site.example/"_s});
        // The name takes the focus like a link and opens the site with Enter too.
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(parts.sites.size(), 2);
        window->close();
    }

    void pauseThenClose()
    {
        TestServer server;
        Parts parts;
        QPointer<ScanWindow> window = playing(parts, server, 1);
        QSignalSpy closed(window.data(), &ScanWindow::closed);
        window->pauseOrResume();
        parts.tick.tick();
        QCOMPARE(window->step().idleSeconds(), 0);
        window->close();
        QCOMPARE(closed.size(), 1);
        QTRY_VERIFY(window.isNull());
        // The tick runs on for everyone else after a held scan closed.
        parts.tick.tick();
        QCOMPARE(server.targets().size(), 1);
    }

    void presetDialogListAndAssignments()
    {
        MemorySettingsBacking backing;
        Settings settings(backing);
        PresetTable presets;
        ScriptedDialogs dialogs;
        QList<int> assigned;
        presets.assign(1, u"Taken"_s, u"http://t/a.rm"_s, settings);
        ScanPresetDialog dialog(presets, settings, dialogs, u"Drag And Drop FM"_s, u"http://s/a.asx"_s,
                                [&](int index) { assigned.append(index); });
        auto* list = dialog.findChild<QComboBox*>(u"comboP"_s);
        QCOMPARE(list->itemText(1), u"2 ] Taken"_s);
        QCOMPARE(list->currentIndex(), 0); // the first free one
        dialog.assignShown();
        QCOMPARE(settings.preset(0, QString()), u"Drag And Drop FM"_s + QChar(0xFF) + u"http://s/a.asx"_s);
        // A name holding "drag and drop" is still an assigned preset.
        QCOMPARE(list->itemText(0), u"1 ] Drag And Drop FM"_s);
        QCOMPARE(list->currentIndex(), 2);
        // A taken preset is overwritten only after the question.
        list->setCurrentIndex(1);
        dialogs.answers.enqueue(MessageAnswer::No);
        dialog.assignShown();
        QCOMPARE(presets[1].Name, u"Taken"_s);
        list->setCurrentIndex(9);
        dialog.assignShown();
        QCOMPARE(presets[9].Link, u"http://s/a.asx"_s);
        QCOMPARE(assigned, (QList<int>{0, 9}));
    }

    void closeWaitsForPresetDialog()
    {
        TestServer server;
        Parts parts;
        QPointer<ScanWindow> window = playing(parts, server, 0);
        QSignalSpy closed(window.data(), &ScanWindow::closed);
        window->openPresets();
        auto* dialog = window->findChild<ScanPresetDialog*>();
        window->close();
        QVERIFY(window->step().isStopped());
        QCOMPARE(closed.size(), 0);
        dialog->reject();
        QTRY_COMPARE(closed.size(), 1);
        QTRY_VERIFY(window.isNull());
    }

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
    };
    ScanWindow* makeWindow(Parts& parts, const QString& host)
    {
        parts.settings.setText(Settings::Key::Real, u"/usr/bin/true"_s);
        parts.settings.setText(Settings::Key::Netshow, u"/usr/bin/true"_s);
        auto* window =
            new ScanWindow(ScanWindow::Context{parts.settings,
                                               parts.presets,
                                               parts.services.services(),
                                               parts.modules,
                                               parts.client,
                                               parts.tick,
                                               m_dir.filePath(u"data"_s),
                                               m_dir.filePath(u"modules"_s),
                                               host,
                                               nullptr,
                                               [&parts](const QString& site) { parts.sites.append(site); },
                                               {}});
        window->show();
        return window;
    }

    ScanWindow*
    playing(Parts& parts, TestServer& server, int player,
            const QByteArray& page = "1@@@@@@@@Name@@@@http://x/a.m3u@@@@MP3@@@@A@@@@B@@@@1<HTML>")
    {
        if (!server.start())
            qFatal("no test server");
        server.setReply(ScriptedReply::page(page));
        ScanWindow* window = makeWindow(parts, server.hostPort());
        window->pickPlayer(player);
        if (!QTest::qWaitFor([window] { return window->step().phase() == ScanStep::Phase::Playing; }))
            qFatal("the scan did not reach its first station");
        return window;
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestScanWindow)
#include "tst_scanwindow.moc"
