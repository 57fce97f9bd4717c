#include "playback/Players.h"

namespace {
// Indexed by Player.
const std::array<PlayerInfo, 4> kPlayers{{
    {Player::RealPlayer, Settings::Key::Real, 1, QT_TRANSLATE_NOOP("Players", "Launching RealPlayer"),
     QT_TRANSLATE_NOOP("Players", "Unable to locate RealPlayer."), "RealPlayer", "RealAudio Player",
     "/download/realplayer.htm",
     QT_TRANSLATE_NOOP("Players", "RealPlayer plays the RealPlayer audio and video streams (.ra, .ram, .rm, "
                                  ".smil) that many live radio "
                                  "and television stations send over the Internet."),
     QT_TRANSLATE_NOOP("Players",
                       "Made by the publishers of RealPlayer. Download it from the player's own web site.")},
    {Player::MediaPlayer, Settings::Key::Netshow, 3,
     QT_TRANSLATE_NOOP("Players", "Launching Microsoft Media Player"),
     QT_TRANSLATE_NOOP("Players", "Unable to locate Microsoft Media Player."), "Microsoft Media",
     "Windows Media Player", "/download/mediaplayer.htm",
     QT_TRANSLATE_NOOP("Players", "Windows Media Player plays audio and video streams in its own formats "
                                  "(.asf, .asx, .wma, .wmv), used "
                                  "by many stations and archives."),
     QT_TRANSLATE_NOOP(
         "Players",
         "Made by the publishers of Windows Media Player. Download it from the player's own web site.")},
    {Player::Winamp, Settings::Key::Winamp, 2, QT_TRANSLATE_NOOP("Players", "Launching WinAMP"),
     QT_TRANSLATE_NOOP("Players", "Unable to locate WinAmp."), "Winamp", "WinAmp Player",
     "/download/winamp.htm",
     QT_TRANSLATE_NOOP(
         "Players",
         "Winamp plays MP3 streams and the play lists (.pls, .m3u) of MP3 radio stations. Skylark! Broadcast "
         "works with version 2.24 and later."),
     QT_TRANSLATE_NOOP("Players",
                       "Made by the publishers of Winamp. Download it from the player's own web site.")},
    {Player::StreamWorks, Settings::Key::StreamWorks, 4,
     QT_TRANSLATE_NOOP("Players", "Launching StreamWorks Player"),
     QT_TRANSLATE_NOOP("Players", "Unable to locate StreamWorks Player."), "Streamworks",
     "StreamWorks Player", "/download/streamworks.htm",
     QT_TRANSLATE_NOOP(
         "Players",
         "The Xing StreamWorks player plays StreamWorks audio and video (.xdm). Skylark! Broadcast reads the "
         "stream's address from the link and hands it to the player."),
     QT_TRANSLATE_NOOP(
         "Players",
         "Made by the publishers of Xing StreamWorks. Download it from the player's own web site.")},
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

std::array<Player, 4> playersInTabOrder()
{
    std::array<Player, 4> order{};
    for (const PlayerInfo& info : kPlayers)
        order.at(std::size_t(info.setupTab - 1)) = info.player;
    return order;
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
