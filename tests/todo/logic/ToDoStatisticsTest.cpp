#include "todo/logic/ToDoStatistics.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {

ToDoChart chartOf(qsizetype total, qsizetype open, qsizetype done)
{
    return ToDoChart(ToDoCounts{total, open, done});
}

TEST(RoundPercent, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundPercent(1, 8), 12);   // 12.5
    EXPECT_EQ(RoundPercent(3, 8), 38);   // 37.5
    EXPECT_EQ(RoundPercent(1, 200), 0);  // 0.5
    EXPECT_EQ(RoundPercent(199, 200), 100); // 99.5
    EXPECT_EQ(RoundPercent(1, 3), 33);
    EXPECT_EQ(RoundPercent(2, 3), 67);
    EXPECT_EQ(RoundPercent(5, 5), 100);
    EXPECT_EQ(RoundPercent(0, 7), 0);
}

struct ChartCase {
    qsizetype total, open, done;
    const char *openHint, *doneHint, *chartHint;
    int openBar, doneBar;
};

TEST(ToDoChartTest, HintsAndBarHeightsFollowTheRoundedShares)
{
    const ChartCase cases[] = {
        {8, 1, 7, "~12%", "~88%", "~88% done", 12, 88},
        {8, 3, 5, "~38%", "~62%", "~62% done", 38, 62},
        {3, 1, 2, "~33%", "~67%", "~67% done", 33, 67},
        {200, 1, 199, "~0%", "~100%", "~100% done", 0, 100},
        {4, 0, 4, "~0%", "~100%", "~100% done", 0, 100},
    };
    for (const ChartCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.total << "/" << c.open << "/" << c.done);
        const ToDoChart chart = chartOf(c.total, c.open, c.done);
        EXPECT_FALSE(chart.isEmpty());
        EXPECT_EQ(chart.openHint(), QLatin1String(c.openHint));
        EXPECT_EQ(chart.doneHint(), QLatin1String(c.doneHint));
        EXPECT_EQ(chart.chartHint(), QLatin1String(c.chartHint));
        EXPECT_EQ(chart.openBar().height(), c.openBar);
        EXPECT_EQ(chart.doneBar().height(), c.doneBar);
        // Bars stand on the axis at y = 124 (excluded), at their own columns.
        EXPECT_EQ(chart.doneBar().top() + chart.doneBar().height(), 124);
        EXPECT_EQ(chart.doneBar().left(), 40);
        EXPECT_EQ(chart.doneBar().width(), 30);
        EXPECT_EQ(chart.openBar().left(), 90);
    }
    EXPECT_EQ(chartOf(200, 1, 199).doneBar().top(), 24);
    EXPECT_TRUE(chartOf(200, 1, 199).openBar().isEmpty());
    EXPECT_EQ(ToDoChart::totalHint(), u"100%");
}

TEST(ToDoChartTest, EmptyListSaysSoAndDividesNothing)
{
    const ToDoChart chart = chartOf(0, 0, 0);
    EXPECT_TRUE(chart.isEmpty());
    EXPECT_EQ(chart.chartHint(), u"! 0% done :(");
    EXPECT_TRUE(chart.doneBar().isEmpty());
    EXPECT_TRUE(chart.openBar().isEmpty());
}

} // namespace
