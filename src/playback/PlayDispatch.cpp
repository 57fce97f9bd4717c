#include "playback/PlayDispatch.h"

#include "app/AppState.h"
#include "playback/PlayView.h"
#include "playback/PlayerCommand.h"
#include "playback/PlayerDiscovery.h"
#include "playback/StreamFormat.h"
#include "search/HttpClient.h"

#include <array>

namespace {
struct LauncherText
{
    const char* started;
    const char* missing;
    int setupTab;
};

// Indexed by Player.
const std::array kLaunchers{
    LauncherText{"Launching RealPlayer", "Unable to locate RealPlayer.", 1},
    LauncherText{"Launching Microsoft Media Player", "Unable to locate Microsoft Media Player.", 3},
    LauncherText{"Launching WinAMP", "Unable to locate WinAmp.", 2},
    LauncherText{"Launching StreamWorks Player", "Unable to locate StreamWorks Player.", 4},
};

const LauncherText& textsFor(Player player)
{
    return kLaunchers.at(static_cast<std::size_t>(player));
}
} // namespace

PlayDispatch::PlayDispatch(AppState& state, SystemServices services, HttpClient& client, PlayView& view,
                           QObject* parent)
    : QObject(parent), m_state(state), m_services(services), m_client(client), m_view(view),
      m_fetch(state, client)
{
    connect(&m_fetch, &StreamWorksFetch::finished, this, &PlayDispatch::onDescription);
}

void PlayDispatch::launchURL(const QString& turl, const QString& tname, int Index)
{
    Q_UNUSED(tname)
    m_services.pointer.setBusy(true);
    if (turl.isEmpty() || turl == QLatin1String("NONE")) {
        if (Index >= 0 && Index <= 9)
            m_view.setPresetPointer(Index, kEmptyPresetPointer);
        m_services.dialogs.message(MessageIcon::Critical, kAppTitle, QStringLiteral("No item selected."));
    } else if (turl.contains(QLatin1Char('.'))) {
        m_view.setStatus(QStringLiteral("Looking for Player.."));
        launch(StreamFormat::PlayerForLink(turl), turl);
    }
    // A StreamWorks fetch keeps the busy pointer until its description has arrived.
    if (!m_fetch.isRunning())
        m_services.pointer.setBusy(false);
}

void PlayDispatch::PlayInRealPlayer(const QString& link)
{
    launch(Player::RealPlayer, link);
}

void PlayDispatch::PlayInMediaPlayer(const QString& link)
{
    launch(Player::MediaPlayer, link);
}

void PlayDispatch::PlayInWinamp(const QString& link)
{
    launch(Player::Winamp, link);
}

void PlayDispatch::PlayInStreamWorks(const QString& link)
{
    launch(Player::StreamWorks, link);
}

void PlayDispatch::launch(Player player, const QString& link)
{
    if (reportMissing(player))
        return;
    if (player == Player::StreamWorks) {
        m_view.setStatus(QStringLiteral("Playing..."));
        doPlayXDM(link); // the status follows when the description has been read
        return;
    }
    if (refuse(link))
        return;
    m_view.setStatus(QStringLiteral("Playing..."));
    startPlayer(player, link);
    m_view.setStatus(QLatin1String(textsFor(player).started));
}

bool PlayDispatch::reportMissing(Player player)
{
    if (!m_state.Players[player].isEmpty())
        return false;
    const LauncherText& texts = textsFor(player);
    m_services.dialogs.message(MessageIcon::Critical, kAppTitle, QLatin1String(texts.missing));
    PlayerDiscovery::showMissingPlayersWarning(m_services.dialogs);
    m_services.pointer.setBusy(false);
    m_view.showSetupOnTab(texts.setupTab);
    return true;
}

bool PlayDispatch::refuse(const QString& link)
{
    const QString reason = PlayerCommand::refusal(link);
    if (reason.isEmpty())
        return false;
    m_services.dialogs.message(MessageIcon::Critical, kAppTitle, reason);
    return true;
}

void PlayDispatch::startPlayer(Player player, const QString& link)
{
    // A player that cannot be started fails silently, as a player that starts and then fails.
    if (const auto command = PlayerCommand::forLink(m_state.Players[player], link))
        m_services.launcher.startDetached(command->program, command->arguments);
}

void PlayDispatch::doPlayXDM(const QString& laddress)
{
    m_services.pointer.setBusy(true);
    applyProxy();
    m_state.StopRequested = false;
    m_state.IdleSeconds = 0;
    m_fetch.start(laddress);
}

void PlayDispatch::applyProxy()
{
    if (m_state.ProxyHost.isEmpty())
        return;
    HttpProxySettings& proxy = m_client.ProxySettings();
    proxy.ProxyHostName = m_state.ProxyHost;
    bool isNumber = false;
    const qint32 port = m_state.ProxyPort.trimmed().toInt(&isNumber);
    if (isNumber)
        proxy.ProxyPortNumber = port;
    proxy.ProxyOn = true;
}

void PlayDispatch::onDescription(const QString& description)
{
    const std::optional<QString> address = StreamWorksFetch::streamAddress(description);
    if (!address || address->isEmpty())
        m_services.dialogs.message(MessageIcon::Critical, kAppTitle, QStringLiteral("Cannot connect.."));
    else if (!refuse(*address))
        startPlayer(Player::StreamWorks, *address);
    m_services.pointer.setBusy(false);
    m_view.setStatus(QLatin1String(textsFor(Player::StreamWorks).started));
}
