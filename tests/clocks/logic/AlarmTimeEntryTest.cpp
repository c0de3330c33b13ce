#include "clocks/logic/AlarmTimeEntry.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {

LongTimeText format(const char *pattern)
{
    const QString text = QString::fromLatin1(pattern);
    return [text](const QTime &time) { return time.toString(text); };
}

// A 12-hour region whose markers are words of its own.
QString koreanLike(const QTime &time)
{
    return (time.hour() < 12 ? QStringLiteral("\uc624\uc804 ") : QStringLiteral("\uc624\ud6c4 "))
           + time.toString(QStringLiteral("h:mm:ss"));
}

} // namespace

TEST(AlarmTimeEntry, TimesTypedAnyUsualWayAreRead)
{
    const LongTimeText h24 = format("H:mm:ss");
    EXPECT_EQ(ReadAlarmTime(QStringLiteral("7:30"), h24), QTime(7, 30));
    EXPECT_EQ(ReadAlarmTime(QStringLiteral("17:29"), h24), QTime(17, 29));
    EXPECT_EQ(ReadAlarmTime(QStringLiteral("07:30:15"), h24), QTime(7, 30, 15));
    EXPECT_EQ(ReadAlarmTime(QStringLiteral(" 7.30 "), h24), QTime(7, 30));
    EXPECT_EQ(ReadAlarmTime(QStringLiteral("0:00"), h24), QTime(0, 0));
    EXPECT_EQ(ReadAlarmTime(QStringLiteral("7:30 pm"), h24), QTime(19, 30));
    EXPECT_EQ(ReadAlarmTime(QStringLiteral("12:05 AM"), h24), QTime(0, 5));
    EXPECT_EQ(ReadAlarmTime(QStringLiteral("12:05 p.m."), h24), QTime(12, 5));
    EXPECT_EQ(ReadAlarmTime(QStringLiteral("7:30:00PM"), h24), QTime(19, 30));
    // The region's own markers, where it puts them.
    EXPECT_EQ(ReadAlarmTime(QStringLiteral("\uc624\ud6c4 5:30"), koreanLike), QTime(17, 30));
    EXPECT_EQ(ReadAlarmTime(QStringLiteral("\uc624\uc804 5:30:00"), koreanLike), QTime(5, 30));

    for (const char *noTime : {"", "7", "730", "7:3", "24:00", "7:60", "7:30:60", "13:00 pm", "0:30 am", "7:30 xm",
                               "am 7:30 pm", "seven thirty", "7:30:00:00", "-7:30"})
        EXPECT_FALSE(ReadAlarmTime(QString::fromLatin1(noTime), h24)) << noTime;
}

TEST(AlarmTimeEntry, ALeftEntryIsWrittenTheWayTheAlarmComparesIt)
{
    AlarmTimeEntry h24(format("H:mm:ss"));
    EXPECT_EQ(h24.placeholder(), QStringLiteral("7:30:00"));
    EXPECT_EQ(h24.left(QStringLiteral("7:30")).text, QStringLiteral("7:30:00"));
    EXPECT_EQ(h24.left(QStringLiteral("17:29")).text, QStringLiteral("17:29:00"));
    EXPECT_EQ(h24.left(QStringLiteral("07:30:00 ")).text, QStringLiteral("7:30:00"));
    EXPECT_FALSE(h24.left(QStringLiteral("17:29:00")).warning);

    AlarmTimeEntry h12(format("h:mm:ss AP"));
    EXPECT_EQ(h12.placeholder(), QStringLiteral("7:30:00 AM"));
    EXPECT_EQ(h12.left(QStringLiteral("17:29")).text, QStringLiteral("5:29:00 PM"));
    EXPECT_EQ(h12.left(QStringLiteral("5:29 pm")).text, QStringLiteral("5:29:00 PM"));

    AlarmTimeEntry zeroes(format("HH:mm:ss"));
    EXPECT_EQ(zeroes.left(QStringLiteral("7:30")).text, QStringLiteral("07:30:00"));
}

TEST(AlarmTimeEntry, AnEntryThatIsNoTimeIsToldOnceAndKept)
{
    AlarmTimeEntry entry(format("H:mm:ss"));
    const AlarmTimeEntry::Left first = entry.left(QStringLiteral("25:99"));
    EXPECT_EQ(first.text, QStringLiteral("25:99"));
    ASSERT_TRUE(first.warning);
    EXPECT_TRUE(first.warning->contains(QStringLiteral("\"25:99\"")));
    EXPECT_TRUE(first.warning->contains(QStringLiteral("7:30:00")));
    // Leaving the same entry again says nothing more.
    EXPECT_FALSE(entry.left(QStringLiteral("25:99")).warning);
    // A new wrong entry is told; after a good one, the old wrong one is told again.
    EXPECT_TRUE(entry.left(QStringLiteral("half past")).warning);
    EXPECT_FALSE(entry.left(QStringLiteral("6:15")).warning);
    EXPECT_TRUE(entry.left(QStringLiteral("25:99")).warning);
    // An empty edit is an alarm not set yet.
    const AlarmTimeEntry::Left empty = entry.left(QString());
    EXPECT_TRUE(empty.text.isEmpty());
    EXPECT_FALSE(empty.warning);
}
