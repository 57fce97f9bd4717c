#include "platform/SingleInstance.h"

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(std::make_unique<QLockFile>(lockPath))
{
    // Age alone never makes a lock stale: only a lock whose process has gone is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        m_state = State::First;
    else if (m_lock->error() == QLockFile::LockFailedError)
        m_state = State::AnotherRunning;
    else
        m_state = State::Unwritable;
}
