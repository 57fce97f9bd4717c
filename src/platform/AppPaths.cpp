#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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
QString settingsFile(const QString& appName)
{
    return xdgHome("XDG_CONFIG_HOME", QStringLiteral("/.config")) + QLatin1Char('/') + appName +
           QLatin1Char('/') + appName + QStringLiteral(".ini");
}

QString dataDir(const QString& appName)
{
    return xdgHome("XDG_DATA_HOME", QStringLiteral("/.local/share")) + QLatin1Char('/') + appName;
}

QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

QString companionDir()
{
    return companionDir(programDir());
}

QString companionDir(const QString& programFolder)
{
    // One companion stands for both: the scanner reports the pair missing together.
    const auto holdsCompanion = [](const QString& folder) {
        return QFileInfo(folder + QStringLiteral("/projModr")).isFile();
    };
    if (holdsCompanion(programFolder))
        return programFolder;
    const QString installed =
        QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(SKYLARK_COMPANION_DIR));
    return holdsCompanion(installed) ? installed : programFolder;
}
} // namespace AppPaths
