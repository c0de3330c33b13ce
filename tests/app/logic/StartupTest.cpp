#include "app/logic/Startup.h"
#include "common/logic/SettingsStore.h"
#include "platform/qt/QtFileSystem.h"
#include "platform/qt/Utf8SystemCodec.h"

#include "platform/fake/FakePlatform.h"
#include "support/SettingsOnDisk.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace veltrano;
using veltrano::test::TempFolder;

namespace {

using StartupTest = veltrano::test::SettingsOnDisk;

} // namespace

TEST(DataFolder, IsTheExecutablesFolderWithItsSeparator)
{
    EXPECT_EQ(ResolveDataFolder(QStringLiteral("/opt/veltrano/veltrano")), QStringLiteral("/opt/veltrano/"));
    EXPECT_EQ(ResolveDataFolder(QStringLiteral("C:\\Program\\PM.exe")), QStringLiteral("C:\\Program\\"));
    EXPECT_EQ(ResolveDataFolder(QStringLiteral("veltrano")), QString());
}

TEST(DataFolder, FallsBackToThePerUserLocationWhenNotWritable)
{
    FakeDataLocations locations;
    FakeFileSystem files;
    EXPECT_EQ(ChooseDataFolder(locations, files).path, QStringLiteral("/opt/veltrano/"));
    locations.readOnlyFolders << QStringLiteral("/opt/veltrano/");
    const DataFolderChoice choice = ChooseDataFolder(locations, files);
    EXPECT_EQ(choice.path, locations.perUser);
    EXPECT_TRUE(choice.writable);
}

// A portable copy on a read-only medium (a CD, a write-protected stick) keeps
// showing the user's data; any one of its files or folders tells that the
// folder holds them.
TEST_F(StartupTest, ReadOnlyFolderThatHoldsOurDataStaysTheDataFolder)
{
    FakeDataLocations locations;
    locations.exePath = dir.file(QStringLiteral("veltrano"));
    locations.readOnlyFolders << dir.path();
    for (const QString &ours : {QStringLiteral("PM.INI"), QStringLiteral("list.todo")}) {
        dir.write(ours, "x");
        const DataFolderChoice choice = ChooseDataFolder(locations, files);
        EXPECT_EQ(choice.path, dir.path()) << ours.toStdString();
        EXPECT_FALSE(choice.writable);
        QFile::remove(dir.file(ours));
    }
    for (const QString &ours : {QStringLiteral("Projects Group"), QStringLiteral("Week")}) {
        QDir().mkpath(dir.file(ours));
        EXPECT_EQ(ChooseDataFolder(locations, files).path, dir.path()) << ours.toStdString();
        QDir(dir.file(ours)).removeRecursively();
    }
    dir.write(QStringLiteral("readme.txt"), "not ours");
    EXPECT_EQ(ChooseDataFolder(locations, files).path, locations.perUser);
}

// Installed in a prefix (bin/ with share/veltrano beside it) or by the
// package manager, the program keeps its data per user whatever it may write:
// run as root it could write /usr/bin, and must not fill it with PM.INI.
TEST_F(StartupTest, InstalledProgramUsesThePerUserFolderEvenWhereItCouldWrite)
{
    FakeDataLocations locations;
    locations.exePath = dir.file(QStringLiteral("usr/bin/veltrano"));
    dir.write(QStringLiteral("usr/bin/veltrano"), "program");
    dir.write(QStringLiteral("usr/bin/PM.INI"), "[Application]\r\n"); // from an earlier run as root
    EXPECT_EQ(ChooseDataFolder(locations, files).path, dir.file(QStringLiteral("usr/bin/")));
    QDir().mkpath(dir.file(QStringLiteral("usr/share/veltrano/Help")));
    EXPECT_EQ(ChooseDataFolder(locations, files).path, locations.perUser);

    locations.exePath = dir.file(QStringLiteral("opt/veltrano/veltrano"));
    dir.write(QStringLiteral("opt/veltrano/veltrano"), "program");
    EXPECT_EQ(ChooseDataFolder(locations, files).path, dir.file(QStringLiteral("opt/veltrano/")));
    locations.packaged << locations.exePath;
    EXPECT_EQ(ChooseDataFolder(locations, files).path, locations.perUser);
}

