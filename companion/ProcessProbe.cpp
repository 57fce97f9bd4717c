#include "companion/ProcessProbe.h"

#include <cerrno>
#include <signal.h>

#include <QFile>

namespace ProcessProbe {
bool isRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    // EPERM: it exists but belongs to someone else.
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    // "pid (name) state ...": the name may hold blanks and parentheses, the state follows the last ')'.
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0 || close + 2 >= line.size())
        return true;
    const char state = line.at(close + 2);
    return state != 'Z' && state != 'X';
}
} // namespace ProcessProbe
