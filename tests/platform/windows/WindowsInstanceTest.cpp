// One running copy: the named file mapping, the call forward, the data
// folder's lock.
#include "platform/windows/WindowsSingleInstance.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QUuid>
#include <gtest/gtest.h>

using namespace veltrano;
using test::TempFolder;

namespace {

QString freshName()
{
    return QStringLiteral("Veltrano test ") + QUuid::createUuid().toString(QUuid::Id128);
}

} // namespace

TEST(WindowsInstance, TheSecondHolderOfTheNameIsRefusedUntilTheFirstLetsGo)
{
    WindowsSingleInstance instance;
    const QString name = freshName();
    auto first = instance.acquire(name);
    ASSERT_TRUE(first);
    EXPECT_FALSE(instance.acquire(name));
    first.reset();
    EXPECT_TRUE(instance.acquire(name));
}

TEST(WindowsInstance, ALaterStartCallsTheHolderForward)
{
    WindowsSingleInstance instance;
    const QString name = freshName();
    EXPECT_FALSE(instance.activateHolder(name)); // nobody holds it
    auto holder = instance.acquire(name);
    ASSERT_TRUE(holder);
    int calls = 0;
    QObject::connect(holder.get(), &InstanceMarker::activationRequested, [&] { ++calls; });
    EXPECT_TRUE(instance.activateHolder(name));
    const QDeadlineTimer deadline(5000);
    while (calls == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(calls, 1);
}

TEST(WindowsInstance, TheDataFolderIsHeldByOneCopyAndItsLockGoesWithIt)
{
    TempFolder dir;
    WindowsSingleInstance instance(QStringLiteral("desk one"));
    const QString lock = instance.folderLockPath(dir.path());
    EXPECT_TRUE(lock.endsWith(QStringLiteral(".~lock.Veltrano.desk_one#")));
    auto first = instance.acquireFolder(dir.path());
    ASSERT_TRUE(first);
    EXPECT_TRUE(QFile::exists(lock));
    EXPECT_FALSE(instance.acquireFolder(dir.path()));
    // Another host's copy uses a lock of its own name.
    EXPECT_TRUE(WindowsSingleInstance(QStringLiteral("desk two")).acquireFolder(dir.path()));
    first.reset();
    EXPECT_FALSE(QFile::exists(lock));
    EXPECT_TRUE(instance.acquireFolder(dir.path()));
}

TEST(WindowsInstance, AFolderStillToBeMadeIsMadeAndHeld)
{
    TempFolder dir;
    WindowsSingleInstance instance;
    const QString folder = dir.file(QStringLiteral("Veltrano/"));
    auto marker = instance.acquireFolder(folder);
    ASSERT_TRUE(marker);
    EXPECT_FALSE(instance.acquireFolder(folder));
}
