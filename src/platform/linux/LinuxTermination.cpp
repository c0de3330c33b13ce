#include "platform/linux/LinuxTermination.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace veltrano {
namespace {

int g_signalPipe[2] = {-1, -1};

// Runs in signal context: only async-signal-safe calls here.
void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

LinuxTermination::~LinuxTermination()
{
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        std::signal(sig, SIG_DFL);
}

void LinuxTermination::watch()
{
    if (m_notifier)
        return;
    // Close-on-exec: every program started from the console would otherwise
    // carry both ends for its whole life. Non-blocking: a handler must never
    // wait, even should a burst of signals fill the pipe.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalPipe) != 0)
        return;
    m_notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &LinuxTermination::drainSignalPipe);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);

    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        // The session is ending: let it end, then shut down as on "Exit".
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager &) { emit terminationRequested(); }, Qt::DirectConnection);
    }
}

void LinuxTermination::drainSignalPipe()
{
    char byte = 0;
    [[maybe_unused]] const auto got = ::read(g_signalPipe[1], &byte, 1);
    emit terminationRequested();
}

} // namespace veltrano
