#include "platform/SingleInstance.h"

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(std::make_unique<QLockFile>(lockPath))
{
    // Age alone never makes a lock stale: only a lock whose process has gone is taken over.
    m_lock->setStaleLockTime(0);
    m_locked = m_lock->tryLock(0);
}
