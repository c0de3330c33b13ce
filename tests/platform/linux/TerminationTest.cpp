#include "platform/linux/LinuxTermination.h"

#include <QElapsedTimer>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <csignal>
#include <fcntl.h>

using namespace veltrano;

namespace {

bool waitFor(const bool &flag)
{
    QElapsedTimer timer;
    timer.start();
    while (!flag && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return flag;
}

} // namespace

// A terminate signal must become an ordinary request on the GUI thread, so the
// program shuts down as on "Exit" instead of dying with its data unsaved.
TEST(Termination, EachTerminateSignalBecomesARequest)
{
    LinuxTermination termination;
    termination.watch();
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        bool requested = false;
        auto connection = QObject::connect(&termination, &Termination::terminationRequested,
                                           [&requested] { requested = true; });
        ASSERT_EQ(::raise(sig), 0);
        EXPECT_TRUE(waitFor(requested)) << "signal " << sig;
        QObject::disconnect(connection);
    }
}

namespace {

QSet<int> openSockets()
{
    QSet<int> sockets;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &name : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
        if (QFileInfo(fds.filePath(name)).symLinkTarget().contains(QStringLiteral("socket:")))
            sockets.insert(name.toInt());
    }
    return sockets;
}

} // namespace

// Every program the console starts would otherwise inherit both ends of the
// signal pipe and keep them open for as long as it runs.
TEST(Termination, SignalPipeIsNotInheritedByStartedPrograms)
{
    const QSet<int> before = openSockets();
    LinuxTermination termination;
    termination.watch();
    const QSet<int> made = openSockets() - before;
    ASSERT_FALSE(made.isEmpty());
    for (int fd : made)
        EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC) << "descriptor " << fd;
}
