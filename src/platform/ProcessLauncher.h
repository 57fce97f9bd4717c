#pragma once

#include "platform/SystemServices.h"

// Starts programs as detached processes, each argument passed as it is: no shell sees them.
class ProcessLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
};
