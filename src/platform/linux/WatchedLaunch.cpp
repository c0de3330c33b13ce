#include "platform/linux/WatchedLaunch.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace veltrano {
namespace {

constexpr int kCannotRun = 127;

int statusOf(int waitStatus)
{
    if (WIFEXITED(waitStatus))
        return WEXITSTATUS(waitStatus);
    if (WIFSIGNALED(waitStatus))
        return 128 + WTERMSIG(waitStatus);
    return kCannotRun;
}

// Runs in the forked watcher, where only async-signal-safe calls are allowed:
// everything it needs was prepared before the fork.
[[noreturn]] void runWatcher(char *const argv[], int statusPipe)
{
    // Our handlers (the terminate signal's) must not run in here, and the
    // program starts with nothing blocked.
    struct sigaction byDefault = {};
    byDefault.sa_handler = SIG_DFL;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP, SIGPIPE, SIGCHLD})
        ::sigaction(sig, &byDefault, nullptr);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::setsid();
    const pid_t program = ::fork();
    if (program == 0) {
        ::execv(argv[0], argv);
        ::_exit(kCannotRun);
    }
    int status = kCannotRun;
    if (program > 0) {
        int waitStatus = 0;
        while (::waitpid(program, &waitStatus, 0) < 0 && errno == EINTR) {
        }
        status = statusOf(waitStatus);
    }
    // Should we have ended meanwhile, nobody reads this and the write ends
    // the watcher quietly.
    [[maybe_unused]] const ssize_t written = ::write(statusPipe, &status, sizeof status);
    ::_exit(0);
}

} // namespace

WatchedLaunch *WatchedLaunch::start(const QString &program, const QStringList &arguments, QObject *parent)
{
    std::vector<QByteArray> bytes{QFile::encodeName(program)};
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &one : bytes)
        argv.push_back(one.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return nullptr;
    const pid_t watcher = ::fork();
    if (watcher == 0) {
        ::close(pipeEnds[0]);
        runWatcher(argv.data(), pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    if (watcher < 0) {
        ::close(pipeEnds[0]);
        return nullptr;
    }
    return new WatchedLaunch(pipeEnds[0], watcher, parent);
}

WatchedLaunch::WatchedLaunch(int statusPipe, int watcherPid, QObject *parent)
    : QObject(parent), m_statusPipe(statusPipe), m_watcherPid(watcherPid),
      m_notifier(new QSocketNotifier(statusPipe, QSocketNotifier::Read, this))
{
    connect(m_notifier, &QSocketNotifier::activated, this, &WatchedLaunch::readStatus);
}

// Whatever still runs is left to run; only our end of the pipe closes.
WatchedLaunch::~WatchedLaunch()
{
    if (m_statusPipe >= 0)
        ::close(m_statusPipe);
}

void WatchedLaunch::readStatus()
{
    m_notifier->setEnabled(false);
    int status = kCannotRun;
    ssize_t got = 0;
    do {
        got = ::read(m_statusPipe, &status, sizeof status);
    } while (got < 0 && errno == EINTR);
    ::close(m_statusPipe);
    m_statusPipe = -1;
    // The watcher ends right after writing (or has died without a word).
    int ignored = 0;
    while (::waitpid(m_watcherPid, &ignored, 0) < 0 && errno == EINTR) {
    }
    if (got != sizeof status)
        status = kCannotRun;
    emit finished(status);
    deleteLater();
}

} // namespace veltrano
