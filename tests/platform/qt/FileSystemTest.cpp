#include "platform/qt/QtFileSystem.h"

#include "support/HostileFiles.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <QThread>

#include <atomic>
#include <chrono>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace veltrano;
using veltrano::test::TempFolder;

namespace {

QStringList names(const QList<FolderEntry> &entries)
{
    QStringList all;
    for (const FolderEntry &e : entries)
        all << e.name;
    return all;
}

QStringList everything(const TempFolder &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::Name);
}

// Replaces `path` with `size` bytes in a child process and kills it as soon as
// the write's temporary file shows in the folder; the name of that file, or
// nothing when the write was done before it could be seen.
QString killReplaceMidWrite(const TempFolder &dir, const QString &path, qsizetype size)
{
    const QStringList before = everything(dir);
    const pid_t writer = ::fork();
    if (writer == 0) {
        QtFileSystem fs;
        fs.replaceFile(path, QByteArray(size, 'x'));
        ::_exit(0);
    }
    QString temporary;
    for (int i = 0; i < 20000 && temporary.isEmpty(); ++i) {
        for (const QString &name : everything(dir)) {
            if (!before.contains(name))
                temporary = name;
        }
        if (temporary.isEmpty())
            QThread::usleep(200);
    }
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    return QFileInfo::exists(dir.file(temporary)) ? temporary : QString();
}

} // namespace

TEST(FileSystem, ReplaceWritesTheWholeFileAndLeavesNoTemporaryBehind)
{
    TempFolder dir;
    QtFileSystem fs;
    dir.write(QStringLiteral("PM.INI"), "old contents that are longer");
    ASSERT_TRUE(fs.replaceFile(dir.file(QStringLiteral("PM.INI")), "new"));
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("PM.INI")});
}

TEST(FileSystem, ReadOnlyTargetIsRefusedAndKept)
{
    TempFolder dir;
    QtFileSystem fs;
    dir.write(QStringLiteral("list.todo"), "0keep me\r\n");
    QFile::setPermissions(dir.file(QStringLiteral("list.todo")), QFileDevice::ReadOwner);
    const IoStatus status = fs.replaceFile(dir.file(QStringLiteral("list.todo")), "lost");
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.reason.isEmpty());
    EXPECT_EQ(dir.read(QStringLiteral("list.todo")), "0keep me\r\n");
}

// A user who keeps PM.INI elsewhere and links it in keeps the link; the file
// it leads to gets the new text and keeps the mode the user gave it.
TEST(FileSystem, LinkedFileIsWrittenThroughAndKeepsItsMode)
{
    TempFolder dir;
    QtFileSystem fs;
    dir.write(QStringLiteral("elsewhere/PM.INI"), "old");
    const QString real = dir.file(QStringLiteral("elsewhere/PM.INI"));
    QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    ASSERT_TRUE(QFile::link(real, dir.file(QStringLiteral("PM.INI"))));
    ASSERT_TRUE(fs.replaceFile(dir.file(QStringLiteral("PM.INI")), "new"));
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("PM.INI"))).isSymLink());
    EXPECT_EQ(dir.read(QStringLiteral("elsewhere/PM.INI")), "new");
    EXPECT_EQ(QFile::permissions(real) & 0x7077, // owner, group, others
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
}

// A disk that fills up mid-write (here: a file size limit) refuses the
// replacement with the system's reason; the old file stays whole and the
// partial new one goes.
TEST(FileSystem, WriteCutShortIsRefusedAndLeavesTheOldFileAlone)
{
    TempFolder dir;
    dir.write(QStringLiteral("list.todo"), "0keep me\r\n");
    int result[2];
    ASSERT_EQ(::pipe(result), 0);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QtFileSystem fs;
        const IoStatus status = fs.replaceFile(dir.file(QStringLiteral("list.todo")), QByteArray(65536, 'x'));
        const char told = status.ok ? 'y' : (status.reason.isEmpty() ? 'e' : 'n');
        ::_exit(::write(result[1], &told, 1) == 1 ? 0 : 1);
    }
    ::close(result[1]);
    char told = 0;
    ASSERT_EQ(::read(result[0], &told, 1), 1);
    ::close(result[0]);
    ::waitpid(writer, nullptr, 0);
    EXPECT_EQ(told, 'n');
    EXPECT_EQ(dir.read(QStringLiteral("list.todo")), "0keep me\r\n");
    EXPECT_EQ(everything(dir), QStringList{QStringLiteral("list.todo")});
}

TEST(FileSystem, MissingFolderIsRefusedWithAReason)
{
    TempFolder dir;
    QtFileSystem fs;
    const IoStatus status = fs.replaceFile(dir.file(QStringLiteral("Week/Monday.txt")), "x");
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.reason.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Week"))));
}

