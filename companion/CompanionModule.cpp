#include "companion/CompanionModule.h"

#include <utility>

#include <QDir>

#include "core/LinkSafety.h"
#include "platform/ProcessTree.h"
#include "playback/PlayerCommand.h"
#include "scanner/MarkerFiles.h"
#include "companion/ProcessProbe.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
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
    connect(&m_killDelay, &QTimer::timeout, this, [this] {
        m_killing = true;
        watchTree();
    });
    m_treeWatch.setInterval(kTreePollMs);
    connect(&m_treeWatch, &QTimer::timeout, this, &CompanionModule::watchTree);
    connect(&m_player, &QProcess::finished, this, &CompanionModule::playerEnded);
}

CompanionModule::~CompanionModule()
{
    for (qint64 pid : ProcessTree::descendants(::getpid()))
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    if (m_player.state() != QProcess::NotRunning)
        m_player.waitForFinished(m_options.killGraceMs);
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
    MarkerFiles::writeStatus(m_options.markerFolder, kStarting);
    m_player.setProgram(command->program);
    m_player.setArguments(command->arguments);
    m_player.setStandardInputFile(QProcess::nullDevice());
    // Unread pipes would stall a talkative player.
    m_player.setProcessChannelMode(QProcess::ForwardedChannels);
    // Orphans below the module come to it rather than to init, so it can end them.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    const pid_t module = ::getpid();
    m_player.setChildProcessModifier([module] {
        // Killed by the kernel should this module be killed outright, whatever the player does
        // with SIGTERM; a module that died before this line leaves no player.
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != module)
            ::_exit(127);
    });
    m_player.start();
    if (!m_player.waitForStarted())
        return false;
    m_playerPid = m_player.processId();
    return true;
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
    MarkerFiles::writeStatus(m_options.markerFolder, kPlaying);
    MarkerFiles::touch(m_options.markerFolder, MarkerFiles::kPlay);
}

void CompanionModule::stop()
{
    if (m_stopping || m_finished)
        return;
    m_stopping = true;
    m_poll.stop();
    m_playDelay.stop();
    m_programWatch.stop();
    if (m_playerPid == 0)
        return endWithoutPlayer({});
    endTree();
}

void CompanionModule::playerEnded()
{
    if (m_stopping)
        return watchTree();
    m_stopping = true;
    m_poll.stop();
    m_playDelay.stop();
    m_programWatch.stop();
    MarkerFiles::writeStatus(m_options.markerFolder, kEnded);
    // A player that handed the stream to a helper and left still ends the station here.
    endTree();
}

void CompanionModule::endTree()
{
    m_killDelay.start();
    m_treeWatch.start();
    watchTree();
}

// Asks every process below the module to end once, kills them after the grace, collects the
// orphans that came to the module and finishes when none is left.
void CompanionModule::watchTree()
{
    const QList<qint64> below = ProcessTree::descendants(::getpid());
    bool alive = false;
    for (qint64 pid : below) {
        // The player is collected by its QProcess; the rest are orphans the module inherited.
        if (pid != m_playerPid && ::waitpid(static_cast<pid_t>(pid), nullptr, WNOHANG) == pid)
            continue;
        if (ProcessTree::isZombie(pid))
            continue;
        alive = true;
        if (m_killing) {
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        } else if (!m_asked.contains(pid)) {
            m_asked.append(pid);
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        }
    }
    if (alive || m_player.state() != QProcess::NotRunning)
        return;
    // Zombies below another zombie come to the module when their parent is collected.
    if (!below.isEmpty())
        return;
    m_killDelay.stop();
    m_treeWatch.stop();
    finish(kPlayed);
}

void CompanionModule::endWithoutPlayer(const QString& status)
{
    if (!status.isEmpty())
        MarkerFiles::writeStatus(m_options.markerFolder, status);
    finish(kNotPlayed);
}

void CompanionModule::finish(int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    MarkerFiles::touch(m_options.markerFolder, MarkerFiles::kDone);
    Q_EMIT finished(exitCode);
}
