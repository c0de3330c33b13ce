#include "platform/qt/Utf8SystemCodec.h"
#include "timeline/logic/WeekStore.h"

#include "platform/fake/FakePlatform.h"
#include "support/HostileFiles.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace veltrano;
using test::TempFolder;

namespace {

TEST(DayNumberTest, SundayIsOneAndSaturdaySeven)
{
    EXPECT_EQ(DayNumberOf(QDate(2026, 12, 6)), 1); // a Sunday
    EXPECT_EQ(DayNumberOf(QDate(2026, 12, 7)), 2);
    EXPECT_EQ(DayNumberOf(QDate(2026, 12, 12)), 7); // a Saturday
    EXPECT_EQ(DayNumberOf(QDate(1, 1, 1)), 2);      // day 1 of the count, a Monday
    EXPECT_EQ(DayNumberOf(QDate(2000, 2, 29)), 3);
}

TEST(DayNumberTest, NamesHoursAndFilePaths)
{
    const QStringList names{u"Sunday"_qs, u"Monday"_qs, u"Tuesday"_qs, u"Wednesday"_qs,
                            u"Thursday"_qs, u"Friday"_qs, u"Saturday"_qs};
    for (int day = 1; day <= 7; ++day)
        EXPECT_EQ(DayName(day), names.at(day - 1));
    EXPECT_EQ(HourLabel(0), u"0:00");
    EXPECT_EQ(HourLabel(9), u"9:00");
    EXPECT_EQ(HourLabel(10), u"10:00");
    EXPECT_EQ(HourLabel(23), u"23:00");
    FakeFileSystem files;
    Utf8SystemCodec codec;
    const WeekStore store(files, codec, QStringLiteral("/data/"));
    EXPECT_EQ(store.DayFilePath(1), u"/data/Week/Sunday.txt");
    EXPECT_EQ(store.DayFilePath(DayNumberOf(QDate(2026, 12, 12))), u"/data/Week/Saturday.txt");
}

class WeekStoreTest : public ::testing::Test {
protected:
    TempFolder data;
    FakeFileSystem files;
    Utf8SystemCodec codec{TextEncoding::Windows1251, false};
    WeekStore store{files, codec, data.path()};

