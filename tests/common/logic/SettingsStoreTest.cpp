#include "common/logic/SettingsStore.h"
#include "common/logic/BackgroundWriter.h"
#include "platform/qt/Utf8SystemCodec.h"

#include "platform/fake/FakePlatform.h"
#include "support/HostileFiles.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace veltrano;
using veltrano::test::TempFolder;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    // Through the files themselves, or through the writer that remembers
    // what it read and wrote.
    SettingsStore open() { return open(files); }
    template <typename Files> SettingsStore open(Files &through)
    {
        return SettingsStore(through, codec, dir.file(QStringLiteral("PM.INI")),
                             [this](const QString &message) { errors << message; });
    }
    SettingsStore withFile(const QByteArray &bytes)
    {
        dir.write(QStringLiteral("PM.INI"), bytes);
        return open();
    }

    TempFolder dir;
    FakeFileSystem files;
    FakeClock clock;
    BackgroundWriter writer{files, clock, QStringLiteral("desk")};
    Utf8SystemCodec codec;
    QStringList errors;
};

const QString kMain = QStringLiteral("MainForm");

} // namespace

TEST_F(SettingsStoreTest, MissingFileYieldsEachCallersDefaultAndIsNotCreatedByReading)
{
    SettingsStore store = open();
    EXPECT_EQ(store.readInteger(kMain, QStringLiteral("Wid"), 780), 780);
    EXPECT_TRUE(store.readBool(kMain, QStringLiteral("SaveWinPos"), true));
    EXPECT_FALSE(store.readBool(kMain, QStringLiteral("SaveWinPos"), false));
    EXPECT_EQ(store.readString(kMain, QStringLiteral("Alarm1Sound"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("PM.INI"))));
}

TEST_F(SettingsStoreTest, IntegersReadDecimalAndThreeHexPrefixesElseTheDefault)
{
    SettingsStore store = withFile("[MainForm]\r\nHei=0x250\r\nA=0X10\r\nB=$ff\r\nC=-42\r\nD=abc\r\nE=12abc\r\n"
                                   "F=\r\nG=99999999999\r\nH=$FFFFFFFF\r\nI=+5\r\nJ=0x\r\n");
    EXPECT_EQ(store.readInteger(kMain, QStringLiteral("Hei"), 590), 592);
    EXPECT_EQ(store.readInteger(kMain, QStringLiteral("A"), 0), 16);
    EXPECT_EQ(store.readInteger(kMain, QStringLiteral("B"), 0), 255);
    EXPECT_EQ(store.readInteger(kMain, QStringLiteral("C"), 0), -42);
    EXPECT_EQ(store.readInteger(kMain, QStringLiteral("H"), 0), -1);
    for (const char *bad : {"D", "E", "F", "G", "I", "J"})
        EXPECT_EQ(store.readInteger(kMain, QString::fromLatin1(bad), 590), 590) << bad;
}

TEST_F(SettingsStoreTest, BooleansAreIntegersWhereNonZeroIsTrue)
{
    SettingsStore store = withFile("[Common]\r\nA=2\r\nB=0\r\nC=yes\r\nD=$0\r\n");
    const QString common = QStringLiteral("Common");
    EXPECT_TRUE(store.readBool(common, QStringLiteral("A"), false));
    EXPECT_FALSE(store.readBool(common, QStringLiteral("B"), true));
    EXPECT_TRUE(store.readBool(common, QStringLiteral("C"), true));
    EXPECT_FALSE(store.readBool(common, QStringLiteral("C"), false));
    EXPECT_FALSE(store.readBool(common, QStringLiteral("D"), true));
}

