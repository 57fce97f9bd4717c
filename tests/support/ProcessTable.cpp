#include "ProcessTable.h"

#include <QDir>
#include <QFile>

#include "platform/ProcessTree.h"

namespace ProcessTable {
QList<qint64> withEnvironment(const QByteArray& entry)
{
    QList<qint64> found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : entries) {
        bool number = false;
        const qint64 pid = name.toLongLong(&number);
        QFile file(QStringLiteral("/proc/") + name + QStringLiteral("/environ"));
        if (!number || !file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> variables = file.readAll().split('\0');
        if (variables.contains(entry) && !ProcessTree::isZombie(pid))
            found.append(pid);
    }
    return found;
}
} // namespace ProcessTable