// A first start finds no settings file: the folders the project tree and the
// day files need are made, empty. Once the program has run, a folder the user
// removed stays removed.
TEST_F(StartupTest, FirstStartSetsTheDataFolderUpAndLaterStartsLeaveIt)
{
    const QString data = dir.file(QStringLiteral("portable/"));
    PrepareDataFolder(files, data);
    EXPECT_TRUE(files.isFolder(data + QStringLiteral("Projects Group")));
    EXPECT_TRUE(files.isFolder(data + QStringLiteral("Week")));
    EXPECT_TRUE(files.listFolder(data + QStringLiteral("Projects Group")).isEmpty());
    EXPECT_TRUE(files.listFolder(data + QStringLiteral("Week")).isEmpty());

    dir.write(QStringLiteral("portable/PM.INI"), "[Application]\r\nHiden=0\r\n");
    ASSERT_TRUE(files.removeFolder(data + QStringLiteral("Week")));
    ASSERT_TRUE(files.removeFolder(data + QStringLiteral("Projects Group")));
    PrepareDataFolder(files, data);
    EXPECT_FALSE(files.exists(data + QStringLiteral("Projects Group")));
    EXPECT_FALSE(files.exists(data + QStringLiteral("Week")));
}

TEST_F(StartupTest, FirstStartKeepsWhatAShippedCopyAlreadyHolds)
{
    dir.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "{\\rtf1 a}");
    PrepareDataFolder(files, dir.path());
    EXPECT_EQ(dir.read(QStringLiteral("Projects Group/Alpha/note.rtf")), "{\\rtf1 a}");
    EXPECT_TRUE(files.isFolder(dir.file(QStringLiteral("Week"))));
}

// Writes a kill cut short leave temporary files beside the settings, the
// to-do list, the day files and the notes; each start clears them away, and
// leaves everything else where it is.
TEST_F(StartupTest, StartClearsAwayTheTemporariesOfWritesCutShort)
{
    dir.write(QStringLiteral("PM.INI"), "[Application]\r\n");
    const QStringList leftovers{
        ReplaceTemporaryName(QStringLiteral("PM.INI"), u"Ab12Cd"),
        ReplaceTemporaryName(QStringLiteral("list.todo"), u"zzzzzz"),
        QStringLiteral("Week/") + ReplaceTemporaryName(QStringLiteral("Monday.txt"), u"Q9Q9Q9"),
        QStringLiteral("Projects Group/Work/Plans/") + ReplaceTemporaryName(QStringLiteral("note.rtf"), u"abcdef")};
    const QStringList kept{QStringLiteral("PM.INI"), QStringLiteral("PM.INI.backup"), QStringLiteral("list.todo.AbCdEf"),
                           QStringLiteral("Week/Monday.txt~"), QStringLiteral("Projects Group/Work/Plans/note.rtf"),
                           QStringLiteral("Projects Group/Work/.note.rtf.swp")};
    for (const QString &name : leftovers + kept)
        dir.write(name, "x");
    PrepareDataFolder(files, dir.path());
    for (const QString &name : leftovers)
        EXPECT_FALSE(files.exists(dir.file(name))) << name.toStdString();
    for (const QString &name : kept)
        EXPECT_EQ(dir.read(name), "x") << name.toStdString();
}

TEST(SingleInstanceRule, SecondCopyIsRefusedWhileTheFirstHoldsTheMarker)
{
    FakeSingleInstance instance;
    const QString data = QStringLiteral("/home/user/.local/share/Veltrano/");
    auto first = AcquireSingleInstance(instance, data);
    ASSERT_TRUE(first);
    EXPECT_TRUE(instance.held.contains(QStringLiteral("Veltrano 1.1")));
    EXPECT_TRUE(instance.heldFolders.contains(data));
    EXPECT_FALSE(AcquireSingleInstance(instance, data));
    first.reset();
    EXPECT_TRUE(AcquireSingleInstance(instance, data));
}

// The user's marker passed (another runtime folder), the data folder held: the
// copy is refused, and lets go of what it took.
TEST(SingleInstanceRule, ACopyOnADataFolderInUseIsRefused)
{
    FakeSingleInstance instance;
    const QString data = QStringLiteral("/opt/veltrano/");
    const auto otherCopy = instance.acquireFolder(data);
    EXPECT_FALSE(AcquireSingleInstance(instance, data));
    EXPECT_TRUE(instance.held.isEmpty());
    EXPECT_TRUE(AcquireSingleInstance(instance, QStringLiteral("/media/stick/veltrano/")));
}

TEST_F(StartupTest, EmptySettingsGiveTheDefaults)
{
    const StartupValues v = ReadStartupSettings(store());
    EXPECT_FALSE(v.flags.hidden);
    EXPECT_EQ(v.size, QSize(780, 590));
    EXPECT_EQ(v.position, QPoint(0, 0));
    EXPECT_TRUE(v.bars.main && v.bars.bottom && v.bars.status);
}

