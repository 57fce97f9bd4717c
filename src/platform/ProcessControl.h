#pragma once

#include <QString>
#include <QStringList>

// Starts programs that outlive the call and follows them by process id. Programs are started
// directly with an argument list, never through a shell.
class ProcessControl
{
public:
    virtual ~ProcessControl() = default;
    // Starts program detached with the environment of this process plus extraEnvironment
    // ("NAME=value" entries); the new process id, or 0 when it could not be started.
    virtual qint64 start(const QString& program, const QStringList& arguments,
                         const QStringList& extraEnvironment) = 0;
    virtual bool isRunning(qint64 pid) = 0;
    // Asks the process to end (it may clean up first).
    virtual void terminate(qint64 pid) = 0;
    // Ends the process and every process below it without asking.
    virtual void kill(qint64 pid) = 0;
};
