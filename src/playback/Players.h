#pragma once

#include "core/Settings.h"

#include <QString>

#include <array>

// The four external players.
enum class Player
{
    RealPlayer,
    MediaPlayer,
    Winamp,
    StreamWorks
};

// What the program knows of each player: the settings key of its program, the setup dialog's
// tab that locates it and what that tab shows, and the texts of its launch.
struct PlayerInfo
{
    Player player;
    Settings::Key key;
    int setupTab;
    const char* launching;
    const char* missing;
    const char* tabCaption;
    // The program file dialog's filter name.
    const char* filterName;
    // The directory's page that links to the player's own download.
    const char* downloadPage;
    const char* description;
    const char* maker;
};

const PlayerInfo& playerInfo(Player player);
// Indexed by Player.
const std::array<PlayerInfo, 4>& allPlayers();
// The players in the order of their setup tabs.
std::array<Player, 4> playersInTabOrder();

// The program's player locations. A location set here is also written to the settings, so
// this is the one place they change.
class PlayerPaths
{
public:
    explicit PlayerPaths(Settings& settings) : m_settings(settings) {}

    const QString& operator[](Player player) const { return m_paths.at(index(player)); }
    // The stored location, empty when none is stored.
    QString stored(Player player) const;
    // Uses path without storing it (a stored location taken as it is).
    void use(Player player, const QString& path) { m_paths.at(index(player)) = path; }
    // Uses path and stores it.
    void set(Player player, const QString& path);

private:
    static std::size_t index(Player player) { return static_cast<std::size_t>(player); }

    Settings& m_settings;
    std::array<QString, 4> m_paths;
};