TEST_F(SettingsStoreTest, StringsAreTrimmedUnquotedAndCutAt2047Characters)
{
    const QByteArray longValue(3000, 'x');
    SettingsStore store = withFile("[MainForm]\r\nA=  spaced out  \r\nB=\"quoted \"\r\nC='single'\r\nD=\"half\r\n"
                                   "Alarm1Sound=" + longValue + "\r\nE=\r\n");
    EXPECT_EQ(store.readString(kMain, QStringLiteral("A"), {}), QStringLiteral("spaced out"));
    EXPECT_EQ(store.readString(kMain, QStringLiteral("B"), {}), QStringLiteral("quoted "));
    EXPECT_EQ(store.readString(kMain, QStringLiteral("C"), {}), QStringLiteral("single"));
    EXPECT_EQ(store.readString(kMain, QStringLiteral("D"), {}), QStringLiteral("\"half"));
    EXPECT_EQ(store.readString(kMain, QStringLiteral("Alarm1Sound"), {}), QString(2047, u'x'));
    EXPECT_EQ(store.readString(kMain, QStringLiteral("E"), QStringLiteral("default")), QString());
}

TEST_F(SettingsStoreTest, EveryWriteReachesTheFileAtOnce)
{
    SettingsStore store = open();
    ASSERT_TRUE(store.writeBool(QStringLiteral("ToolBars"), QStringLiteral("Status"), false));
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[ToolBars]\r\nStatus=0\r\n");
    ASSERT_TRUE(store.writeInteger(kMain, QStringLiteral("Left"), -12));
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[ToolBars]\r\nStatus=0\r\n[MainForm]\r\nLeft=-12\r\n");
    EXPECT_TRUE(errors.isEmpty());
}

// A full disk is told once, not at every key; once a write goes through
// again, the next refusal is told again.
TEST_F(SettingsStoreTest, ARefusalIsToldOnceUntilAWriteGoesThrough)
{
    SettingsStore store = withFile("[MainForm]\r\nLeft=5\r\n");
    files.diskFull = true;
    EXPECT_FALSE(store.writeInteger(kMain, QStringLiteral("Left"), 9));
    EXPECT_FALSE(store.writeInteger(kMain, QStringLiteral("Top"), 9));
    EXPECT_EQ(errors.size(), 1);
    files.diskFull = false;
    EXPECT_TRUE(store.writeInteger(kMain, QStringLiteral("Top"), 3));
    files.diskFull = true;
    EXPECT_FALSE(store.writeInteger(kMain, QStringLiteral("Top"), 4));
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[MainForm]\r\nLeft=5\r\nTop=3\r\n");
}

// The last writes of a run: the first refusal is held for the caller to
// tell after everything else, and nothing is tried after it.
TEST_F(SettingsStoreTest, AtTheEndARefusalIsHeldAndStopsTheWrites)
{
    SettingsStore store = withFile("[MainForm]\r\nLeft=5\r\n");
    files.diskFull = true;
    const int before = files.replaceCount;
    {
        const SettingsStore::ExitWrites exitWrites(store);
        EXPECT_FALSE(store.writeInteger(kMain, QStringLiteral("Left"), 1));
        EXPECT_FALSE(store.writeInteger(kMain, QStringLiteral("Top"), 1));
        EXPECT_EQ(files.replaceCount - before, 1);
        EXPECT_TRUE(errors.isEmpty());
        ASSERT_TRUE(exitWrites.refusal());
        EXPECT_TRUE(exitWrites.refusal()->startsWith(QStringLiteral("Unable to write to ")));
    }
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[MainForm]\r\nLeft=5\r\n");
}

TEST_F(SettingsStoreTest, RefusedWriteIsReportedAndLosesNothing)
{
    SettingsStore store = withFile("[MainForm]\r\nLeft=5\r\n");
    files.diskFull = true;
    EXPECT_FALSE(store.writeInteger(kMain, QStringLiteral("Left"), 9));
    EXPECT_EQ(errors, QStringList{QStringLiteral("Unable to write to ") + dir.file(QStringLiteral("PM.INI"))});
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[MainForm]\r\nLeft=5\r\n");
    EXPECT_EQ(store.readInteger(kMain, QStringLiteral("Left"), 0), 5);
}

