#include "app/logic/MainWindowSettings.h"
#include "common/logic/SettingsStore.h"
#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace veltrano;

TEST(SizePresets, OuterSizes)
{
    EXPECT_EQ(SizePresetOuterSize(SizePreset::Default), QSize(640, 450));
    EXPECT_EQ(SizePresetOuterSize(SizePreset::Large), QSize(740, 567));
    EXPECT_EQ(SizePresetOuterSize(SizePreset::VeryLarge), QSize(815, 616));
}

TEST(BarSettings, EachBarHasItsKey)
{
    test::TempFolder dir;
    FakePlatform platform;
    SettingsStore settings(platform.filesFake, platform.codec, dir.file(QStringLiteral("PM.INI")), {});
    WriteBarShown(settings, Bar::Main, false);
    WriteBarShown(settings, Bar::Bottom, true);
    WriteBarShown(settings, Bar::Status, false);
    const QByteArray ini = dir.read(QStringLiteral("PM.INI"));
    EXPECT_TRUE(ini.contains("[ToolBars]"));
    EXPECT_TRUE(ini.contains("Main=0"));
    EXPECT_TRUE(ini.contains("Bottom=1"));
    EXPECT_TRUE(ini.contains("Status=0"));
}