TEST_F(StartupTest, SizeFlagOffIgnoresTheStoredSize)
{
    const StartupValues v = ReadStartupSettings(store("[MainForm]\r\nSaveWinSize=0\r\nWid=900\r\nHei=700\r\n"));
    EXPECT_EQ(v.size, QSize(450, 640));
    EXPECT_EQ(v.size.expandedTo(kMainMinimumSize), QSize(600, 640));
}

TEST_F(StartupTest, PositionFlagOffMeansCentred)
{
    const StartupValues v = ReadStartupSettings(store("[MainForm]\r\nSaveWinPos=0\r\nLeft=300\r\nTop=200\r\n"));
    EXPECT_FALSE(v.position.has_value());
}

TEST_F(StartupTest, StoredValuesAreRead)
{
    const StartupValues v = ReadStartupSettings(store(
        "[Application]\r\nHiden=1\r\n[MainForm]\r\nLeft=-20\r\nTop=$10\r\nWid=800\r\nHei=0x250\r\n"
        "Alarm1Sound=/home/me/wake.wav\r\nAlarm1Time=7:30:00\r\nAlarm1Checked=1\r\n"
        "[ToolBars]\r\nMain=0\r\nBottom=1\r\nStatus=0\r\n[Common]\r\nTo-Do Autostart=0\r\n"));
    EXPECT_TRUE(v.flags.hidden);
    EXPECT_EQ(v.position, QPoint(-20, 16));
    EXPECT_EQ(v.size, QSize(800, 592));
    EXPECT_FALSE(v.bars.main);
    EXPECT_TRUE(v.bars.bottom);
    EXPECT_FALSE(v.bars.status);
}

// A stored size beyond the screen (a hand-edited or damaged PM.INI) would make
// a window of gigabytes; it is cut to the screen's free area, and every size a
// user could drag the window to on that screen stays as it was.
TEST_F(StartupTest, StoredSizeIsBoundedByTheScreenAndAnyUsersSizeKept)
{
    const QSize screen(1920, 1050);
    const auto sizeFrom = [&](const char *wid, const char *hei) {
        return ReadStartupSettings(store(QByteArray("[MainForm]\r\nWid=") + wid + "\r\nHei=" + hei + "\r\n"), screen)
            .size;
    };
    EXPECT_EQ(sizeFrom("0x7FFFFFFF", "0x7FFFFFFF"), screen);
    EXPECT_EQ(sizeFrom("16777215", "700"), QSize(1920, 700));
    EXPECT_EQ(sizeFrom("1920", "1050"), screen);
    EXPECT_EQ(sizeFrom("1234", "987"), QSize(1234, 987));
    EXPECT_EQ(sizeFrom("-5", "100"), QSize(-5, 100)); // the minimum size raises these later
    const StartupValues fixed = ReadStartupSettings(store("[MainForm]\r\nSaveWinSize=0\r\n"), QSize(800, 600));
    EXPECT_EQ(fixed.size, QSize(450, 640)); // the program's own size, not a stored one
}

TEST(Greeting, DateAndTimeFollowLineFeedThenCarriageReturn)
{
    FakeRegionalFormats formats;
    const QDateTime now(QDate(2026, 12, 8), QTime(7, 5, 9));
    EXPECT_EQ(ComposeGreeting(now, formats), QStringLiteral("Good time of the day! Today is:\n\r08.12.2026\n\r7:05:09"));
}

TEST_F(StartupTest, ShutdownWritesTheMainWindowKeysInOrder)
{
    SettingsStore settings = store("[ToDo Form]\r\nLeft=1\r\n");
    ShutdownValues values;
    values.hidden = true;
    values.position = QPoint(12, -3);
    values.size = QSize(815, 616);
    ASSERT_TRUE(WriteShutdownSettings(settings, values));
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")),
              "[ToDo Form]\r\nLeft=1\r\n[Application]\r\nHiden=1\r\n[MainForm]\r\nLeft=12\r\nTop=-3\r\n"
              "Wid=815\r\nHei=616\r\n");
}

TEST_F(StartupTest, ShutdownStopsAtTheFirstRefusedWriteWithOneReport)
{
    SettingsStore settings = store("[MainForm]\r\nLeft=5\r\n");
    files.diskFull = true;
    EXPECT_FALSE(WriteShutdownSettings(settings, ShutdownValues{}));
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(files.replaceCount, 1);
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[MainForm]\r\nLeft=5\r\n");
}
