#pragma once

#include "playback/Players.h"

#include <QString>

// What one run of a companion module needs: where the markers are, which player to start for
// which link, and its timings.
struct ModuleOptions
{
    QString markerFolder;
    // The player's settings value: a program path or a command line.
    QString storedPlayer;
    // The status text when no player is stored.
    QString missingText;
    QString link;
    // How long the player must keep running before the link counts as playing.
    int playDelayMs = 2000;
    // How long a player asked to end may take before it is killed.
    int killGraceMs = 3000;
    int pollMs = 250;
    // The program that started the module; 0 when it is not watched.
    qint64 programPid = 0;

    // The options of the module for player, from the program's settings file, its data folder
    // and the environment (SKYLARK_PROGRAM_PID, SKYLARK_COMPANION_PLAY_DELAY_MS,
    // SKYLARK_COMPANION_KILL_GRACE_MS).
    static ModuleOptions load(Player player, const QString& link);
};
