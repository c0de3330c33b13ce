#include "todo/ui/ToDoStatisticsDialog.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace veltrano;

namespace {

class StatisticsTest : public ::testing::Test {
protected:
    QWidget *find(const char *name) const { return dialog.findChild<QWidget *>(QLatin1String(name)); }
    QString text(const char *name) const { return static_cast<QLabel *>(find(name))->text(); }
    QString hint(const char *name) const { return find(name)->toolTip(); }
    // Paints the chart as the screen would and hands back its pixels.
    QImage chart() const { return find("PaintBox")->grab().toImage(); }

    ToDoStatisticsDialog dialog{ToDoCounts{}};
};

TEST_F(StatisticsTest, CountsAndHintsFollowTheRoundedShares)
{
    EXPECT_EQ(dialog.windowTitle(), u"Common To-Do List Info");
    EXPECT_EQ(dialog.size(), QSize(264, 322));
    EXPECT_EQ(find("PaintBox")->geometry(), QRect(38, 112, 174, 144));
    EXPECT_EQ(find("Shape1")->geometry(), QRect(186, 46, 18, 18));
    EXPECT_EQ(find("Shape2")->geometry(), QRect(186, 70, 18, 19));
    dialog.setCounts({8, 1, 7});
    chart();
    EXPECT_EQ(text("Label4"), u"8");
    EXPECT_EQ(text("Label5"), u"1");
    EXPECT_EQ(text("Label6"), u"7");
    EXPECT_EQ(hint("Label4"), u"100%");
    EXPECT_EQ(hint("Label5"), u"~12%");
    EXPECT_EQ(hint("Shape1"), u"~12%");
    EXPECT_EQ(hint("Label6"), u"~88%");
    EXPECT_EQ(hint("Shape2"), u"~88%");
    EXPECT_EQ(hint("PaintBox"), u"~88% done");
    dialog.setCounts({8, 3, 5});
    chart();
    EXPECT_EQ(hint("Label5"), u"~38%");
    EXPECT_EQ(hint("Label6"), u"~62%");
}

TEST_F(StatisticsTest, ChartIsPaintedAtItsCoordinates)
{
    dialog.setCounts({8, 1, 7});
    const QImage image = chart();
    const QColor highlight = dialog.palette().color(QPalette::Highlight);
    const QColor hot = dialog.palette().color(QPalette::Link);
    const auto at = [&image](int x, int y) { return image.pixelColor(x, y); };
    EXPECT_EQ(at(0, 70), highlight);   // frame, left edge
    EXPECT_EQ(at(160, 70), highlight); // frame, right edge (161 excluded)
    EXPECT_EQ(at(30, 133), highlight); // frame, bottom edge (134 excluded)
    EXPECT_EQ(at(25, 70), QColor(Qt::white));
    EXPECT_EQ(at(10, 70), QColor(128, 128, 128)); // vertical axis
    EXPECT_EQ(at(100, 124), QColor(128, 128, 128)); // horizontal axis
    // Done bar: 88 pixels from y 36 to 123, x 40 to 69.
    EXPECT_EQ(at(40, 123), hot);
    EXPECT_EQ(at(69, 36), hot);
    EXPECT_EQ(at(55, 35), QColor(Qt::white));
    EXPECT_EQ(at(70, 100), QColor(Qt::white));
    // Open bar: 12 pixels from y 112 to 123, x 90 to 119.
    EXPECT_EQ(at(90, 112), QColor(Qt::red));
    EXPECT_EQ(at(119, 123), QColor(Qt::red));
    EXPECT_EQ(at(105, 111), QColor(Qt::white));
}

TEST_F(StatisticsTest, AllDoneLeavesNoOpenBarAndTheTinyShareRoundsAway)
{
    dialog.setCounts({200, 1, 199});
    const QImage image = chart();
    EXPECT_EQ(hint("Label5"), u"~0%");
    EXPECT_EQ(hint("PaintBox"), u"~100% done");
    EXPECT_EQ(image.pixelColor(50, 24), dialog.palette().color(QPalette::Link)); // the done bar reaches y 24
    EXPECT_EQ(image.pixelColor(50, 23), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(105, 123), QColor(Qt::white)); // no open bar
}

TEST_F(StatisticsTest, EmptyListLeavesTheChartBlankAndSaysSo)
{
    dialog.setCounts({3, 1, 2});
    chart();
    dialog.setCounts({});
    const QImage image = chart();
    EXPECT_EQ(hint("PaintBox"), u"! 0% done :(");
    EXPECT_EQ(text("Label4"), u"0");
    EXPECT_EQ(text("Label5"), u"0");
    EXPECT_EQ(text("Label6"), u"0");
    EXPECT_EQ(hint("Label5"), u"~33%"); // the other hints keep what they held
    EXPECT_NE(image.pixelColor(25, 70), QColor(Qt::white)); // nothing drawn
}

// Made with the counts of the moment: its labels show them at once.
TEST(Statistics, MadeWithCountsShowsThem)
{
    ToDoStatisticsDialog fresh(ToDoCounts{8, 3, 5});
    const auto text = [&fresh](const char *name) { return fresh.findChild<QLabel *>(QLatin1String(name))->text(); };
    EXPECT_EQ(text("Label4"), u"8");
    EXPECT_EQ(text("Label5"), u"3");
    EXPECT_EQ(text("Label6"), u"5");
}

TEST_F(StatisticsTest, OkEscAndEnterClose)
{
    for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key(key));
        EXPECT_FALSE(dialog.isVisible()) << key;
    }
    dialog.show();
    static_cast<QToolButton *>(find("Closer"))->click();
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
