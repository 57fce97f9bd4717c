#pragma once

#include <QString>

// Where the program keeps its files on this desktop.
namespace AppPaths {
inline const QString kAppName = QStringLiteral("Skylark! Broadcast");
// $XDG_CONFIG_HOME/Skylark! Broadcast/Skylark! Broadcast.ini
QString settingsFile();
// $XDG_DATA_HOME/Skylark! Broadcast/, for every file the program writes; created on demand.
QString dataDir();
// The folder of the running executable, where the companion programs lie.
QString programDir();
// A file in the data folder.
QString dataFile(const QString& name);
} // namespace AppPaths
