#pragma once

#include <QString>

// Where a program named appName keeps its files on this desktop.
namespace AppPaths {
// $XDG_CONFIG_HOME/<appName>/<appName>.ini
QString settingsFile(const QString& appName);
// $XDG_DATA_HOME/<appName>, for every file the program writes. Not created here.
QString dataDir(const QString& appName);
// The folder of the running executable, where the companion programs lie.
QString programDir();
} // namespace AppPaths