TEST_F(SettingsStoreTest, ReadOnlyFileIsReportedAndKept)
{
    SettingsStore store = withFile("[MainForm]\r\nLeft=5\r\n");
    QFile::setPermissions(dir.file(QStringLiteral("PM.INI")), QFileDevice::ReadOwner);
    EXPECT_FALSE(store.writeInteger(kMain, QStringLiteral("Left"), 9));
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[MainForm]\r\nLeft=5\r\n");
}

TEST_F(SettingsStoreTest, UnreadableFileIsNeverOverwrittenWithOnlyThisRunsValues)
{
    dir.write(QStringLiteral("PM.INI"), "[MainForm]\r\nLeft=5\r\n");
    files.unreadable << dir.file(QStringLiteral("PM.INI"));
    SettingsStore store = open();
    EXPECT_FALSE(store.writeInteger(kMain, QStringLiteral("Top"), 9));
    EXPECT_EQ(errors.size(), 1);
    files.unreadable.clear(); // readable again: the next write goes through with every key kept
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[MainForm]\r\nLeft=5\r\n");
    EXPECT_TRUE(store.writeInteger(kMain, QStringLiteral("Top"), 9));
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), "[MainForm]\r\nLeft=5\r\nTop=9\r\n");
}

// A FIFO as PM.INI kept the main window from ever appearing, /dev/zero or a
// sparse gigabyte ended the start: each now reads as no settings at once,
// and no write goes over it.
TEST_F(SettingsStoreTest, HostileFileGivesTheDefaultsAndIsNeverWrittenOver)
{
    const QString path = dir.file(QStringLiteral("PM.INI"));
    for (const test::HostileCase &hostile : test::AllHostileCases()) {
        ASSERT_TRUE(test::MakeHostile(path, hostile.kind, kSettingsFileLimit)) << hostile.name;
        errors.clear();
        SettingsStore store = open();
        EXPECT_EQ(store.readInteger(kMain, QStringLiteral("Wid"), 780), 780) << hostile.name;
        EXPECT_FALSE(store.writeBool(QStringLiteral("ToolBars"), QStringLiteral("Status"), false)) << hostile.name;
        EXPECT_EQ(errors, QStringList{u"Unable to write to " + path}) << hostile.name;
        EXPECT_TRUE(test::StillHostile(path, hostile.kind, kSettingsFileLimit)) << hostile.name;
    }
}

TEST_F(SettingsStoreTest, LegacyEncodedFileIsWrittenBackInItsOwnEncoding)
{
    SettingsStore store = withFile("; \xcd\xe0\xf1\xf2\xf0\xee\xe9\xea\xe8\r\n[MainForm]\r\nAlarm1Sound=C:\\\xcc\xf3\xe7\xfb\xea\xe0\\a.wav\r\n");
    EXPECT_EQ(store.readString(kMain, QStringLiteral("Alarm1Sound"), {}), QStringLiteral("C:\\Музыка\\a.wav"));
    ASSERT_TRUE(store.writeInteger(kMain, QStringLiteral("Left"), 1));
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")),
              "; \xcd\xe0\xf1\xf2\xf0\xee\xe9\xea\xe8\r\n[MainForm]\r\nAlarm1Sound=C:\\\xcc\xf3\xe7\xfb\xea\xe0\\a.wav\r\nLeft=1\r\n");
}

TEST_F(SettingsStoreTest, WriteKeepsOtherLegacyValuesReadingTheSame)
{
    // Cyrillic in code page 1251. Once the path is changed, what is left in
    // 1251 ("Я»", DF BB) would happen to form UTF-8 and read as U+07FB.
    SettingsStore store = withFile("[MainForm]\r\nAlarm1Time=\xdf\xbb\r\nAlarm1Sound=\xcc\xf3\xe7\xfb\xea\xe0\r\n");
    ASSERT_EQ(store.readString(kMain, QStringLiteral("Alarm1Time"), {}), QStringLiteral("Я»"));
    ASSERT_TRUE(store.writeString(kMain, QStringLiteral("Alarm1Sound"), QStringLiteral("a.wav")));
    EXPECT_EQ(open().readString(kMain, QStringLiteral("Alarm1Time"), {}), QStringLiteral("Я»"));
}

