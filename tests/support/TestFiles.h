#pragma once

#include <csignal>

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

// Whole-file reads and writes for tests, and a disk that fills up at a given size.
namespace TestFiles {
inline QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes the folders on the way.
inline bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// While it lives, this process may not grow a file past the given size (0: no limit): writes
// beyond it fail as on a full disk.
class SizeLimit
{
public:
    explicit SizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit small = m_old;
        small.rlim_cur = bytes > 0 ? bytes : m_old.rlim_cur;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    SizeLimit(const SizeLimit&) = delete;
    SizeLimit& operator=(const SizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_handler)(int);
};
} // namespace TestFiles
