#pragma once

#include <QtGlobal>

namespace ProcessProbe {
// Whether process pid still runs; a process that has ended but was not yet collected by its
// parent counts as gone.
bool isRunning(qint64 pid);
} // namespace ProcessProbe
