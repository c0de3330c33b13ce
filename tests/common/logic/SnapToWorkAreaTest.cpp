#include "common/logic/SnapToWorkArea.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {

const QRect kArea(0, 0, 1000, 700); // right edge 1000, bottom edge 700

QPoint dropAt(int x, int y, int width, int height, const QRect &area = kArea)
{
    return SnapToWorkArea(QRect(x, y, width, height), area);
}

} // namespace

TEST(SnapToWorkArea, LeftEdgeWithinTenPixelsSnapsElevenStays)
{
    EXPECT_EQ(dropAt(10, 300, 400, 300).x(), 0);
    EXPECT_EQ(dropAt(-10, 300, 400, 300).x(), 0);
    EXPECT_EQ(dropAt(11, 300, 400, 300).x(), 11);
    EXPECT_EQ(dropAt(-11, 300, 400, 300).x(), -11);
}

TEST(SnapToWorkArea, RightEdgeWithinTenPixelsSnapsElevenStays)
{
    EXPECT_EQ(dropAt(590, 300, 400, 300).x(), 600);
    EXPECT_EQ(dropAt(610, 300, 400, 300).x(), 600);
    EXPECT_EQ(dropAt(589, 300, 400, 300).x(), 589);
}

TEST(SnapToWorkArea, TopAndBottomFollowTheSameRule)
{
    EXPECT_EQ(dropAt(300, 7, 400, 300).y(), 0);
    EXPECT_EQ(dropAt(300, 11, 400, 300).y(), 11);
    EXPECT_EQ(dropAt(300, 392, 400, 300).y(), 400);
    EXPECT_EQ(dropAt(300, 389, 400, 300).y(), 389);
}

// Rule 2 sees what rule 1 left: 1000 - 990 = 10 is 10 away from 0.
TEST(SnapToWorkArea, WindowNearlyAsWideAsTheAreaEndsOnTheRightRule)
{
    EXPECT_EQ(dropAt(4, 300, 990, 300).x(), 10);
    EXPECT_EQ(dropAt(3, 300, 985, 300).x(), 0); // 15 apart after rule 1
}

TEST(SnapToWorkArea, WindowNearlyAsHighAsTheAreaEndsOnTheBottomRule)
{
    EXPECT_EQ(dropAt(300, 4, 400, 690).y(), 10);
    EXPECT_EQ(dropAt(300, 3, 400, 685).y(), 0);
}

TEST(SnapToWorkArea, WorkAreaAwayFromTheOriginUsesItsOwnEdges)
{
    const QRect belowPanel(0, 30, 1280, 994); // a 30-pixel panel on top
    EXPECT_EQ(dropAt(500, 38, 400, 300, belowPanel), QPoint(500, 30));
    EXPECT_EQ(dropAt(500, 19, 400, 300, belowPanel), QPoint(500, 19));
    EXPECT_EQ(dropAt(875, 715, 400, 300, belowPanel), QPoint(880, 724)); // bottom edge 1024
    EXPECT_EQ(dropAt(875, 700, 400, 300, belowPanel), QPoint(880, 700));
    const QRect secondScreen(1280, 0, 1024, 768);
    EXPECT_EQ(dropAt(1275, 100, 400, 300, secondScreen), QPoint(1280, 100));
}

TEST(SnapToWorkArea, WindowFarFromEveryEdgeStaysWhereDropped)
{
    EXPECT_EQ(dropAt(200, 150, 400, 300), QPoint(200, 150));
}
