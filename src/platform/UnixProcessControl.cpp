#include "platform/UnixProcessControl.h"

#include <cerrno>
#include <csignal>

#include <QProcess>
#include <QProcessEnvironment>

#include "platform/ProcessTree.h"

qint64 UnixProcessControl::start(const QString& program, const QStringList& arguments,
                                 const QStringList& extraEnvironment)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : extraEnvironment) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals > 0)
            environment.insert(entry.left(equals), entry.mid(equals + 1));
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return 0;
    return pid;
}

bool UnixProcessControl::isRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    const bool exists = ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
    // A zombie still answers signal 0.
    return exists && !ProcessTree::isZombie(pid);
}

void UnixProcessControl::terminate(qint64 pid)
{
    if (pid > 0)
        ::kill(static_cast<pid_t>(pid), SIGTERM);
}

void UnixProcessControl::kill(qint64 pid)
{
    ProcessTree::killTree(pid);
}
