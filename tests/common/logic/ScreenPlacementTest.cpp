#include "common/logic/ScreenPlacement.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {

const QRect kLeftScreen(0, 0, 1920, 1040);     // its task bar takes the bottom 40
const QRect kRightScreen(1920, 0, 1280, 1024);

} // namespace

TEST(KeepFrameOnScreens, AWindowInViewStaysWhereItIs)
{
    const QList<QRect> both{kLeftScreen, kRightScreen};
    EXPECT_EQ(KeepFrameOnScreens(QRect(100, 50, 780, 590), both), QPoint(100, 50));
    // Kept on the second monitor, not pulled to the first one's corner.
    EXPECT_EQ(KeepFrameOnScreens(QRect(2300, 200, 780, 590), both), QPoint(2300, 200));
    // Across the two monitors: both halves are in view.
    EXPECT_EQ(KeepFrameOnScreens(QRect(1600, 100, 600, 400), both), QPoint(1600, 100));
    // A little over an edge is still in view.
    EXPECT_EQ(KeepFrameOnScreens(QRect(-20, 10, 780, 590), both), QPoint(-20, 10));
}

TEST(KeepFrameOnScreens, AWindowLeftWhereNoScreenIsComesBackWhole)
{
    // The monitor it was on has gone: onto the nearest one, whole.
    EXPECT_EQ(KeepFrameOnScreens(QRect(2300, 200, 780, 590), {kLeftScreen}), QPoint(1920 - 780, 200));
    EXPECT_EQ(KeepFrameOnScreens(QRect(-900, -700, 780, 590), {kLeftScreen, kRightScreen}), QPoint(0, 0));
    // The title bar above the screen cannot be grabbed.
    EXPECT_EQ(KeepFrameOnScreens(QRect(100, -30, 780, 590), {kLeftScreen}), QPoint(100, 0));
}

TEST(KeepFrameOnScreens, AWindowHangingOffTheBottomIsMovedUp)
{
    // At 2x a restored 780 x 590 window is 1560 x 1180 on a 1920 x 1040 area.
    EXPECT_EQ(KeepFrameOnScreens(QRect(0, 0, 1560, 1180), {kLeftScreen}), QPoint(0, 0));
    // Most of it below the area: moved up until it ends at the area's bottom.
    EXPECT_EQ(KeepFrameOnScreens(QRect(300, 700, 600, 600), {kLeftScreen}), QPoint(300, 440));
}

TEST(KeepFrameOnScreens, NoScreensOrNoSizeLeaveThePlace)
{
    EXPECT_EQ(KeepFrameOnScreens(QRect(5000, 5000, 100, 100), {}), QPoint(5000, 5000));
    EXPECT_EQ(KeepFrameOnScreens(QRect(5000, 5000, 0, 0), {kLeftScreen}), QPoint(5000, 5000));
}
