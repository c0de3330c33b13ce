#include "todo/logic/ToDoDocking.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {
const QRect kWorkArea(0, 0, 1280, 760);
}

TEST(DockBesideMainWindow, AtTheRightEdgeWhenItFits)
{
    EXPECT_EQ(DockBesideMainWindow(QRect(0, 0, 780, 590), 226, kWorkArea), QRect(780, 0, 226, 590));
    EXPECT_EQ(DockBesideMainWindow(QRect(100, 40, 954, 500), 226, kWorkArea), QRect(1054, 40, 226, 500));
}

TEST(DockBesideMainWindow, AtTheLeftEdgeWhenTheRightHasNoRoom)
{
    // A 1250-pixel main window near the right edge.
    EXPECT_EQ(DockBesideMainWindow(QRect(400, 0, 860, 590), 226, kWorkArea), QRect(174, 0, 226, 590));
}

TEST(DockBesideMainWindow, OverTheMainWindowsRightSideWhenNeitherFits)
{
    // Maximised, or as wide as the screen: the list stays whole in view.
    EXPECT_EQ(DockBesideMainWindow(QRect(0, 0, 1280, 760), 226, kWorkArea), QRect(1054, 0, 226, 760));
    EXPECT_EQ(DockBesideMainWindow(QRect(10, 0, 1250, 700), 226, kWorkArea), QRect(1054, 0, 226, 700));
}

TEST(DockBesideMainWindow, OnASecondMonitor)
{
    const QRect right(1280, 0, 1920, 1080);
    EXPECT_EQ(DockBesideMainWindow(QRect(1400, 100, 780, 590), 226, right), QRect(2180, 100, 226, 590));
}

TEST(DockBesideMainWindow, OnlyAsHighAsTheWorkAreaShowsOfTheMainWindow)
{
    // Taller than the screen (a large scale on a small screen): title bar
    // and last rows in view.
    EXPECT_EQ(DockBesideMainWindow(QRect(0, -20, 640, 820), 226, kWorkArea), QRect(640, 0, 226, 760));
    EXPECT_EQ(DockBesideMainWindow(QRect(0, -20, 1280, 820), 226, kWorkArea), QRect(1054, 0, 226, 760));
    EXPECT_EQ(DockBesideMainWindow(QRect(100, 300, 780, 590), 226, kWorkArea), QRect(880, 300, 226, 460));
    const QRect belowAPanel(0, 30, 1280, 730);
    EXPECT_EQ(DockBesideMainWindow(QRect(0, 0, 780, 590), 226, belowAPanel), QRect(780, 30, 226, 560));
}

// While the window manager frames the window its frame can read 1 x 1: that
// is no frame yet, not one that takes 225 pixels off every side.
TEST(FrameAroundWindow, KnownOnlyOnceTheFrameHoldsTheWindow)
{
    EXPECT_EQ(FrameAroundWindow(QSize(228, 615), QSize(226, 590)), QSize(2, 25));
    EXPECT_EQ(FrameAroundWindow(QSize(226, 615), QSize(226, 590)), QSize(0, 25));
    EXPECT_EQ(FrameAroundWindow(QSize(226, 590), QSize(226, 590)), std::nullopt);
    EXPECT_EQ(FrameAroundWindow(QSize(1, 1), QSize(226, 590)), std::nullopt);
    EXPECT_EQ(FrameAroundWindow(QSize(230, 580), QSize(226, 590)), std::nullopt);
}
