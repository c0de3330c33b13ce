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
