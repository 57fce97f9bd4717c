#include "ui/Program.h"

#include "browser/WebWindow.h"
#include "browser/WindowGeometry.h"
#include "core/ProductInfo.h"
#include "playback/PlayDispatch.h"
#include "playback/PlayerDiscovery.h"
#include "platform/AppPaths.h"
#include "scanner/MarkerFiles.h"
#include "scanner/TerminateWatch.h"
#include "search/HttpProxy.h"
#include "search/SearchRun.h"
#include "ui/MainCommands.h"
#include "ui/BookmarksWindow.h"
#include "ui/MainWindow.h"
#include "ui/PresetStrip.h"
#include "ui/ScanPresetDialog.h"
#include "ui/ScanWindow.h"
#include "ui/SetupDialog.h"
#include "ui/SplashWindow.h"

Program::Program(Context context)
    : m_dataFolder(std::move(context.dataFolder)), m_dataFolderWritable(context.dataFolderWritable),
      m_services(context.services), m_defaultApps(context.defaultApps), m_backing(context.settingsFile),
      m_settings(m_backing), m_players(m_settings), m_opener(m_services)
{
    m_http.setObjectName(QStringLiteral("HTTP1"));
    // Searches and StreamWorks descriptions go through the user's proxy; the start-up host
    // lookup goes direct.
    const auto proxy = [this] { return HttpProxy::fromSettings(m_settings); };
    m_http.setProxySource(proxy);
    m_streamHttp.setProxySource(proxy);
    m_scanHttp.setProxySource(proxy);

    m_main = std::make_unique<MainWindow>(m_model, m_presets);
    m_setup = new SetupDialog(
        m_players, m_settings, m_services,
        [this](const QString& address) { m_opener.openWithShell(address); }, m_main.get());
    m_main->setSetupDialog(*m_setup);
    m_search = new SearchRun(m_http, m_tick, m_settings, m_services.dialogs, m_services.pointer, m_model,
                             *m_main, this);
    m_play = new PlayDispatch(m_services, m_players, m_streamHttp, m_tick, *m_main, this);
    m_commands = new MainCommands(
        {*m_main, *m_setup, *m_search, *m_play, m_presets, m_model, m_settings, m_opener, m_services}, this);
    startTimers();
    m_terminateWatch = new TerminateWatch(m_dataFolder, m_tick, this);
    m_splash = std::make_unique<SplashWindow>();
    m_startup = new Startup(*this, m_settings, m_services.dialogs, m_lookupHttp, m_tick, m_dataFolder, this);
    wireWindow();
}

Program::~Program()
{
    delete m_scan;
    m_bookmarks.reset();
    m_web.reset();
    // The parts that refer to the window, the clients and the model go before them.
    delete m_commands;
    delete m_startup;
    delete m_play;
    delete m_search;
    delete m_terminateWatch;
}

void Program::startTimers()
{
    // The one-second tick runs from start to end; the elapsed-time count only while a search
    // waits, each second from the moment its request went out.
    m_tickTimer.setInterval(1000);
    connect(&m_tickTimer, &QTimer::timeout, &m_tick, &Tick::tick);
    m_tickTimer.start();
    m_elapsedTimer.setInterval(1000);
    connect(&m_elapsedTimer, &QTimer::timeout, m_search, &SearchRun::elapsedTick);
    connect(m_search, &SearchRun::elapsedRunningChanged, this, [this](bool running) {
        if (running)
            m_elapsedTimer.start();
        else
            m_elapsedTimer.stop();
    });
}

void Program::wireWindow()
{
    m_main->installCommands(m_commands->table());
    m_commands->setShutDown([this] { shutDown(); });
    m_commands->setPreview([this](const QString& site) { previewSite(site); });
    m_commands->setBookmarks([this]() -> BookmarksWindow& { return bookmarks(); });
    m_commands->setScanStarter([this] { startScan(); });
    connect(m_startup, &Startup::hostFound, m_search, &SearchRun::setQueryHost);
    connect(m_startup, &Startup::failed, this, [this] { Q_EMIT finished(0); });
    connect(m_splash.get(), &SplashWindow::countdownFinished, m_startup, &Startup::splashTimedOut);
    // Queued: start-up goes on after the splash has finished closing.
    connect(m_splash.get(), &SplashWindow::dismissed, m_startup, &Startup::splashDismissed,
            Qt::QueuedConnection);
    // The next step runs once the dialog has finished hiding, not inside its hide: a prompt
    // shown from there would leave no window on screen.
    connect(
        m_setup, &SetupDialog::hidden, this,
        [this] {
            if (!m_prompting)
                return;
            m_prompting = false;
            m_startup->setupClosed();
        },
        Qt::QueuedConnection);
}

