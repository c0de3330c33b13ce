#include "app/logic/OptionsSettings.h"

#include "support/SettingsOnDisk.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {

using ConfSettingsTest = test::SettingsOnDisk;

// The defaults are what is in effect: the main window restores its place and
// size when nothing is stored, so the dialog reads both as set, and OK for
// any other reason keeps them so.
TEST_F(ConfSettingsTest, EmptyFileGivesTheDefaultsInEffectAndOkWritesThem)
{
    SettingsStore settings = store();
    const ConfigurationValues values = ReadConfigurationValues(settings);
    EXPECT_EQ(values, ConfigurationValues{});
    EXPECT_TRUE(values.saveWinPos);
    EXPECT_TRUE(values.saveWinSize);
    EXPECT_EQ(values.toDoAlphaPos, 230);
    ASSERT_TRUE(WriteConfigurationValues(settings, values));
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")),
              "[Common]\r\nTo-Do Pos=1\r\nTo-Do Alpha=1\r\nQAS Alpha=1\r\nTo-Do Alpha Pos=230\r\n"
              "Clock Position=0\r\nTo-Do Autostart=1\r\n"
              "[MainForm]\r\nSaveWinPos=1\r\nSaveWinSize=1\r\n");
}

TEST_F(ConfSettingsTest, QasAlphaAlwaysFollowsToDoAlpha)
{
    SettingsStore settings = store("[Common]\r\nQAS Alpha=1\r\nTo-Do Alpha=1\r\n");
    ConfigurationValues values = ReadConfigurationValues(settings);
    values.toDoAlpha = false;
    values.toDoAlphaPos = 17;
    ASSERT_TRUE(WriteConfigurationValues(settings, values));
    const QByteArray ini = dir.read(QStringLiteral("PM.INI"));
    EXPECT_TRUE(ini.contains("QAS Alpha=0\r\n"));
    EXPECT_TRUE(ini.contains("To-Do Alpha=0\r\n"));
    EXPECT_EQ(ReadConfigurationValues(store()), values);
}

TEST_F(ConfSettingsTest, RefusedWriteStopsTheSaveWithOneReport)
{
    SettingsStore settings = store();
    files.diskFull = true;
    EXPECT_FALSE(WriteConfigurationValues(settings, ConfigurationValues{}));
    EXPECT_EQ(errors.size(), 1);
}

} // namespace
