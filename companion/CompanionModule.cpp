#include "CompanionModule.h"

#include <utility>

#include <QDir>

#include "core/LinkSafety.h"
#include "playback/PlayerCommand.h"
#include "scanner/MarkerFiles.h"
#include "ModuleMarkers.h"
#include "ProcessProbe.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
const QString kStarting = QStringLiteral("Starting player...");
const QString kPlaying = QStringLiteral("Playing");
const QString kEnded = QStringLiteral("Player ended");
const QString kNotStarted = QStringLiteral("Player could not be started");
const QString kNoLink = QStringLiteral("No stream address was given.");
} // namespace

CompanionModule::CompanionModule(ModuleOptions options, QObject* parent)
    : QObject(parent), m_options(std::move(options))
{
    m_poll.setInterval(m_options.pollMs);
    m_playDelay.setSingleShot(true);
    m_playDelay.setInterval(m_options.playDelayMs);
    m_programWatch.setInterval(1000);
    m_killDelay.setSingleShot(true);
    m_killDelay.setInterval(m_options.killGraceMs);
    connect(&m_poll, &QTimer::timeout, this, &CompanionModule::poll);
    connect(&m_playDelay, &QTimer::timeout, this, &CompanionModule::markPlaying);
    connect(&m_programWatch, &QTimer::timeout, this, &CompanionModule::checkProgram);
    connect(&m_killDelay, &QTimer::timeout, this, [this] { signalPlayer(SIGKILL); });
    connect(&m_player, &QProcess::finished, this, &CompanionModule::playerEnded);
}

CompanionModule::~CompanionModule()
{
    if (m_player.state() != QProcess::NotRunning) {
        signalPlayer(SIGKILL);
        m_player.waitForFinished(m_options.killGraceMs);
    }
}

void CompanionModule::start()
{
    // A stop signal may come before the start runs.
    if (m_stopping || m_finished)
        return;
    QDir().mkpath(m_options.markerFolder);
    if (MarkerFiles::exists(m_options.markerFolder, MarkerFiles::kTerminate))
        return endWithoutPlayer({});
    if (m_options.link.isEmpty())
        return endWithoutPlayer(kNoLink);
    const QString refusal = LinkSafety::refusal(m_options.link);
    if (!refusal.isEmpty())
        return endWithoutPlayer(refusal);
    if (m_options.storedPlayer.trimmed().isEmpty())
        return endWithoutPlayer(m_options.missingText);
    if (!launchPlayer())
        return endWithoutPlayer(kNotStarted);
    m_poll.start();
    m_playDelay.start();
    if (m_options.programPid > 0)
        m_programWatch.start();
}

bool CompanionModule::launchPlayer()
{
    const std::optional<PlayerCommand> command =
        PlayerCommand::forLink(m_options.storedPlayer, m_options.link);
    if (!command)
        return false;
    ModuleMarkers::writeStatus(m_options.markerFolder, kStarting);
    m_player.setProgram(command->program);
    m_player.setArguments(command->arguments);
    m_player.setStandardInputFile(QProcess::nullDevice());
    // Unread pipes would stall a talkative player.
    m_player.setProcessChannelMode(QProcess::ForwardedChannels);
    m_player.setChildProcessModifier([] {
        // Its own process group, so that helpers the player starts end with it; and ended by
        // the kernel should this module be killed outright.
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    m_player.start();
    return m_player.waitForStarted();
}

void CompanionModule::poll()
{
    if (MarkerFiles::exists(m_options.markerFolder, MarkerFiles::kTerminate))
        stop();
}

void CompanionModule::checkProgram()
{
    if (!ProcessProbe::isRunning(m_options.programPid))
        stop();
}

void CompanionModule::markPlaying()
{
    if (m_stopping || m_player.state() != QProcess::Running)
        return;
    ModuleMarkers::writeStatus(m_options.markerFolder, kPlaying);
    ModuleMarkers::touch(m_options.markerFolder, MarkerFiles::kPlay);
}

void CompanionModule::stop()
{
    if (m_stopping || m_finished)
        return;
    m_stopping = true;
    m_poll.stop();
    m_playDelay.stop();
    m_programWatch.stop();
    if (m_player.state() == QProcess::NotRunning)
        return endWithoutPlayer({});
    signalPlayer(SIGTERM);
    m_killDelay.start();
}

void CompanionModule::playerEnded()
{
    m_poll.stop();
    m_playDelay.stop();
    m_programWatch.stop();
    m_killDelay.stop();
    if (!m_stopping)
        ModuleMarkers::writeStatus(m_options.markerFolder, kEnded);
    finish(kPlayed);
}

void CompanionModule::endWithoutPlayer(const QString& status)
{
    if (!status.isEmpty())
        ModuleMarkers::writeStatus(m_options.markerFolder, status);
    finish(kNotPlayed);
}

void CompanionModule::finish(int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    ModuleMarkers::touch(m_options.markerFolder, MarkerFiles::kDone);
    Q_EMIT finished(exitCode);
}

void CompanionModule::signalPlayer(int signalNumber)
{
    const auto pid = static_cast<pid_t>(m_player.processId());
    if (pid <= 0)
        return;
    // The group shares the player's id while the player is not yet collected.
    if (::kill(-pid, signalNumber) != 0)
        ::kill(pid, signalNumber);
}