void Program::start()
{
    if (!m_dataFolderWritable) {
        m_services.dialogs.message(
            MessageIcon::Critical, kAppTitle,
            tr("Skylark! Broadcast cannot write to its data folder %1. Searching and playing still work; "
               "station scans and bookmarks need that folder.")
                .arg(m_dataFolder));
    }
    m_startup->run();
}

void Program::restoreSettings()
{
    PlayerDiscovery(m_defaultApps).discoverPlayers(m_players);
    m_presets.load(m_settings);
    m_main->restoreSettings(m_settings);
    m_setup->restoreFormatStates(m_settings);
    m_commands->restoreSettings();
    m_search->showModeHeaders();
}

void Program::showSplash()
{
    m_splash->show();
    m_splash->startCountdown();
}

void Program::copySplashPicture()
{
    m_commands->setSplashPicture(m_splash->picture());
}

void Program::closeSplash()
{
    m_splash->close();
}

void Program::setCaption(const QString& caption)
{
    m_main->setWindowTitle(caption);
}

void Program::showConnectionSetup()
{
    m_setup->selectTab(SetupDialog::SpeedTab);
    m_setup->prepareConnectionPrompt();
    m_prompting = true;
    m_setup->showModal();
}

void Program::showMainWindow()
{
    m_main->show();
    m_main->raise();
    m_main->activateWindow();
}

void Program::previewSite(const QString& site)
{
    if (!m_web) {
        m_web = std::make_unique<WebWindow>(
            m_settings, m_services, [this](const QString& address) { m_opener.openWithShell(address); },
            m_main.get());
        m_web->setWindowFlag(Qt::Window);
        connect(m_web.get(), &WebWindow::closed, m_commands, &MainCommands::previewClosed);
    }
    m_web->showSite(site, *m_main);
}

BookmarksWindow& Program::bookmarks()
{
    if (!m_bookmarks) {
        m_bookmarks = std::make_unique<BookmarksWindow>(
            m_dataFolder, m_services,
            [this](const QString& link, const QString& name) {
                m_play->launchURL(link, name, PlayDispatch::kNoPreset);
            },
            m_main.get());
        m_bookmarks->setWindowFlag(Qt::Window);
    }
    return *m_bookmarks;
}

void Program::startScan()
{
    const auto closeOpenScan = [this] {
        if (m_scan)
            m_scan->close();
    };
    if (!ScanWindow::canScan(m_services.dialogs, m_players[Player::RealPlayer],
                             m_players[Player::MediaPlayer], AppPaths::companionDir(), closeOpenScan))
        return;
    m_commands->setScanActive(true);
    m_terminateWatch->setSuspended(true);
    auto* scan = new ScanWindow(
        {m_settings, m_presets, m_services, m_modules, m_scanHttp, m_tick, m_dataFolder,
         AppPaths::companionDir(), m_search->queryHost(), m_main.get(),
         [this](const QString& site) { m_opener.openWithShell(site); },
         [this](int index) { m_main->presetStrip().setStation(index, m_presets[index].Name); }},
        m_main.get());
    m_scan = scan;
    connect(scan, &ScanWindow::closed, this, [this, scan] { scanClosed(scan); });
    WindowGeometry::centre(*scan);
    scan->show();
}

void Program::scanClosed(const ScanWindow* window)
{
    // A window replaced by a newer one does not end the newer one's scan.
    if (m_scan && m_scan != window)
        return;
    m_commands->setScanActive(false);
    m_terminateWatch->setSuspended(false);
}

void Program::shutDown()
{
    if (m_ended)
        return;
    m_ended = true;
    MarkerFiles::writeTerminate(m_dataFolder);
    m_commands->closeWindows();
    if (m_scan)
        m_scan->close();
    m_modules.endAll();
    if (m_bookmarks)
        m_bookmarks->close();
    // The mini-browser stores its place when it closes.
    if (m_web && m_web->isVisible())
        m_web->close();
    m_search->stopSearch();
    m_play->cancel();
    m_main->saveState(m_settings);
    m_setup->storeFormatStates(m_settings);
    m_presets.store(m_settings);
    if (!m_backing.sync()) {
        m_services.dialogs.message(
            MessageIcon::Critical, kAppTitle,
            tr("Your settings could not be saved to %1. Check that the folder exists and can be written.")
                    .arg(m_backing.filePath()) +
                (m_backing.saveError().isEmpty() ? QString()
                                                 : QStringLiteral("\n\n") + m_backing.saveError()));
    }
    m_tickTimer.stop();
    m_elapsedTimer.stop();
    m_main->end();
    Q_EMIT finished(0);
}

ScanWindow* Program::scanWindow() const
{
    return m_scan;
}
