#pragma once

#include <QString>

// Where a program named appName keeps its files on this desktop.
namespace AppPaths {
// $XDG_CONFIG_HOME/<appName>/<appName>.ini
QString settingsFile(const QString& appName);
// $XDG_DATA_HOME/<appName>, for every file the program writes. Not created here.
QString dataDir(const QString& appName);
// The folder of the running executable.
QString programDir();
// The folder of the companion programs: the program's own folder when it holds them (a build
// folder), else the installed companion folder relative to it, when that holds them; the
// program's own folder when neither does.
QString companionDir();
QString companionDir(const QString& programFolder);
} // namespace AppPaths
