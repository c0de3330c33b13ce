#include "platform/qt/QtFileSystem.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstdio>

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

TEST(FileSystem, MissingFolderIsRefusedWithAReason)
{
    TempFolder dir;
    QtFileSystem fs;
    const IoStatus status = fs.replaceFile(dir.file(QStringLiteral("Week/Monday.txt")), "x");
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.reason.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Week"))));
}

TEST(FileSystem, ReadReportsWhyAFileCannotBeRead)
{
    TempFolder dir;
    QtFileSystem fs;
    QString reason;
    EXPECT_FALSE(fs.readFile(dir.file(QStringLiteral("absent")), &reason));
    EXPECT_FALSE(reason.isEmpty());
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
