#pragma once

#include "platform/ProcessControl.h"

// Processes on a Unix system, by signals. A detached program is not our child, so nothing here
// waits for it; a process that ended but was not reaped yet does not count as running.
class UnixProcessControl : public ProcessControl
{
public:
    qint64 start(const QString& program, const QStringList& arguments,
                 const QStringList& extraEnvironment) override;
    bool isRunning(qint64 pid) override;
    void terminate(qint64 pid) override;
    void kill(qint64 pid) override;
};
