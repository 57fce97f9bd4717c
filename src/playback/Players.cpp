#include "playback/Players.h"

namespace {
// Indexed by Player.
const std::array<PlayerInfo, 4> kPlayers{{
    {Player::RealPlayer, Settings::Key::Real, 1, "Launching RealPlayer", "Unable to locate RealPlayer."},
    {Player::MediaPlayer, Settings::Key::Netshow, 3, "Launching Microsoft Media Player",
     "Unable to locate Microsoft Media Player."},
    {Player::Winamp, Settings::Key::Winamp, 2, "Launching WinAMP", "Unable to locate WinAmp."},
    {Player::StreamWorks, Settings::Key::StreamWorks, 4, "Launching StreamWorks Player",
     "Unable to locate StreamWorks Player."},
}};
} // namespace

const PlayerInfo& playerInfo(Player player)
{
    return kPlayers.at(static_cast<std::size_t>(player));
}

const std::array<PlayerInfo, 4>& allPlayers()
{
    return kPlayers;
}

QString PlayerPaths::stored(Player player) const
{
    return m_settings.text(playerInfo(player).key);
}

void PlayerPaths::set(Player player, const QString& path)
{
    use(player, path);
    m_settings.setText(playerInfo(player).key, path);
    m_settings.sync();
}