// A folder made or renamed says why the system refused, so the user can act.
TEST(FileSystem, FolderCreationAndRenameRefusalsComeWithTheSystemsReason)
{
    TempFolder dir;
    QtFileSystem fs;
    EXPECT_TRUE(fs.makePath(dir.file(QStringLiteral("a/b/c"))));
    EXPECT_TRUE(fs.makePath(dir.file(QStringLiteral("a/b/c")))); // there already
    const IoStatus tooLong = fs.makePath(dir.file(QStringLiteral("a/") + QString(256, u'n')));
    EXPECT_FALSE(tooLong);
    EXPECT_EQ(tooLong.reason, qt_error_string(ENAMETOOLONG));
    dir.write(QStringLiteral("file"), "x");
    EXPECT_EQ(fs.makePath(dir.file(QStringLiteral("file/sub"))).reason, qt_error_string(ENOTDIR));

    EXPECT_TRUE(fs.rename(dir.file(QStringLiteral("a/b")), dir.file(QStringLiteral("a/B"))));
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("a/B/c"))).isDir());
    EXPECT_EQ(fs.rename(dir.file(QStringLiteral("a/B")), dir.file(QStringLiteral("a/") + QString(256, u'n'))).reason,
              qt_error_string(ENAMETOOLONG));
    EXPECT_EQ(fs.rename(dir.file(QStringLiteral("gone")), dir.file(QStringLiteral("there"))).reason,
              qt_error_string(ENOENT));
    // Never over what is there, not even an empty folder.
    QDir().mkpath(dir.file(QStringLiteral("empty")));
    EXPECT_EQ(fs.rename(dir.file(QStringLiteral("a/B")), dir.file(QStringLiteral("empty"))).reason,
              qt_error_string(EEXIST));
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("a/B/c"))).isDir());
}

TEST(FileSystem, ReadReportsWhyAFileCannotBeRead)
{
    TempFolder dir;
    QtFileSystem fs;
    QString reason;
    EXPECT_FALSE(fs.readFile(dir.file(QStringLiteral("absent")), &reason));
    EXPECT_FALSE(reason.isEmpty());
}

// Reads `path` on a thread of its own; when it has not returned after a few
// seconds (a FIFO waiting for a writer), a writer comes to let it go, and the
// read counts as blocked.
struct GuardedRead {
    std::optional<QByteArray> bytes;
    QString reason;
    bool blocked = false;
};

