// The file system on Win32: what the program's stores rely on.
#include "platform/qt/QtFileSystem.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <windows.h>

using namespace veltrano;
using test::TempFolder;

namespace {

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

TEST(WindowsFiles, ReplaceWritesWholeKeepsAttributesAndLeavesNothingBeside)
{
    TempFolder dir;
    QtFileSystem fs;
    const QString path = dir.file(QStringLiteral("PM.INI"));
    ASSERT_TRUE(fs.replaceFile(path, "[Application]\r\nOne=1\r\n").ok);
    ASSERT_TRUE(SetFileAttributesW(native(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    const IoStatus again = fs.replaceFile(path, "[Application]\r\nTwo=2\r\n");
    ASSERT_TRUE(again.ok) << again.reason.toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[Application]\r\nTwo=2\r\n");
    EXPECT_TRUE(GetFileAttributesW(native(path).c_str()) & FILE_ATTRIBUTE_HIDDEN);
    const QList<FolderEntry> entries = fs.listFolder(dir.path());
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].name, u"PM.INI");
    EXPECT_TRUE(entries[0].hidden);
}

TEST(WindowsFiles, ReadOnlyTargetAndMissingFolderAreRefusedWithTheOldFileKept)
{
    TempFolder dir;
    QtFileSystem fs;
    const QString path = dir.file(QStringLiteral("list.todo"));
    dir.write(QStringLiteral("list.todo"), "old\r\n");
    ASSERT_TRUE(SetFileAttributesW(native(path).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(fs.replaceFile(path, "new\r\n").ok);
    EXPECT_EQ(dir.read(QStringLiteral("list.todo")), "old\r\n");
    SetFileAttributesW(native(path).c_str(), FILE_ATTRIBUTE_NORMAL);

    const IoStatus missing = fs.replaceFile(dir.file(QStringLiteral("no/such/file")), "x");
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.reason.isEmpty());
    EXPECT_EQ(fs.removeReplaceLeftovers(dir.path()), 0);
}

TEST(WindowsFiles, ReadRefusesDevicesFoldersAndWhatIsOverTheBound)
{
    TempFolder dir;
    QtFileSystem fs;
    QString reason;
    EXPECT_FALSE(fs.readFile(QStringLiteral("NUL"), &reason));
    EXPECT_EQ(reason, NotRegularFileReason());
    EXPECT_FALSE(fs.readFile(dir.path(), &reason));
    EXPECT_EQ(reason, NotRegularFileReason());

    dir.write(QStringLiteral("note.rtf"), QByteArray(100, 'x'));
    EXPECT_FALSE(fs.readFile(dir.file(QStringLiteral("note.rtf")), &reason, 99));
    EXPECT_EQ(reason, TooLargeReason(99));
    const auto whole = fs.readFile(dir.file(QStringLiteral("note.rtf")), &reason, 100);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->size(), 100);

    EXPECT_FALSE(fs.readFile(dir.file(QStringLiteral("absent.txt")), &reason));
    EXPECT_FALSE(reason.isEmpty());
}

TEST(WindowsFiles, ReadsAFileAnotherProgramHoldsOpenForWriting)
{
    TempFolder dir;
    QtFileSystem fs;
    const QString path = dir.file(QStringLiteral("Monday.txt"));
    dir.write(QStringLiteral("Monday.txt"), "9:00\r\n");
    HANDLE writer = CreateFileW(native(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(fs.readFile(path).value_or(QByteArray()), "9:00\r\n");
    CloseHandle(writer);
}

TEST(WindowsFiles, ListingIsByNameIgnoringCaseWithKinds)
{
    TempFolder dir;
    QtFileSystem fs;
    QDir(dir.path()).mkpath(QStringLiteral("beta"));
    QDir(dir.path()).mkpath(QStringLiteral("Alpha"));
    dir.write(QStringLiteral("_x.txt"), "x");
    dir.write(QStringLiteral("Zeta.txt"), "z");
    const QList<FolderEntry> entries = fs.listFolder(dir.path());
    QStringList names;
    for (const FolderEntry &entry : entries)
        names << entry.name;
    EXPECT_EQ(names, (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("Zeta.txt"), QStringLiteral("_x.txt")}));
    EXPECT_EQ(entries[0].kind, FolderEntry::Kind::Folder);
    EXPECT_EQ(entries[2].kind, FolderEntry::Kind::File);
    EXPECT_TRUE(fs.listFolder(dir.file(QStringLiteral("missing"))).isEmpty());
}

TEST(WindowsFiles, MakePathAndRenameSayWhyTheyRefuse)
{
    TempFolder dir;
    QtFileSystem fs;
    EXPECT_TRUE(fs.makePath(dir.file(QStringLiteral("Projects Group/One/Two"))).ok);
    EXPECT_TRUE(fs.makePath(dir.file(QStringLiteral("Projects Group/One/Two"))).ok); // already there
    dir.write(QStringLiteral("file"), "x");
    const IoStatus blocked = fs.makePath(dir.file(QStringLiteral("file/below")));
    EXPECT_FALSE(blocked.ok);
    EXPECT_FALSE(blocked.reason.isEmpty());

    EXPECT_TRUE(fs.rename(dir.file(QStringLiteral("Projects Group/One")), dir.file(QStringLiteral("Projects Group/Uno"))).ok);
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("Projects Group/Uno/Two"))));
    // Never over what is there, a file or a folder.
    QDir(dir.path()).mkpath(QStringLiteral("Projects Group/Dos"));
    const IoStatus over = fs.rename(dir.file(QStringLiteral("Projects Group/Uno")), dir.file(QStringLiteral("Projects Group/Dos")));
    EXPECT_FALSE(over.ok);
    EXPECT_FALSE(over.reason.isEmpty());
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("Projects Group/Uno/Two"))));
    EXPECT_FALSE(fs.rename(dir.file(QStringLiteral("Projects Group/Uno")), dir.file(QStringLiteral("file"))).ok);
}

TEST(WindowsFiles, LeftoversOfACutShortReplaceAreRemovedAndNothingElse)
{
    TempFolder dir;
    QtFileSystem fs;
    dir.write(ReplaceTemporaryName(QStringLiteral("PM.INI"), u"Ab3xYz"), "half");
    dir.write(QStringLiteral(".PM.INI.veltrano-save-notours"), "user's");
    dir.write(QStringLiteral("PM.INI"), "whole");
    EXPECT_EQ(fs.removeReplaceLeftovers(dir.path()), 1);
    EXPECT_EQ(fs.listFolder(dir.path()).size(), 2);
}

TEST(WindowsFiles, ADriveRootIsAMountPointAndAFolderIsNot)
{
    TempFolder dir;
    QtFileSystem fs;
    EXPECT_TRUE(fs.isMountPoint(QStringLiteral("C:/")));
    EXPECT_FALSE(fs.isMountPoint(dir.path()));
}
