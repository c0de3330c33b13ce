#include "todo/logic/ToDoSettings.h"

#include "support/SettingsOnDisk.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {

using ToDoSettingsTest = test::SettingsOnDisk;

TEST_F(ToDoSettingsTest, PlacementDefaultsAndRoundTrip)
{
    SettingsStore settings = store();
    EXPECT_TRUE(ReadToDoPositionMemory(settings));
    EXPECT_EQ(ReadToDoPlacement(settings), QRect(0, 0, 226, 356));
    ASSERT_TRUE(WriteToDoPlacement(settings, QRect(-20, 40, 300, 500)));
    EXPECT_TRUE(dir.read(QStringLiteral("PM.INI")).contains("[ToDo Form]\r\nLeft=-20\r\nTop=40\r\nWidth=300\r\nHeight=500"));
    EXPECT_EQ(ReadToDoPlacement(store()), QRect(-20, 40, 300, 500));
    EXPECT_FALSE(ReadToDoPositionMemory(store("[Common]\r\nTo-Do Pos=0\r\n")));
}

TEST_F(ToDoSettingsTest, RefusedPlacementStopsAtTheFirstKey)
{
    SettingsStore settings = store();
    files.diskFull = true;
    EXPECT_FALSE(WriteToDoPlacement(settings, QRect(1, 2, 3, 4)));
    EXPECT_EQ(errors.size(), 1);
}

TEST(ToDoBlending, ShownThenUnderTheMouseThenLeft)
{
    EXPECT_EQ(BlendOnShow(230), 220);
    EXPECT_EQ(BlendUnderMouse(230), 230);
    EXPECT_EQ(BlendAfterMouseLeft(230), 225);
}

// Below the step the window goes fully clear instead of wrapping round to an
// almost opaque value.
TEST(ToDoBlending, LowValuesStopAtClearInsteadOfWrapping)
{
    EXPECT_EQ(BlendOnShow(5), 0);
    EXPECT_EQ(BlendOnShow(10), 0);
    EXPECT_EQ(BlendAfterMouseLeft(3), 0);
    EXPECT_EQ(BlendAfterMouseLeft(7), 2);
    EXPECT_EQ(BlendUnderMouse(0), 0);
}

} // namespace
