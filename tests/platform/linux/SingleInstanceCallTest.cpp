#include "platform/linux/LinuxSingleInstance.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace veltrano;
using veltrano::test::TempFolder;

namespace {
const QString kName = QStringLiteral("Veltrano 1.1");
}

// A later start calls the running copy forward; with nobody running, or once
// the copy has ended, there is nobody to call.
TEST(SingleInstance, ALaterStartCallsTheHolderForward)
{
    TempFolder dir;
    LinuxSingleInstance running(dir.path());
    LinuxSingleInstance later(dir.path());
    EXPECT_FALSE(later.activateHolder(kName));

    auto marker = running.acquire(kName);
    ASSERT_TRUE(marker);
    QSignalSpy called(marker.get(), &InstanceMarker::activationRequested);
    EXPECT_FALSE(later.acquire(kName));
    EXPECT_TRUE(later.activateHolder(kName));
    EXPECT_TRUE(called.wait(3000));
    EXPECT_TRUE(later.activateHolder(kName));
    EXPECT_TRUE(called.wait(3000));
    EXPECT_EQ(called.size(), 2);

    // Another folder is another lock: its holder is not this one.
    TempFolder elsewhere;
    EXPECT_FALSE(LinuxSingleInstance(elsewhere.path()).activateHolder(kName));

    marker.reset();
    EXPECT_FALSE(later.activateHolder(kName));
    auto next = later.acquire(kName);
    ASSERT_TRUE(next);
    QSignalSpy nextCalled(next.get(), &InstanceMarker::activationRequested);
    EXPECT_TRUE(running.activateHolder(kName));
    EXPECT_TRUE(nextCalled.wait(3000));
}

// A runtime folder deep enough for its path not to fit a socket address.
TEST(SingleInstance, ADeepLockFolderCanStillBeCalled)
{
    TempFolder dir;
    const QString deep = dir.path() + u'/' + QString(150, u'd');
    ASSERT_TRUE(QDir().mkpath(deep));
    LinuxSingleInstance instance(deep);
    auto marker = instance.acquire(kName);
    ASSERT_TRUE(marker);
    QSignalSpy called(marker.get(), &InstanceMarker::activationRequested);
    EXPECT_TRUE(instance.activateHolder(kName));
    EXPECT_TRUE(called.wait(3000));
}
