#include "platform/ProcessTree.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

#include <csignal>

namespace {
struct ProcessState
{
    qint64 parent = 0;
    char state = '?';
};

// "pid (name) state ppid ...": the name may hold blanks and parentheses, so the fields after
// the last ')' are read.
bool readStat(qint64 pid, ProcessState& out)
{
    QFile stat(QStringLiteral("/proc/") + QString::number(pid) + QStringLiteral("/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.read(1024);
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return false;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (fields.size() < 2 || fields.at(0).isEmpty())
        return false;
    out.state = fields.at(0).at(0);
    out.parent = fields.at(1).toLongLong();
    return true;
}

QHash<qint64, QList<qint64>> childrenByParent()
{
    QHash<qint64, QList<qint64>> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        ProcessState state;
        if (number && readStat(pid, state))
            children[state.parent].append(pid);
    }
    return children;
}
} // namespace

namespace ProcessTree {
QList<qint64> descendants(qint64 pid)
{
    QList<qint64> found;
    if (pid <= 0)
        return found;
    const QHash<qint64, QList<qint64>> children = childrenByParent();
    QList<qint64> pending{pid};
    while (!pending.isEmpty()) {
        const QList<qint64> below = children.value(pending.takeFirst());
        found.append(below);
        pending.append(below);
    }
    return found;
}

bool isZombie(qint64 pid)
{
    ProcessState state;
    return readStat(pid, state) && state.state == 'Z';
}

void killTree(qint64 pid)
{
    if (pid <= 0)
        return;
    QSet<qint64> stopped{pid};
    ::kill(static_cast<pid_t>(pid), SIGSTOP);
    // Stopped processes start no others, so the walk ends once it finds nothing new.
    for (bool grew = true; grew;) {
        grew = false;
        for (qint64 below : descendants(pid)) {
            if (!stopped.contains(below)) {
                stopped.insert(below);
                ::kill(static_cast<pid_t>(below), SIGSTOP);
                grew = true;
            }
        }
    }
    for (qint64 each : std::as_const(stopped))
        ::kill(static_cast<pid_t>(each), SIGKILL);
}
} // namespace ProcessTree
