#include "app/logic/DayPictures.h"

#include <QPainter>
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

TEST(DayPictures, IconDrawsTheDaysPageAtTheSizeAskedFor)
{
    const QIcon icon = DayIcon(8);
    EXPECT_EQ(icon.pixmap(QSize(22, 22)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              DrawDayPicture(8, 22).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(icon.pixmap(QSize(40, 40)).size(), QSize(40, 40));
    EXPECT_NE(icon.pixmap(QSize(16, 16)).toImage(), DayIcon(9).pixmap(QSize(16, 16)).toImage());
}

// A tray paints the icon onto its own window: at 2x a 16-pixel place holds
// 32 pixels each way, and the page must be drawn for those, not drawn at 16
// and stretched (where the digits blur into one another).
TEST(DayPictures, PaintedForTheScreensPixelDensity)
{
    for (const int ratio : {1, 2}) {
        QImage tray(QSize(16, 16) * ratio, QImage::Format_ARGB32_Premultiplied);
        tray.setDevicePixelRatio(ratio);
        tray.fill(Qt::transparent);
        {
            QPainter painter(&tray);
            DayIcon(28).paint(&painter, QRect(0, 0, 16, 16));
        }
        tray.setDevicePixelRatio(1);
        EXPECT_EQ(tray, DrawDayPicture(28, 16 * ratio)) << ratio;
    }
}
