#include "app/Program.h"

#include "app/MainWindow.h"
#include "app/SetupDialog.h"
#include "platform/AppPaths.h"
#include "search/HttpClient.h"
#include "windows/SplashWindow.h"

Program::Program() : m_backing(AppPaths::settingsFile()), m_settings(m_backing)
{
    const QString dataFolder = AppPaths::dataDir();
    m_main = std::make_unique<MainWindow>(
        MainWindowContext{m_settings, m_state, m_desktop.services(), m_defaultApps, dataFolder});
    m_splash = std::make_unique<SplashWindow>();
    // The search host lookup has an HTTP client of its own, without the user's proxy.
    m_lookupClient = new HttpClient(nullptr, this);
    m_startup = new Startup(*this, m_settings, m_state, m_desktop.services().dialogs, *m_lookupClient,
                            dataFolder, this);
    connect(m_startup, &Startup::failed, this, [this] { Q_EMIT finished(0); });
    connect(m_main.get(), &MainWindow::ended, this, [this] { Q_EMIT finished(0); });
    connect(m_splash.get(), &SplashWindow::countdownFinished, m_startup, &Startup::splashTimedOut);
    connect(&m_main->setupDialog(), &SetupDialog::hidden, this, [this] {
        if (!m_prompting)
            return;
        m_prompting = false;
        m_startup->setupClosed();
    });
}

Program::~Program() = default;

void Program::start()
{
    m_startup->run();
}

void Program::restoreSettings()
{
    m_main->GetSettings();
}

void Program::showSplash()
{
    m_splash->show();
    m_splash->startCountdown();
}

void Program::copySplashPicture()
{
    m_main->setSplashPicture(m_splash->picture());
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
    SetupDialog& setup = m_main->setupDialog();
    setup.selectTab(SetupDialog::SpeedTab);
    setup.prepareConnectionPrompt();
    m_prompting = true;
    setup.showModal();
}

void Program::showMainWindow()
{
    m_main->show();
    m_main->raise();
    m_main->activateWindow();
}
