#pragma once

#include <QString>

#include <array>

// The four external players and where each one's program is.
enum class Player
{
    RealPlayer,
    MediaPlayer,
    Winamp,
    StreamWorks
};

struct PlayerPaths
{
    std::array<QString, 4> paths;

    QString& operator[](Player player) { return paths.at(static_cast<std::size_t>(player)); }
    const QString& operator[](Player player) const { return paths.at(static_cast<std::size_t>(player)); }
};
