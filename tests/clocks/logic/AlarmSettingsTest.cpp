#include "clocks/logic/AlarmSettings.h"

#include "support/SettingsOnDisk.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {

using AlarmSettingsTest = veltrano::test::SettingsOnDisk;

} // namespace

TEST_F(AlarmSettingsTest, MissingKeysGiveAnEmptyDisabledAlarm)
{
    EXPECT_EQ(ReadAlarmSettings(store()), AlarmSettings{});
    const AlarmSettings stored = ReadAlarmSettings(
        store("[MainForm]\r\nAlarm1Sound=/home/me/wake.wav\r\nAlarm1Time=7:30:00\r\nAlarm1Checked=1\r\n"));
    EXPECT_EQ(stored, (AlarmSettings{QStringLiteral("/home/me/wake.wav"), QStringLiteral("7:30:00"), true}));
}

TEST_F(AlarmSettingsTest, WritesSoundTimeAndTickInThatOrder)
{
    SettingsStore settings = store("[MainForm]\r\nLeft=5\r\n");
    ASSERT_TRUE(WriteAlarmSettings(settings, {QStringLiteral("/snd/a.mp3"), QStringLiteral("6:00:00"), true}));
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")),
              "[MainForm]\r\nLeft=5\r\nAlarm1Sound=/snd/a.mp3\r\nAlarm1Time=6:00:00\r\nAlarm1Checked=1\r\n");
}

TEST_F(AlarmSettingsTest, StopsAtTheFirstRefusedWriteWithOneReport)
{
    SettingsStore settings = store();
    files.diskFull = true;
    EXPECT_FALSE(WriteAlarmSettings(settings, {QStringLiteral("x"), QStringLiteral("6:00:00"), true}));
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(files.replaceCount, 1);
}
