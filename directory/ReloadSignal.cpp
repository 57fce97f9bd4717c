#include "directory/ReloadSignal.h"

#include <cerrno>
#include <csignal>

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};

extern "C" void onHangUp(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a pending reload.
    [[maybe_unused]] const auto written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

ReloadSignal::ReloadSignal(QObject* parent) : QObject(parent) {}

ReloadSignal::~ReloadSignal()
{
    if (!m_notifier)
        return;
    std::signal(SIGHUP, SIG_DFL);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

bool ReloadSignal::install()
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ReloadSignal::drain);
    struct sigaction action = {};
    action.sa_handler = onHangUp;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    return ::sigaction(SIGHUP, &action, nullptr) == 0;
}

void ReloadSignal::drain()
{
    char bytes[64];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    Q_EMIT requested();
}