    void SetUp() override { QDir().mkpath(data.file(QStringLiteral("Week"))); }
    QByteArray monday() const { return data.read(QStringLiteral("Week/Monday.txt")); }
    DayPlan load(int day = 2)
    {
        std::optional<DayPlan> plan = store.LoadDayPlan(day);
        EXPECT_TRUE(plan.has_value());
        return plan.value_or(DayPlan{});
    }
};

TEST_F(WeekStoreTest, MissingFileIsNoneEverywhereAndOneChangeSavesAllLines)
{
    DayPlan plan = load();
    for (const QString &entry : plan)
        EXPECT_EQ(entry, u"none");
    EXPECT_EQ(store.SetDayEntry(2, plan, 9, QStringLiteral("Stand-up")), std::nullopt);
    EXPECT_EQ(plan[9], u"Stand-up");
    QByteArray expected;
    for (int i = 0; i < 24; ++i)
        expected += i == 9 ? "Stand-up\r\n" : "none\r\n";
    EXPECT_EQ(monday(), expected);
    EXPECT_EQ(files.replaceCount, 1);
}

TEST_F(WeekStoreTest, ClearedDayIsFortyEightBytesAndLoadsEmpty)
{
    EXPECT_EQ(store.ClearDayPlan(2), std::nullopt);
    EXPECT_EQ(monday(), QByteArray("\r\n").repeated(24));
    EXPECT_EQ(monday().size(), 48);
    for (const QString &entry : load())
        EXPECT_TRUE(entry.isEmpty());
}

TEST_F(WeekStoreTest, EmptyFileLoadsAsEmptyEntries)
{
    data.write(QStringLiteral("Week/Monday.txt"), QByteArray());
    for (const QString &entry : load())
        EXPECT_TRUE(entry.isEmpty());
}

TEST_F(WeekStoreTest, ShortFileFillsItsLinesAndTheSaveWritesAllTwentyFour)
{
    QByteArray ten;
    for (int i = 0; i < 10; ++i)
        ten += "line " + QByteArray::number(i) + "\r\n";
    data.write(QStringLiteral("Week/Monday.txt"), ten);
    DayPlan plan = load();
    EXPECT_EQ(plan[9], u"line 9");
    EXPECT_TRUE(plan[10].isEmpty());
    EXPECT_TRUE(plan[23].isEmpty());
    ASSERT_EQ(store.SaveDayPlan(2, plan), std::nullopt);
    EXPECT_EQ(monday(), ten + QByteArray("\r\n").repeated(14));
}

// A day file kept by hand or by another tool may go on past its 24 hours:
// those lines are its owner's, and a rewrite of the hours keeps them exactly
// as they stand (their line ends too); before, the first edit dropped them.
TEST_F(WeekStoreTest, LongFileLoadsItsFirstTwentyFourLinesAndKeepsTheRest)
{
    QByteArray day;
    for (int i = 0; i < 24; ++i)
        day += "h" + QByteArray::number(i) + "\r\n";
    const QByteArray after = "notes kept by hand\nh25 \r\n\r\nlast line, no break";
    data.write(QStringLiteral("Week/Monday.txt"), day + after);
    DayPlan plan = load();
    EXPECT_EQ(plan[23], u"h23");
    ASSERT_EQ(store.SaveDayPlan(2, plan), std::nullopt);
    EXPECT_EQ(monday(), day + after);
    ASSERT_EQ(store.SetDayEntry(2, plan, 23, QStringLiteral("late")), std::nullopt);
    EXPECT_EQ(monday(), day.left(day.indexOf("h23")) + "late\r\n" + after);
    ASSERT_EQ(store.ClearDayPlan(2), std::nullopt);
    EXPECT_EQ(monday(), QByteArray("\r\n").repeated(24) + after);
    EXPECT_EQ(load(), DayPlan{});
}

// A FIFO as a day file froze the start (the Today view reads today's file),
// /dev/zero or a sparse gigabyte ended it: each is reported as unreadable at
// once, and an edit is refused rather than written over it.
TEST_F(WeekStoreTest, HostileDayFileIsReportedAndNeverWrittenOver)
{
    const QString path = data.file(QStringLiteral("Week/Tuesday.txt"));
    for (const test::HostileCase &hostile : test::AllHostileCases()) {
        ASSERT_TRUE(test::MakeHostile(path, hostile.kind, kDayFileLimit)) << hostile.name;
        QString error;
        EXPECT_EQ(store.LoadDayPlan(3, &error), std::nullopt) << hostile.name;
        EXPECT_TRUE(error.startsWith(u"Cannot open file \"" + path + u"\". ")) << error.toStdString();
        DayPlan plan{};
        const std::optional<QString> refused = store.SetDayEntry(3, plan, 8, QStringLiteral("Run"));
        ASSERT_TRUE(refused.has_value()) << hostile.name;
        EXPECT_TRUE(refused->startsWith(u"Cannot create file \"" + path + u"\". ")) << refused->toStdString();
        EXPECT_TRUE(store.ClearDayPlan(3).has_value()) << hostile.name;
        EXPECT_TRUE(test::StillHostile(path, hostile.kind, kDayFileLimit)) << hostile.name;
    }
}

TEST_F(WeekStoreTest, LineEndsOfAnyKindAndSpacesReadAlike)
{
    data.write(QStringLiteral("Week/Monday.txt"), "  a \r\nb\r\n");
    const DayPlan crlf = load();
    data.write(QStringLiteral("Week/Monday.txt"), "  a \nb");
    EXPECT_EQ(load(), crlf);
    EXPECT_EQ(crlf[0], u"  a ");
    EXPECT_EQ(crlf[1], u"b");
}

TEST_F(WeekStoreTest, LegacyCodePageDayIsWrittenBackInIt)
{
    QByteArray cp1251 = QByteArray("\xC7\xE0\xF0\xFF\xE4\xEA\xE0\r\n") + QByteArray("\r\n").repeated(23); // "Зарядка"
    data.write(QStringLiteral("Week/Monday.txt"), cp1251);
    DayPlan plan = load();
    EXPECT_EQ(plan[0], u"Зарядка");
    ASSERT_EQ(store.SaveDayPlan(2, plan), std::nullopt);
    EXPECT_EQ(monday(), cp1251);
}

TEST_F(WeekStoreTest, Utf16DayIsWrittenBackInIt)
{
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    data.write(QStringLiteral("Week/Monday.txt"), encoder.encode(QStringLiteral("Зарядка\r\n")));
    DayPlan plan = load();
    EXPECT_EQ(plan[0], u"Зарядка");
    ASSERT_EQ(store.SetDayEntry(2, plan, 1, QStringLiteral("Бег")), std::nullopt);
    QStringEncoder again(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    EXPECT_EQ(monday(), again.encode(QStringLiteral("Зарядка\r\nБег\r\n") + QStringLiteral("\r\n").repeated(22)));
}

TEST_F(WeekStoreTest, MissingWeekFolderIsNeverCreatedAndTheSaveIsReported)
{
    QDir(data.file(QStringLiteral("Week"))).removeRecursively();
    DayPlan plan = load(1);
    const std::optional<QString> error = store.SetDayEntry(1, plan, 0, QStringLiteral("Run"));
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->startsWith(u"Cannot create file \"" + data.file(QStringLiteral("Week/Sunday.txt")) + u"\". "))
        << error->toStdString();
    EXPECT_EQ(plan[0], u"Run"); // the view keeps showing the edit
    EXPECT_FALSE(QFileInfo::exists(data.file(QStringLiteral("Week"))));
}

TEST_F(WeekStoreTest, UnreadableDayFileIsReportedNotTakenAsMissing)
{
    QDir().mkpath(data.file(QStringLiteral("Week/Friday.txt")));
    QString error;
    EXPECT_EQ(store.LoadDayPlan(6, &error), std::nullopt);
    EXPECT_TRUE(error.startsWith(u"Cannot open file \"" + data.file(QStringLiteral("Week/Friday.txt")) + u"\". "))
        << error.toStdString();
}

TEST_F(WeekStoreTest, EntryWithALineBreakCannotShiftTheHoursBelow)
{
    DayPlan plan;
    plan[3] = QStringLiteral("one\r\ntwo");
    ASSERT_EQ(store.SaveDayPlan(2, plan), std::nullopt);
    EXPECT_EQ(load()[3], u"one two");
    EXPECT_TRUE(load()[4].isEmpty());
}

// The Today view and the Timeline editor each hold a store of their own: a
// save by one keeps the code page of a file only the other has read.
TEST_F(WeekStoreTest, SaveKeepsTheFilesCodePageWhoeverLoadedIt)
{
    const QByteArray cp1251 = QByteArray("\xC7\xE0\xF0\xFF\xE4\xEA\xE0\r\n") + QByteArray("\r\n").repeated(23);
    data.write(QStringLiteral("Week/Monday.txt"), cp1251);
    DayPlan plan = load();
    WeekStore otherView{files, codec, data.path()};
    ASSERT_FALSE(otherView.SetDayEntry(2, plan, 1, QStringLiteral("\u0417\u0430\u0432\u0442\u0440\u0430\u043A")));
    EXPECT_TRUE(monday().startsWith(QByteArray("\xC7\xE0\xF0\xFF\xE4\xEA\xE0\r\n\xC7\xE0\xE2\xF2\xF0\xE0\xEA\r\n")));
}

TEST_F(WeekStoreTest, RowOutsideTheDayChangesNothing)
{
    DayPlan plan = load();
    EXPECT_FALSE(store.SetDayEntry(2, plan, 24, QStringLiteral("late")));
    EXPECT_FALSE(store.SetDayEntry(2, plan, -1, QStringLiteral("early")));
    EXPECT_FALSE(QFileInfo::exists(data.file(QStringLiteral("Week/Monday.txt"))));
}

TEST_F(WeekStoreTest, ByteOrderMarkIsNoPartOfTheFirstEntry)
{
    data.write(QStringLiteral("Week/Monday.txt"), "\xEF\xBB\xBFWake up\r\n");
    EXPECT_EQ(load()[0], u"Wake up");
}

TEST_F(WeekStoreTest, FirstEntryStartingWithAMarkCharacterKeepsItAcrossASave)
{
    // Pasted text may start with U+FEFF; the reader must not take it for the file's mark.
    DayPlan plan = load();
    ASSERT_EQ(store.SetDayEntry(2, plan, 0, QStringLiteral("\uFEFFWake up")), std::nullopt);
    EXPECT_EQ(load()[0], u"\uFEFFWake up");
}

} // namespace
