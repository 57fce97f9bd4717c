#include "companion/ModuleOptions.h"

#include "core/ProductInfo.h"
#include "core/Settings.h"
#include "platform/AppPaths.h"
#include "platform/IniSettingsBacking.h"

namespace {
int millisecondsFromEnvironment(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}

qint64 programPidFromEnvironment()
{
    bool ok = false;
    const qint64 pid = qEnvironmentVariable("SKYLARK_PROGRAM_PID").trimmed().toLongLong(&ok);
    // Zero and negative values would name process groups, not the program.
    return ok && pid > 0 ? pid : 0;
}
} // namespace

ModuleOptions ModuleOptions::load(Player player, const QString& link)
{
    IniSettingsBacking backing(AppPaths::settingsFile(kProductName));
    const Settings settings(backing);
    const PlayerInfo& info = playerInfo(player);

    ModuleOptions options;
    options.markerFolder = AppPaths::dataDir(kProductName);
    options.storedPlayer = settings.text(info.key);
    options.missingText = QString::fromLatin1(info.missing);
    options.link = link;
    options.playDelayMs = millisecondsFromEnvironment("SKYLARK_COMPANION_PLAY_DELAY_MS", options.playDelayMs);
    options.killGraceMs = millisecondsFromEnvironment("SKYLARK_COMPANION_KILL_GRACE_MS", options.killGraceMs);
    options.programPid = programPidFromEnvironment();
    return options;
}
