#include "app/DayPictures.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace veltrano;

// Each day must be told apart from every other even on a 16-pixel tray.
TEST(DayPictures, EveryDayLooksDifferentAtEverySize)
{
    for (int size : kDayPictureSizes) {
        QSet<QByteArray> seen;
        for (int day = 0; day < kDayPictureCount; ++day) {
            const QImage picture = DrawDayPicture(day, size);
            ASSERT_EQ(picture.size(), QSize(size, size));
            const QByteArray bytes(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes());
            EXPECT_FALSE(seen.contains(bytes)) << "day " << day << " at " << size << " px";
            seen.insert(bytes);
        }
    }
}

TEST(DayPictures, IndexOutsideTheMonthShowsTheBlankPage)
{
    EXPECT_EQ(DrawDayPicture(32, 16), DrawDayPicture(0, 16));
    EXPECT_EQ(DrawDayPicture(-1, 32), DrawDayPicture(0, 32));
}

TEST(DayPictures, ListHasThirtyTwoIconsWithEverySize)
{
    const QList<QIcon> days = makeDayPictures();
    ASSERT_EQ(days.size(), 32);
    QList<QSize> expected;
    for (int size : kDayPictureSizes)
        expected << QSize(size, size);
    EXPECT_EQ(days[31].availableSizes(), expected);
}
