#include "app/logic/PanelMenuState.h"
#include "common/logic/SettingsStore.h"

#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace veltrano;

TEST(LightenColour, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(LightenChannel(0, 50), 128);   // 127.5
    EXPECT_EQ(LightenChannel(2, 50), 128);   // 128.5
    EXPECT_EQ(LightenChannel(4, 50), 130);   // 129.5
    EXPECT_EQ(LightenChannel(240, 50), 248); // 247.5
    EXPECT_EQ(LightenChannel(238, 50), 246); // 246.5
}

TEST(LightenColour, WholeResultsAndTheEnds)
{
    EXPECT_EQ(LightenChannel(239, 50), 247);
    EXPECT_EQ(LightenChannel(255, 50), 255);
    EXPECT_EQ(LightenChannel(100, 0), 100);
    EXPECT_EQ(LightenChannel(100, 100), 255);
    EXPECT_EQ(LightenChannel(1, 10), 26); // 26.4
    EXPECT_EQ(LightenChannel(3, 10), 28); // 28.2
    EXPECT_EQ(LightenChannel(0, 30), 76); // 76.5
}

TEST(LightenColour, EachChannelOnItsOwn)
{
    EXPECT_EQ(LightenColour(QColor(240, 240, 240), 50), QColor(248, 248, 248));
    EXPECT_EQ(LightenColour(QColor(0, 2, 239), 50), QColor(128, 128, 247));
}

TEST(MenuFrameRect, ItemsAre52ApartFromLeft4ToRight88)
{
    const auto first = MenuFrameRect(1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->left(), 4);
    EXPECT_EQ(first->top(), 4);
    EXPECT_EQ(first->left() + first->width(), 88);
    EXPECT_EQ(first->top() + first->height(), 56);
    const auto second = MenuFrameRect(2);
    EXPECT_EQ(second->top(), 56);
    EXPECT_EQ(second->top() + second->height(), 108);
    const auto fifth = MenuFrameRect(5);
    EXPECT_EQ(fifth->top(), 212);
    EXPECT_EQ(fifth->top() + fifth->height(), 264);
    EXPECT_EQ(MenuFrameRect(7)->top(), 316);
}

TEST(MenuFrameRect, NoFrameOutsideOneToSeven)
{
    EXPECT_FALSE(MenuFrameRect(0));
    EXPECT_FALSE(MenuFrameRect(8));
    EXPECT_FALSE(MenuFrameRect(-1));
}

TEST(TodayGridFit, RowsFollowTheHeightFrom450Up)
{
    EXPECT_EQ(TodayGridFit(500, 520), (TodayGridSize{440, 20}));
    EXPECT_EQ(TodayGridFit(500, 449).defaultRowHeight, 16);
    EXPECT_EQ(TodayGridFit(500, 450).defaultRowHeight, 17);
    EXPECT_EQ(TodayGridFit(60, 100).column1Width, 0);
}

TEST(PanelMenuRender, StartsOnTodayWithNothingHovered)
{
    PanelMenuState state;
    EXPECT_EQ(state.selectedItem(), 1u);
    EXPECT_EQ(state.hoveredItem(), 0u);
    state.setSelectedItem(5);
    state.setHoveredItem(2);
    EXPECT_EQ(state.selectedItem(), 5u);
    EXPECT_EQ(state.hoveredItem(), 2u);
}

TEST(Hints, ShortAndLongParts)
{
    const QString hint = QStringLiteral("Timeline...|Shows my time-table");
    EXPECT_EQ(HintShortPart(hint), QStringLiteral("Timeline..."));
    EXPECT_EQ(HintLongPart(hint), QStringLiteral("Shows my time-table"));
    EXPECT_EQ(HintLongPart(QStringLiteral("Exit...")), QStringLiteral("Exit..."));
    EXPECT_EQ(HintLongPart(QStringLiteral("a|b|c")), QStringLiteral("b|c"));
}

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
