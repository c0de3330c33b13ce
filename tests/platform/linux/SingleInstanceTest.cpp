#include "platform/linux/LinuxSingleInstance.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace veltrano;
using veltrano::test::TempFolder;

TEST(SingleInstance, SecondAcquireIsRefusedUntilTheFirstIsReleased)
{
    TempFolder dir;
    LinuxSingleInstance instance(dir.path());
    auto first = instance.acquire(QStringLiteral("Veltrano 1.1"));
    ASSERT_TRUE(first);
    EXPECT_FALSE(instance.acquire(QStringLiteral("Veltrano 1.1")));
    first.reset();
    EXPECT_TRUE(instance.acquire(QStringLiteral("Veltrano 1.1")));
}

// Another copy takes the marker and is killed without a chance to let go:
// while it lives this process is refused, once it is dead the marker it left
// behind must not keep the next start out.
TEST(SingleInstance, MarkerOfAKilledHolderDoesNotBlock)
{
    TempFolder dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        ::close(ready[0]);
        LinuxSingleInstance instance(dir.path());
        auto marker = instance.acquire(QStringLiteral("Veltrano 1.1"));
        const char held = marker ? 'y' : 'n';
        if (::write(ready[1], &held, 1) != 1)
            ::_exit(1);
        ::pause(); // killed here, holding the marker
        ::_exit(0);
    }
    ::close(ready[1]);
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(held, 'y');

    LinuxSingleInstance instance(dir.path());
    EXPECT_FALSE(instance.acquire(QStringLiteral("Veltrano 1.1")));
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(instance.acquire(QStringLiteral("Veltrano 1.1")));
}
