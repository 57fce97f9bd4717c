#pragma once

#include <QLockFile>

#include <memory>

// Holds a lock file for the life of the program; a second holder is refused. A lock left by a
// crashed instance is recognised as stale (its process is gone) and taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& lockPath);
    bool isFirst() const { return m_locked; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_locked = false;
};
