#include "platform/linux/LinuxSingleInstance.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QSysInfo>
#include <gtest/gtest.h>

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

TEST(SingleInstance, LockLeftByAKilledHolderDoesNotBlock)
{
    TempFolder dir;
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    // What a holder that was killed leaves behind: a lock naming a dead process.
    const QString lock = dir.path() + QStringLiteral("Veltrano 1.1-") + QString::number(::getuid())
                         + QStringLiteral(".lock");
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(child) + "\nveltrano\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    file.close();

    LinuxSingleInstance instance(dir.path());
    EXPECT_TRUE(instance.acquire(QStringLiteral("Veltrano 1.1")));
}
