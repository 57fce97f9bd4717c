#include "ui/Startup.h"

#include "core/ProductInfo.h"
#include "core/Settings.h"
#include "platform/SystemServices.h"
#include "scanner/MarkerFiles.h"
#include "search/ServerLookup.h"

Startup::Startup(StartupView& view, const Settings& settings, Dialogs& dialogs, HttpClient& lookupClient,
                 Tick& tick, QString dataFolder, QObject* parent)
    : QObject(parent), m_view(view), m_settings(settings), m_dialogs(dialogs),
      m_lookup(new ServerLookup(lookupClient, tick, this)), m_dataFolder(std::move(dataFolder))
{
    connect(m_lookup, &ServerLookup::finished, this, &Startup::onHostFound);
}

Startup::~Startup() = default;

void Startup::run()
{
    m_view.restoreSettings();
    m_phase = Phase::Splash;
    m_view.showSplash();
}

void Startup::splashTimedOut()
{
    if (m_phase != Phase::Splash)
        return;
    m_phase = Phase::LookingUp;
    m_view.copySplashPicture();
    m_lookup->start(m_settings.text(Settings::Key::ServiceHost));
}

void Startup::splashDismissed()
{
    if (m_phase == Phase::LookingUp) {
        m_lookup->giveUp();
    } else if (m_phase == Phase::Splash) {
        m_view.copySplashPicture();
        onHostFound(m_settings.text(Settings::Key::ServiceHost));
    }
}

void Startup::onHostFound(const QString& host)
{
    m_phase = Phase::Done;
    if (host.isEmpty()) {
        m_dialogs.message(MessageIcon::Critical, kShortTitle,
                          tr("Unable to contact server, please try back later."));
        m_view.closeSplash();
        Q_EMIT failed();
        return;
    }
    Q_EMIT hostFound(host);
    m_view.closeSplash();
    m_view.setCaption(kCaption);
    MarkerFiles::writeTerminate(m_dataFolder);
    setupClosed();
}

void Startup::setupClosed()
{
    // The setup dialog stores the connection type as soon as one is chosen.
    if (m_settings.text(Settings::Key::ConSpeed, QString()).isEmpty()) {
        promptForConnection();
        return;
    }
    m_view.showMainWindow();
    Q_EMIT ready();
}

void Startup::promptForConnection()
{
    m_dialogs.message(
        MessageIcon::Critical, kShortTitle,
        tr("Please select your connection type so that you may receive the best content for your speed."));
    m_view.showConnectionSetup();
}
