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

// At 2x a 1280 x 800 screen has 640 x 400 logical pixels: the main window's
// stored 780 x 590 (frame included) and even its designed minimum of
// 600 x 400 client pixels do not fit there, and would hang off the bottom.
TEST(FitClientToArea, AWindowOnAScreenTooSmallForItGetsWhatTheScreenHasRoom)
{
    const QSize frame(4, 26);
    const QSize smallAt2x(640, 400);
    const ClientFit main = FitClientToArea(QSize(780, 590) - frame, QSize(600, 400), QSize(0, 0), frame, smallAt2x);
    EXPECT_EQ(main.size + frame, smallAt2x);
    EXPECT_EQ(main.minimum, QSize(600, 374)); // the width still fits, the height gives way
    // Where there is room, nothing changes.
    const ClientFit roomy = FitClientToArea(QSize(776, 564), QSize(600, 400), QSize(0, 0), frame, QSize(1920, 1040));
    EXPECT_EQ(roomy.size, QSize(776, 564));
    EXPECT_EQ(roomy.minimum, QSize(600, 400));
    // Smaller than the minimum is raised to it, as far as the screen has room.
    EXPECT_EQ(FitClientToArea(QSize(450, 640), QSize(600, 400), QSize(0, 0), frame, QSize(1920, 1040)).size,
              QSize(600, 640));
    EXPECT_EQ(FitClientToArea(QSize(450, 640), QSize(600, 400), QSize(0, 0), frame, smallAt2x).size, QSize(600, 374));

    // A fixed dialog (the Timeline editor, 554 x 467) shrinks no further than
    // its controls need; where even that does not fit, they win.
    const QSize editor(554, 467);
    const QSize controls(300, 200);
    const ClientFit timeline = FitClientToArea(editor, controls, controls, frame, smallAt2x);
    EXPECT_EQ(timeline.size, QSize(554, 374));
    EXPECT_EQ(FitClientToArea(editor, controls, controls, frame, QSize(280, 150)).size, controls);
    EXPECT_EQ(FitClientToArea(editor, controls, controls, frame, QSize()).size, editor); // no screen known
}

TEST(PlaceWholeInside, AWindowIsMovedAsLittleAsItTakesToLieWholeOnItsScreen)
{
    EXPECT_EQ(PlaceWholeInside(QRect(100, 100, 558, 493), kLeftScreen), QPoint(100, 100));
    // Centred on a 640 x 400 desktop, a 558 x 493 editor starts above the top.
    EXPECT_EQ(PlaceWholeInside(QRect(41, -46, 558, 400), QRect(0, 0, 640, 400)), QPoint(41, 0));
    EXPECT_EQ(PlaceWholeInside(QRect(300, 250, 300, 200), QRect(0, 0, 640, 400)), QPoint(300, 200));
    EXPECT_EQ(PlaceWholeInside(QRect(500, 100, 300, 200), QRect(0, 0, 640, 400)), QPoint(340, 100));
    // On a second screen, within that screen.
    EXPECT_EQ(PlaceWholeInside(QRect(3100, 900, 300, 200), kRightScreen), QPoint(1920 + 1280 - 300, 1024 - 200));
    // Larger than the area: its title bar stays in it.
    EXPECT_EQ(PlaceWholeInside(QRect(-50, -60, 800, 500), QRect(0, 0, 640, 400)), QPoint(0, 0));
}

TEST(NearestArea, TheScreenAWindowBelongsTo)
{
    const QList<QRect> both{kLeftScreen, kRightScreen};
    EXPECT_EQ(NearestArea(QRect(100, 100, 300, 200), both), kLeftScreen);
    EXPECT_EQ(NearestArea(QRect(2500, 100, 300, 200), both), kRightScreen);
    EXPECT_EQ(NearestArea(QRect(1800, 100, 300, 200), both), kRightScreen); // most of it there
    EXPECT_EQ(NearestArea(QRect(4000, 100, 300, 200), both), kRightScreen); // nearest of those out of reach
    EXPECT_EQ(NearestArea(QRect(-900, 1500, 300, 200), both), kLeftScreen);
    EXPECT_EQ(NearestArea(QRect(100, 100, 300, 200), {}), QRect());
}