TEST_F(SettingsStoreTest, LineBreaksInAValueCannotInjectKeys)
{
    SettingsStore store = open();
    ASSERT_TRUE(store.writeString(kMain, QStringLiteral("Alarm1Sound"), QStringLiteral("a\n[Evil]\nx=1")));
    EXPECT_FALSE(store.readString(QStringLiteral("Evil"), QStringLiteral("x"), {}).size());
    EXPECT_EQ(store.readString(kMain, QStringLiteral("Alarm1Sound"), {}), QStringLiteral("a [Evil] x=1"));
}

// A PM.INI saved by Windows Notepad as "Unicode" is read, and a write keeps it
// UTF-16 with its mark rather than mixing single bytes into it.
TEST_F(SettingsStoreTest, Utf16FileIsReadAndStaysUtf16)
{
    const QString before = QStringLiteral("[MainForm]\r\nHei=0x250\r\nAlarm1Sound=C:\\Звонок.wav\r\n");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    SettingsStore store = withFile(utf16.encode(before));
    EXPECT_EQ(store.readInteger(kMain, QStringLiteral("Hei"), 590), 592);
    EXPECT_EQ(store.readString(kMain, QStringLiteral("Alarm1Sound"), {}), QStringLiteral("C:\\Звонок.wav"));
    ASSERT_TRUE(store.writeInteger(kMain, QStringLiteral("Wid"), 800));
    QStringEncoder again(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), again.encode(before + QStringLiteral("Wid=800\r\n")));
}

TEST_F(SettingsStoreTest, WhatWasEditedOutsideWhileTheProgramRanSurvivesItsNextWrite)
{
    dir.write(QStringLiteral("PM.INI"), "[MainForm]\r\nWid=700\r\n");
    SettingsStore store = open(writer);
    ASSERT_TRUE(store.writeInteger(kMain, QStringLiteral("Wid"), 800));
    // Edited by hand: a section added, a key of the program's changed back,
    // another key added.
    dir.write(QStringLiteral("PM.INI"), "[MainForm]\r\nWid=1\r\nHei=300\r\n[Mine]\r\nKeep=yes\r\n");
    EXPECT_TRUE(store.reloadIfChangedOutside());
    EXPECT_EQ(store.readInteger(kMain, QStringLiteral("Hei"), 0), 300);
    EXPECT_FALSE(store.reloadIfChangedOutside()); // nothing new since
    ASSERT_TRUE(store.writeInteger(QStringLiteral("ToDo"), QStringLiteral("Left"), 5));
    const QByteArray written = dir.read(QStringLiteral("PM.INI"));
    EXPECT_TRUE(written.contains("[Mine]\r\nKeep=yes\r\n")) << written.constData();
    EXPECT_TRUE(written.contains("Hei=300"));
    EXPECT_TRUE(written.contains("Wid=800")); // the program changed that one this run
    EXPECT_TRUE(written.contains("[ToDo]\r\nLeft=5"));
    // Taken in, not a conflict: no copy beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SettingsStoreTest, AnEditOutsideBetweenTwoWritesIsTakenInBeforeTheSecond)
{
    SettingsStore store = open(writer);
    ASSERT_TRUE(store.writeInteger(kMain, QStringLiteral("Wid"), 800));
    dir.write(QStringLiteral("PM.INI"), "; my comment\r\n[MainForm]\r\nWid=800\r\n[Alarm]\r\nAlarm1Sound=bell.wav\r\n");
    ASSERT_TRUE(store.writeInteger(kMain, QStringLiteral("Hei"), 600));
    const QByteArray written = dir.read(QStringLiteral("PM.INI"));
    EXPECT_TRUE(written.startsWith("; my comment\r\n")) << written.constData();
    EXPECT_TRUE(written.contains("Alarm1Sound=bell.wav"));
    EXPECT_TRUE(written.contains("Hei=600"));
}
