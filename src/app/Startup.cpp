#include "app/Startup.h"

#include "app/AppState.h"
#include "app/Branding.h"
#include "app/ServerLookup.h"
#include "app/Settings.h"
#include "platform/SystemServices.h"
#include "scanner/MarkerFiles.h"

Startup::Startup(StartupView& view, Settings& settings, AppState& state, Dialogs& dialogs,
                 HttpClient& lookupClient, QString dataFolder, QObject* parent)
    : QObject(parent), m_view(view), m_settings(settings), m_state(state), m_dialogs(dialogs),
      m_lookup(new ServerLookup(lookupClient, state, this)), m_dataFolder(std::move(dataFolder))
{
    connect(m_lookup, &ServerLookup::finished, this, &Startup::onHostFound);
}

Startup::~Startup() = default;

void Startup::run()
{
    m_view.restoreSettings();
    m_view.showSplash();
}

void Startup::splashTimedOut()
{
    m_view.copySplashPicture();
    m_lookup->start(m_settings.text(Settings::Key::ServiceHost));
}

void Startup::onHostFound(const QString& host)
{
    m_state.QueryHost = host;
    if (host.isEmpty()) {
        m_dialogs.message(MessageIcon::Critical, kShortTitle,
                          QStringLiteral("Unable to contact server, please try back later."));
        m_view.closeSplash();
        Q_EMIT failed();
        return;
    }
    m_view.closeSplash();
    m_view.setCaption(kCaption);
    MarkerFiles::writeTerminate(m_dataFolder);
    m_state.ConSpeed = m_settings.text(Settings::Key::ConSpeed, QString());
    setupClosed();
}

void Startup::setupClosed()
{
    if (m_state.ConSpeed.isEmpty()) {
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
        QStringLiteral(
            "Please select your connection type so that you may receive the best content for your speed."));
    m_view.showConnectionSetup();
}
