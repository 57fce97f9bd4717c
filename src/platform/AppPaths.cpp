#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString xdgHome(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    // The XDG rules ignore relative paths.
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + fallback;
}
} // namespace

namespace AppPaths {
QString settingsFile()
{
    return xdgHome("XDG_CONFIG_HOME", QStringLiteral("/.config")) + QLatin1Char('/') + kAppName +
           QLatin1Char('/') + kAppName + QStringLiteral(".ini");
}

QString dataDir()
{
    const QString dir =
        xdgHome("XDG_DATA_HOME", QStringLiteral("/.local/share")) + QLatin1Char('/') + kAppName;
    QDir().mkpath(dir);
    return dir;
}

QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

QString dataFile(const QString& name)
{
    return dataDir() + QLatin1Char('/') + name;
}
} // namespace AppPaths
