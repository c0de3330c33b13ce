// A view's day: the plan it shows, written back whole on each change, and the
// cells' stripes.
#include "timeline/logic/DayView.h"
#include "timeline/logic/TimelineCells.h"

#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace veltrano;
using test::TempFolder;

namespace {

class DayViewTest : public ::testing::Test {
protected:
    TempFolder data;
    FakeFileSystem files;
    Utf8SystemCodec codec{TextEncoding::Windows1251, false};
    WeekStore store{files, codec, data.path()};
    DayView view{store};

    void SetUp() override { QDir().mkpath(data.file(QStringLiteral("Week"))); }
};

TEST_F(DayViewTest, UnreadableDayShowsEmptyEntriesNotThePreviousDays)
{
    data.write(QStringLiteral("Week/Monday.txt"), "Stand-up\r\n");
    ASSERT_EQ(view.show(2), std::nullopt);
    EXPECT_EQ(view.plan()[0], u"Stand-up");
    files.unreadable << data.file(QStringLiteral("Week/Friday.txt"));
    data.write(QStringLiteral("Week/Friday.txt"), "Review\r\n");
    const std::optional<QString> error = view.show(6);
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->startsWith(u"Cannot open file \"")) << error->toStdString();
    EXPECT_EQ(view.day(), 6);
    for (const QString &entry : view.plan())
        EXPECT_TRUE(entry.isEmpty());
}

// The program never makes the week folder: a removed one refuses the save,
// and the view keeps what the user typed.
TEST_F(DayViewTest, ChangeWithoutTheWeekFolderIsRefusedAndKept)
{
    ASSERT_EQ(view.show(3), std::nullopt);
    ASSERT_TRUE(QDir(data.file(QStringLiteral("Week"))).removeRecursively());
    const std::optional<QString> error = view.setEntry(5, QStringLiteral("Gym"));
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->startsWith(u"Cannot create file \"" + data.file(QStringLiteral("Week/Tuesday.txt"))));
    EXPECT_EQ(view.plan()[5], u"Gym");
    EXPECT_TRUE(view.clear().has_value());
    EXPECT_FALSE(QFileInfo::exists(data.file(QStringLiteral("Week"))));
}

TEST(TimelineCells, StripesAndCentredTextTruncatedTowardZero)
{
    EXPECT_EQ(TimelineCellBackground(0), QColor(255, 255, 255));
    EXPECT_EQ(TimelineCellBackground(1), QColor(250, 250, 250));
    EXPECT_EQ(TimelineCellBackground(22), QColor(255, 255, 255));
    EXPECT_EQ(TimelineCellBackground(23), QColor(250, 250, 250));
    EXPECT_EQ(TimelineTextTop(32, 16, 13), 33);
    EXPECT_EQ(TimelineTextTop(32, 17, 13), 34);
    EXPECT_EQ(TimelineTextTop(32, 16, 17), 32); // -1 / 2 is 0, not -1
    EXPECT_EQ(TimelineTextTop(32, 16, 19), 31);
}

} // namespace
