#include "playback/PlayDispatch.h"

#include <QCoreApplication>

#include "core/LinkSafety.h"
#include "core/ProductInfo.h"
#include "playback/PlayView.h"
#include "playback/PlayerCommand.h"
#include "playback/PlayerDiscovery.h"
#include "playback/StreamFormat.h"
#include "search/HttpClient.h"

#include <array>

PlayDispatch::PlayDispatch(SystemServices services, const PlayerPaths& players, HttpClient& streamClient,
                           Tick& tick, PlayView& view, QObject* parent)
    : QObject(parent), m_services(services), m_players(players), m_view(view), m_fetch(streamClient, tick),
      m_busy(services.pointer)
{
    connect(&m_fetch, &StreamWorksFetch::finished, this, &PlayDispatch::onDescription);
}

void PlayDispatch::launchURL(const QString& turl, const QString& tname, int Index)
{
    Q_UNUSED(tname)
    m_busy.open();
    if (turl.isEmpty() || turl == QLatin1String("NONE")) {
        if (Index >= 0 && Index <= 9)
            m_view.setPresetPointer(Index, kEmptyPresetPointer);
        m_services.dialogs.message(MessageIcon::Critical, kAppTitle, tr("No item selected."));
    } else if (turl.contains(QLatin1Char('.'))) {
        m_view.setStatus(tr("Looking for Player.."));
        launch(StreamFormat::playerForLink(turl), turl);
    }
    // A StreamWorks fetch keeps the busy pointer until its description has arrived.
    if (!m_fetch.isRunning())
        m_busy.close();
}

void PlayDispatch::cancel()
{
    m_fetch.cancel();
    m_busy.close();
}

void PlayDispatch::playInRealPlayer(const QString& link)
{
    launch(Player::RealPlayer, link);
}

void PlayDispatch::playInMediaPlayer(const QString& link)
{
    launch(Player::MediaPlayer, link);
}

void PlayDispatch::playInWinamp(const QString& link)
{
    launch(Player::Winamp, link);
}

void PlayDispatch::playInStreamWorks(const QString& link)
{
    launch(Player::StreamWorks, link);
}

void PlayDispatch::launch(Player player, const QString& link)
{
    if (reportMissing(player))
        return;
    if (player == Player::StreamWorks) {
        m_view.setStatus(tr("Playing..."));
        doPlayXDM(link); // the status follows when the description has been read
        return;
    }
    if (refuse(link))
        return;
    m_view.setStatus(tr("Playing..."));
    startPlayer(player, link);
    m_view.setStatus(QCoreApplication::translate("Players", playerInfo(player).launching));
}

bool PlayDispatch::reportMissing(Player player)
{
    if (!m_players[player].isEmpty())
        return false;
    const PlayerInfo& info = playerInfo(player);
    m_services.dialogs.message(MessageIcon::Critical, kAppTitle,
                               QCoreApplication::translate("Players", info.missing));
    PlayerDiscovery::showMissingPlayersWarning(m_services.dialogs);
    m_busy.close();
    m_view.showSetupOnTab(info.setupTab);
    return true;
}

bool PlayDispatch::refuse(const QString& link)
{
    const QString reason = LinkSafety::refusal(link);
    if (reason.isEmpty())
        return false;
    m_services.dialogs.message(MessageIcon::Critical, kAppTitle, reason);
    return true;
}

void PlayDispatch::startPlayer(Player player, const QString& link)
{
    // A player that cannot be started fails silently, as a player that starts and then fails.
    if (const auto command = PlayerCommand::forLink(m_players[player], link))
        m_services.launcher.startDetached(command->program, command->arguments);
}

void PlayDispatch::doPlayXDM(const QString& laddress)
{
    m_busy.open();
    m_fetch.start(laddress);
}

void PlayDispatch::onDescription(const QString& description)
{
    const std::optional<QString> address = StreamWorksFetch::streamAddress(description);
    if (!address || address->isEmpty())
        m_services.dialogs.message(MessageIcon::Critical, kAppTitle, tr("Cannot connect.."));
    else if (!refuse(*address))
        startPlayer(Player::StreamWorks, *address);
    m_busy.close();
    m_view.setStatus(QCoreApplication::translate("Players", playerInfo(Player::StreamWorks).launching));
}
