#pragma once

// Seconds without a sign of life from what a wait waits for. Each wait owns one, restarts it
// on every sign of life and advances it on the tick.
class SilenceCount
{
public:
    explicit SilenceCount(int limit) : m_limit(limit) {}

    void restart() { m_seconds = 0; }
    // One more silent second; true once the limit is reached.
    bool advance()
    {
        if (m_seconds < m_limit)
            ++m_seconds;
        return expired();
    }
    bool expired() const { return m_seconds >= m_limit; }
    int seconds() const { return m_seconds; }
    int limit() const { return m_limit; }

private:
    int m_limit;
    int m_seconds = 0;
};
