#include "scanner/ScanModules.h"

#include <QCoreApplication>

#include "core/Tick.h"
#include "platform/ProcessControl.h"

ScanModules::ScanModules(ProcessControl& processes, Tick& tick, QObject* parent)
    : QObject(parent), m_processes(processes)
{
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &ScanModules::onPoll);
    connect(&tick, &Tick::ticked, this, &ScanModules::onTick);
}

qint64 ScanModules::start(const QString& program, const QString& link)
{
    const QString programPid =
        QStringLiteral("SKYLARK_PROGRAM_PID=") + QString::number(QCoreApplication::applicationPid());
    const qint64 pid = m_processes.start(program, {link}, {programPid});
    if (pid > 0)
        m_pids.append(pid);
    return pid;
}

bool ScanModules::isRunning(qint64 pid)
{
    return pid > 0 && m_processes.isRunning(pid);
}

bool ScanModules::anyRunning()
{
    prune();
    return !m_pids.isEmpty();
}

void ScanModules::endAll()
{
    if (!m_ending) {
        m_ending = true;
        m_endingTicks = 0;
        prune();
        for (qint64 pid : std::as_const(m_pids))
            m_processes.terminate(pid);
    }
    m_poll.start();
    // Even with nothing to end the signal comes from the event loop, so callers see one order.
    QMetaObject::invokeMethod(this, &ScanModules::onPoll, Qt::QueuedConnection);
}

void ScanModules::prune()
{
    m_pids.removeIf([this](qint64 pid) { return !m_processes.isRunning(pid); });
}

void ScanModules::onTick()
{
    if (!m_ending)
        return;
    if (++m_endingTicks < kKillAfterTicks)
        return;
    prune();
    for (qint64 pid : std::as_const(m_pids))
        m_processes.kill(pid);
}

void ScanModules::onPoll()
{
    if (!m_ending)
        return;
    prune();
    if (m_pids.isEmpty())
        finishEnding();
}

void ScanModules::finishEnding()
{
    m_ending = false;
    m_poll.stop();
    Q_EMIT allEnded();
}
