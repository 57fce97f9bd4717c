#pragma once

#include "playback/Players.h"

#include <QString>
#include <QStringList>

class DefaultApps;
class Dialogs;

// Finds the installed players from the desktop's file-type associations and keeps what it
// found in the settings, so a player is looked for only while its key is empty.
class PlayerDiscovery
{
public:
    explicit PlayerDiscovery(DefaultApps& apps) : m_apps(apps) {}

    // The player command registered for a document type: s is a file-name ending such as
    // ".ram", or, when skip is true, a type name such as "Winamp.file". Empty when none.
    QString getShellCommand(const QString& s, bool skip);
    // The MIME types that stand for a document type, in the order they are tried.
    QStringList mimeTypesFor(const QString& s, bool skip);
    // For each player whose key is empty (Winamp, RealPlayer, Windows Media Player, StreamWorks
    // in that order) looks the player up and writes the result back, empty or not. Players
    // whose key holds a path take that path unchecked.
    void discoverPlayers(PlayerPaths& paths);

    // Cuts an open command down to what starts the player. A command naming an ".exe" keeps
    // the text up to it without leading blanks and quotes; any other command is a desktop
    // command line: its field codes go and its program is found on PATH. Empty when the
    // command is too short or its program cannot be found.
    static QString commandFromOpenCommand(const QString& openCommand);
    // The two boxes that tell the user players are missing and how to set them up.
    static void showMissingPlayersWarning(Dialogs& dialogs);

private:
    QStringList extensionTypes(const QString& extension);

    DefaultApps& m_apps;
};
