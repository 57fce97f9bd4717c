#pragma once

#include <QLockFile>

#include <memory>

// Holds a lock file for the life of the program; a second holder is refused. A lock left by a
// crashed instance is recognised as stale (its process is gone) and taken over.
class SingleInstance
{
public:
    enum class State
    {
        First,
        AnotherRunning,
        // The lock file cannot be made: its folder is missing or cannot be written.
        Unwritable
    };

    explicit SingleInstance(const QString& lockPath);
    State state() const { return m_state; }
    bool isFirst() const { return m_state == State::First; }

private:
    std::unique_ptr<QLockFile> m_lock;
    State m_state = State::Unwritable;
};
