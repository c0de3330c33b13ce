#include "platform/linux/LinuxTermination.h"

#include <QElapsedTimer>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <csignal>

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
