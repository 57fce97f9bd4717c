#include "core/Settings.h"
#include "core/Tick.h"
#include "scanner/MarkerFiles.h"
#include "search/HttpClient.h"
#include "ui/Startup.h"

#include "Recorders.h"
#include "TestServer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
class RecordingStartupView : public StartupView
{
public:
    void restoreSettings() override { steps << QStringLiteral("settings"); }
    void showSplash() override { steps << QStringLiteral("splash"); }
    void copySplashPicture() override { steps << QStringLiteral("picture"); }
    void closeSplash() override { steps << QStringLiteral("close splash"); }
    void setCaption(const QString& caption) override { steps << QStringLiteral("caption ") + caption; }
    void showConnectionSetup() override { steps << QStringLiteral("setup"); }
    void showMainWindow() override { steps << QStringLiteral("main"); }
    QStringList steps;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void unreachableServiceEndsProgram();

private:
    void startAgainst(const QByteArray& answer);

    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<QTemporaryDir> m_dir;
    MemorySettingsBacking m_backing;
    std::unique_ptr<Settings> m_settings;
    Tick m_tick;
    ScriptedDialogs m_dialogs;
    RecordingStartupView m_view;
    HttpClient m_client;
    std::unique_ptr<Startup> m_startup;
    std::unique_ptr<QSignalSpy> m_host;
};

void TestStartup::init()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY(m_server->start());
    m_dir = std::make_unique<QTemporaryDir>();
    m_backing.values.clear();
    m_backing.values.insert(QStringLiteral("ServiceHost"), m_server->hostPort());
    m_settings = std::make_unique<Settings>(m_backing);
    m_dialogs.messages.clear();
    m_view.steps.clear();
    m_startup = std::make_unique<Startup>(m_view, *m_settings, m_dialogs, m_client, m_tick, m_dir->path());
    m_host = std::make_unique<QSignalSpy>(m_startup.get(), &Startup::hostFound);
}

void TestStartup::startAgainst(const QByteArray& answer)
{
    m_server->setReply(ScriptedReply::page(answer));
    m_startup->run();
    QCOMPARE(m_view.steps, (QStringList{QStringLiteral("settings"), QStringLiteral("splash")}));
    m_startup->splashTimedOut();
}

void TestStartup::unreachableServiceEndsProgram()
{
    QSignalSpy failed(m_startup.get(), &Startup::failed);
    startAgainst("<HTML>maintenance</HTML>");
    QVERIFY(failed.wait(5000));
    QCOMPARE(m_dialogs.texts(),
             QStringList{QStringLiteral("Unable to contact server, please try back later.")});
    QCOMPARE(m_dialogs.messages.at(0).icon, MessageIcon::Critical);
    QVERIFY(!m_view.steps.contains(QStringLiteral("main")));
    QVERIFY(!MarkerFiles::exists(m_dir->path(), MarkerFiles::kTerminate));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