GuardedRead readGuarded(const QtFileSystem &fs, const QString &path, qint64 maxBytes)
{
    GuardedRead result;
    std::atomic<bool> done = false;
    std::thread reader([&] {
        result.bytes = fs.readFile(path, &result.reason, maxBytes);
        done = true;
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!done && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (!done) {
        result.blocked = true;
        const int writer = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
        reader.join();
        if (writer >= 0)
            ::close(writer);
    } else {
        reader.join();
    }
    return result;
}

// A FIFO, a link to /dev/zero, a sparse gigabyte and a file a byte over the
// bound are refused at once, without reading: before, a FIFO blocked the read
// for ever and /dev/zero ran it out of memory.
TEST(FileSystem, ReadTakesOnlyARegularFileWithinTheBound)
{
    TempFolder dir;
    QtFileSystem fs;
    constexpr qint64 kBound = 1 << 20;
    for (const test::HostileCase &hostile : test::AllHostileCases()) {
        const QString path = dir.file(QStringLiteral("list.todo"));
        ASSERT_TRUE(test::MakeHostile(path, hostile.kind, kBound)) << hostile.name;
        const GuardedRead read = readGuarded(fs, path, kBound);
        EXPECT_FALSE(read.blocked) << hostile.name;
        EXPECT_FALSE(read.bytes) << hostile.name;
        const QString expected = hostile.kind == test::Hostile::Fifo || hostile.kind == test::Hostile::DeviceLink
                                     ? NotRegularFileReason()
                                     : TooLargeReason(kBound);
        EXPECT_EQ(read.reason, expected) << hostile.name;
        EXPECT_TRUE(test::StillHostile(path, hostile.kind, kBound)) << hostile.name;
    }
    EXPECT_EQ(TooLargeReason(kBound), QStringLiteral("It is larger than the 1 MB such a file may hold"));

    dir.write(QStringLiteral("exact"), QByteArray(kBound, 'x'));
    const std::optional<QByteArray> exact = fs.readFile(dir.file(QStringLiteral("exact")), nullptr, kBound);
    ASSERT_TRUE(exact);
    EXPECT_EQ(exact->size(), kBound);
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    QString reason;
    EXPECT_FALSE(fs.readFile(dir.file(QStringLiteral("folder")), &reason));
    EXPECT_EQ(reason, NotRegularFileReason());
}

// Replacing goes through a link to a file, never into a FIFO or a device: the
// FIFO or the link stays as the user made it.
TEST(FileSystem, ReplaceLeavesAFifoOrADeviceAsItIs)
{
    TempFolder dir;
    QtFileSystem fs;
    for (const test::Hostile kind : {test::Hostile::Fifo, test::Hostile::DeviceLink}) {
        const QString path = dir.file(QStringLiteral("PM.INI"));
        ASSERT_TRUE(test::MakeHostile(path, kind, 0));
        const IoStatus status = fs.replaceFile(path, "[Application]\r\n");
        EXPECT_FALSE(status.ok);
        EXPECT_EQ(status.reason, NotRegularFileReason());
        EXPECT_TRUE(test::StillHostile(path, kind, 0));
    }
}

TEST(FileSystem, ListingIsByNameIgnoringCaseWithKinds)
{
    TempFolder dir;
    QtFileSystem fs;
    QDir(dir.path()).mkpath(QStringLiteral("beta"));
    QDir(dir.path()).mkpath(QStringLiteral("Alpha"));
    QDir(dir.path()).mkpath(QStringLiteral(".hidden"));
    dir.write(QStringLiteral("Gamma.txt"), "g");
    QFile::link(dir.file(QStringLiteral("Alpha")), dir.file(QStringLiteral("delta")));

    const QList<FolderEntry> entries = fs.listFolder(dir.path());
    EXPECT_EQ(names(entries), (QStringList{QStringLiteral(".hidden"), QStringLiteral("Alpha"), QStringLiteral("beta"),
                                           QStringLiteral("delta"), QStringLiteral("Gamma.txt")}));
    EXPECT_TRUE(entries.at(0).hidden);
    EXPECT_EQ(entries.at(1).kind, FolderEntry::Kind::Folder);
    EXPECT_EQ(entries.at(3).kind, FolderEntry::Kind::Link);
    EXPECT_EQ(entries.at(4).kind, FolderEntry::Kind::File);
}

TEST(FileSystem, RemovingALinkLeavesItsTarget)
{
    TempFolder dir;
    QtFileSystem fs;
    dir.write(QStringLiteral("target/precious.txt"), "keep");
    QFile::link(dir.file(QStringLiteral("target")), dir.file(QStringLiteral("link")));
    EXPECT_TRUE(fs.removeFile(dir.file(QStringLiteral("link"))));
    EXPECT_EQ(dir.read(QStringLiteral("target/precious.txt")), "keep");
}

TEST(FileSystem, NameInAnotherCodePageIsLeftOutOfTheListing)
{
    TempFolder dir;
    QtFileSystem fs;
    dir.write(QStringLiteral("plain.txt"), "p");
    const QByteArray foreign = QFile::encodeName(dir.path()) + "\xcf\xf0\xe8";
    FILE *file = std::fopen(foreign.constData(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(names(fs.listFolder(dir.path())), QStringList{QStringLiteral("plain.txt")});
}

TEST(FileSystem, MountPointsAreToldFromOrdinaryFolders)
{
    TempFolder dir;
    QtFileSystem fs;
    QDir(dir.path()).mkpath(QStringLiteral("sub"));
    EXPECT_FALSE(fs.isMountPoint(dir.file(QStringLiteral("sub"))));
    EXPECT_TRUE(fs.isMountPoint(QStringLiteral("/")));
    if (QFileInfo(QStringLiteral("/proc/self")).exists()) {
        EXPECT_TRUE(fs.isMountPoint(QStringLiteral("/proc")));
    }
}

// A write killed before its rename leaves the old file and a temporary one
// beside it. Clearing up removes that temporary by the name only the writer
// makes, and nothing else: not the user's own copies named like it, nor a link
// or folder that looks like one.
TEST(FileSystem, KilledReplaceLeavesTheOldFileAndATemporaryClearedAwayAlone)
{
    TempFolder dir;
    QtFileSystem fs;
    dir.write(QStringLiteral("PM.INI"), "[Application]\r\nHiden=0\r\n");
    for (const char *mine : {"PM.INI.backup", "PM.INI.AbCdEf", "PM.INI~", ".PM.INI.swp", "list.todo.orig"})
        dir.write(QString::fromLatin1(mine), "the user's");
    dir.write(QStringLiteral("precious.txt"), "keep");
    QString killed;
    for (qsizetype size = 64 << 20; killed.isEmpty() && size <= 512 << 20; size *= 2)
        killed = killReplaceMidWrite(dir, dir.file(QStringLiteral("PM.INI")), size);
    ASSERT_FALSE(killed.isEmpty()) << "every write finished before it could be killed";
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[Application]\r\nHiden=0\r\n");
    QFile::link(dir.file(QStringLiteral("precious.txt")), dir.file(killed + QStringLiteral("-link")));
    const QString lookAlikeLink = QString(killed).replace(QStringLiteral("PM.INI"), QStringLiteral("list.todo"));
    QFile::link(dir.file(QStringLiteral("precious.txt")), dir.file(lookAlikeLink));
    QDir(dir.path()).mkdir(QString(killed).replace(QStringLiteral("PM.INI"), QStringLiteral("Week")));
    const QStringList kept = [&] {
        QStringList all = everything(dir);
        all.removeOne(killed);
        return all;
    }();

    EXPECT_EQ(fs.removeReplaceLeftovers(dir.path()), 1);
    EXPECT_EQ(everything(dir), kept);
    EXPECT_EQ(dir.read(QStringLiteral("precious.txt")), "keep");
    EXPECT_EQ(fs.removeReplaceLeftovers(dir.path()), 0);
}
