#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// The process table as a test sees it. A test marks what it starts with an environment entry
// of its own; every process below inherits it, whatever session or parent it ends up with.
namespace ProcessTable {
// Live processes whose environment holds entry ("NAME=value"), zombies excluded.
QList<qint64> withEnvironment(const QByteArray& entry);
} // namespace ProcessTable
