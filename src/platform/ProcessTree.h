#pragma once

#include <QList>
#include <QtGlobal>

// The processes below one process, read from /proc. A process that moves into a session of
// its own stays below its parent; one whose parent ends moves to the nearest ancestor that
// collects orphans (a child subreaper), or out of reach.
namespace ProcessTree {
// Every process below pid, parents before their children; zombies included.
QList<qint64> descendants(qint64 pid);
// Whether pid names a process that has ended but was not collected yet.
bool isZombie(qint64 pid);
// Ends pid and everything below it without asking. Each one is stopped as it is found, so none
// can start new ones while the tree is read; then all are killed.
void killTree(qint64 pid);
} // namespace ProcessTree
