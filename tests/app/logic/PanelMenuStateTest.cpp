#include "app/logic/PanelMenuState.h"

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
