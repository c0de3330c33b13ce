#include "platform/linux/LinuxSingleInstance.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
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

namespace {

QString dataFolderIn(const TempFolder &dir)
{
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    return dir.file(QStringLiteral("data/"));
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

// Two copies that keep their runtime files in different places (one started
// with XDG_RUNTIME_DIR unset, say) pass the user's lock each; the data folder's
// own lock still lets only one of them in.
TEST(SingleInstance, DataFolderLetsOneCopyInWhateverItsRuntimeFolder)
{
    TempFolder dir;
    const QString data = dataFolderIn(dir);
    LinuxSingleInstance session(dir.file(QStringLiteral("runtime-a")));
    LinuxSingleInstance unset(dir.file(QStringLiteral("runtime-b")));
    QDir(dir.path()).mkpath(QStringLiteral("runtime-a"));
    QDir(dir.path()).mkpath(QStringLiteral("runtime-b"));
    auto first = session.acquireFolder(data);
    ASSERT_TRUE(first);
    EXPECT_FALSE(unset.acquireFolder(data));
    EXPECT_FALSE(session.acquireFolder(data));
    // The folder names its holder and host; it is gone with the holder.
    const QString lockName = QFileInfo(session.folderLockPath(data)).fileName();
    EXPECT_EQ(filesIn(data), QStringList{lockName});
    EXPECT_TRUE(lockName.startsWith(QStringLiteral(".~lock.Veltrano."))) << lockName.toStdString();
    QFile lock(session.folderLockPath(data));
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    EXPECT_EQ(lock.readAll(), QByteArray::number(qint64(::getpid())) + "\nVeltrano\n"
                                  + QSysInfo::machineHostName().toUtf8() + '\n');
    first.reset();
    EXPECT_TRUE(filesIn(data).isEmpty());
    EXPECT_TRUE(unset.acquireFolder(data));
}

// A copy in a child process that takes the data folder's lock and waits to be
// killed. `thenStart` runs in it while it holds the lock; the pid it returns
// (a program that copy started) is told back.
struct FolderHolder {
    pid_t pid = -1;
    bool held = false;
    pid_t started = 0;
};

static FolderHolder forkFolderHolder(const QString &runtime, const QString &data, pid_t (*thenStart)() = nullptr)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        LinuxSingleInstance instance(runtime);
        auto marker = instance.acquireFolder(data);
        const pid_t told[2] = {marker ? 1 : 0, thenStart ? thenStart() : 0};
        if (::write(ready[1], told, sizeof told) != sizeof told)
            ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    pid_t told[2] = {};
    const bool answered = pid > 0 && ::read(ready[0], told, sizeof told) == ssize_t(sizeof told);
    ::close(ready[0]);
    return {pid, answered && told[0] == 1, told[1]};
}

static void killAndReap(pid_t pid)
{
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// A copy killed without a chance to let go leaves its lock file behind; the
// next start must not take it for a running copy.
TEST(SingleInstance, DataFolderLockOfAKilledCopyDoesNotBlock)
{
    TempFolder dir;
    const QString data = dataFolderIn(dir);
    const FolderHolder holder = forkFolderHolder(dir.path(), data);
    ASSERT_GT(holder.pid, 0);
    ASSERT_TRUE(holder.held);

    LinuxSingleInstance instance(dir.path());
    EXPECT_FALSE(instance.acquireFolder(data));
    killAndReap(holder.pid);
    EXPECT_EQ(filesIn(data).size(), 1);
    EXPECT_TRUE(instance.acquireFolder(data));
}

// A data folder shared through a sync engine brings along the lock a copy on
// another machine holds (or left when it crashed): it never blocks here, and
// this copy never writes it.
TEST(SingleInstance, LockOfAnotherHostNeverBlocksNorIsTouched)
{
    TempFolder dir;
    const QString data = dataFolderIn(dir);
    LinuxSingleInstance laptop(dir.path(), QStringLiteral("laptop"));
    LinuxSingleInstance desktop(dir.path(), QStringLiteral("desk/top"));
    auto onLaptop = laptop.acquireFolder(data);
    ASSERT_TRUE(onLaptop);
    const QByteArray laptopLock = [&] {
        QFile file(laptop.folderLockPath(data));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    EXPECT_TRUE(laptopLock.endsWith("\nlaptop\n"));
    auto onDesktop = desktop.acquireFolder(data);
    EXPECT_TRUE(onDesktop);
    EXPECT_EQ(filesIn(data), (QStringList{QStringLiteral(".~lock.Veltrano.desk_top#"),
                                          QStringLiteral(".~lock.Veltrano.laptop#")}));
    onDesktop.reset();
    EXPECT_EQ(filesIn(data), QStringList{QStringLiteral(".~lock.Veltrano.laptop#")});
    QFile file(laptop.folderLockPath(data));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), laptopLock);
}

// A program started while this copy runs (from the console, say) must not
// carry the lock on once this copy is gone, killed without letting go.
TEST(SingleInstance, AStartedProgramDoesNotInheritTheDataFolderLock)
{
    TempFolder dir;
    const QString data = dataFolderIn(dir);
    const FolderHolder holder = forkFolderHolder(dir.path(), data, [] {
        const pid_t started = ::fork();
        if (started == 0) {
            ::execl("/bin/sleep", "sleep", "30", static_cast<char *>(nullptr));
            ::_exit(127);
        }
        return started;
    });
    ASSERT_GT(holder.pid, 0);
    const pid_t told[2] = {holder.held ? holder.started : pid_t(-1), holder.started};
    // Until the exec the started program is a copy of the holder, lock and all.
    const QString comm = QStringLiteral("/proc/%1/comm").arg(told[1]);
    for (int i = 0; i < 400; ++i) {
        QFile name(comm);
        if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "sleep")
            break;
        ::usleep(5000);
    }
    killAndReap(holder.pid);
    ASSERT_GT(told[0], 0);

    LinuxSingleInstance instance(dir.path());
    EXPECT_TRUE(instance.acquireFolder(data));
    ::kill(told[1], SIGKILL);
}
