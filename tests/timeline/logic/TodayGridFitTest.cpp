#include "timeline/logic/TodayGridFit.h"

#include <gtest/gtest.h>

using namespace veltrano;

TEST(TodayGridFit, RowsFollowTheHeightFrom450Up)
{
    EXPECT_EQ(TodayGridFit(500, 520), (TodayGridSize{440, 20}));
    EXPECT_EQ(TodayGridFit(500, 449).defaultRowHeight, 16);
    EXPECT_EQ(TodayGridFit(500, 450).defaultRowHeight, 17);
    EXPECT_EQ(TodayGridFit(60, 100).column1Width, 0);
}
