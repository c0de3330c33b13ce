#include "platform/qt/Utf8SystemCodec.h"
#include "todo/logic/ToDoComposer.h"

#include "common/logic/SettingsStore.h"
#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {

ToDoComposeOptions with(std::initializer_list<bool ToDoComposeOptions::*> flags)
{
    ToDoComposeOptions options;
    for (auto flag : flags)
        options.*flag = true;
    return options;
}

QString compose(const ToDoComposeOptions &options)
{
    return ComposeToDoText(QStringLiteral("T"), options, QStringLiteral("D"), QStringLiteral("H"), 3);
}

using O = ToDoComposeOptions;

TEST(ComposeToDoTextTest, EachDecorationNestsInItsFixedPlace)
{
    EXPECT_EQ(compose({}), u"T");
    EXPECT_EQ(compose(with({&O::marker})), u"  -- T");
    EXPECT_EQ(compose(with({&O::time})), u"T [ H ]");
    EXPECT_EQ(compose(with({&O::date})), u"T [ D ]");
    EXPECT_EQ(compose(with({&O::time, &O::date})), u"T [ H ] [ D ]");
    EXPECT_EQ(compose(with({&O::priority})), u"[ ! ] T");
    EXPECT_EQ(compose(with({&O::brackets})), u"[T]");
    EXPECT_EQ(compose(with({&O::autonumeration})), u"4) T");
    EXPECT_EQ(compose(ToDoComposeOptions::defaults()), u"4) [T]");
    EXPECT_EQ(compose(with({&O::priority, &O::marker})), u"[ ! ]   -- T");
    EXPECT_EQ(compose(with({&O::marker, &O::time, &O::date, &O::priority, &O::brackets, &O::autonumeration})),
              u"4) [[ ! ]   -- T [ H ] [ D ]]");
}

TEST(ComposeToDoTextTest, NumberCountsItemsAndTypedTextIsNotTrimmed)
{
    const ToDoComposeOptions numbered = with({&O::autonumeration});
    EXPECT_EQ(ComposeToDoText(QStringLiteral("Call Bob"), numbered, {}, {}, 3), u"4) Call Bob");
    EXPECT_EQ(ComposeToDoText(QStringLiteral("Next"), numbered, {}, {}, 4), u"5) Next");
    EXPECT_EQ(ComposeToDoText(QStringLiteral(" "), with({&O::brackets}), {}, {}, 0), u"[ ]");
    EXPECT_EQ(ComposeToDoText(QStringLiteral("x"), numbered, {}, {}, 99999), u"100000) x");
}

TEST(ComposeToDoTextTest, SetDefaultsIsNumberingAndBracketsOnly)
{
    EXPECT_EQ(ToDoComposeOptions::defaults(), with({&O::autonumeration, &O::brackets}));
}

TEST(ToDoStampsTest, DateThenTimeInTheRegionalFormats)
{
    FakeClock clock;
    clock.current = QDateTime(QDate(2026, 3, 5), QTime(7, 4, 9));
    FakeRegionalFormats formats;
    const ToDoStamps stamps = ReadToDoStamps(clock, formats);
    EXPECT_EQ(stamps.date, u"05.03.2026");
    EXPECT_EQ(stamps.time, u"7:04:09");
    formats.timeFormat = QStringLiteral("h:mm:ss AP");
    clock.current.setTime(QTime(19, 4, 9));
    EXPECT_EQ(ReadToDoStamps(clock, formats).time, u"7:04:09 PM");
}

class ComposeOptionsSettingsTest : public ::testing::Test {
protected:
    test::TempFolder data;
    FakeFileSystem files;
    Utf8SystemCodec codec;
    QStringList errors;
    SettingsStore settings{files, codec, data.file(QStringLiteral("PM.INI")),
                           [this](const QString &message) { errors << message; }};
};

TEST_F(ComposeOptionsSettingsTest, MissingKeysReadAsAllOff)
{
    EXPECT_EQ(ReadToDoComposeOptions(settings), ToDoComposeOptions{});
}

TEST_F(ComposeOptionsSettingsTest, EachOptionHasItsOwnKey)
{
    data.write(QStringLiteral("PM.INI"),
               "[ToDo EditForm]\r\nMark=1\r\nTime=0\r\nDate=2\r\nPrior=0\r\nScob=yes\r\nNum=1\r\n");
    const SettingsStore written(files, codec, data.file(QStringLiteral("PM.INI")), [](const QString &) {});
    EXPECT_EQ(ReadToDoComposeOptions(written), with({&O::marker, &O::date, &O::autonumeration}));
}

TEST_F(ComposeOptionsSettingsTest, WrittenOptionsAreReadBackAtTheNextStart)
{
    const ToDoComposeOptions chosen = with({&O::time, &O::priority, &O::brackets});
    ASSERT_TRUE(WriteToDoComposeOptions(settings, chosen));
    SettingsStore next(files, codec, data.file(QStringLiteral("PM.INI")), [](const QString &) {});
    EXPECT_EQ(ReadToDoComposeOptions(next), chosen);
    EXPECT_EQ(next.readString(QStringLiteral("ToDo EditForm"), QStringLiteral("Scob"), {}), u"1");
    EXPECT_EQ(next.readString(QStringLiteral("ToDo EditForm"), QStringLiteral("Num"), {}), u"0");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ComposeOptionsSettingsTest, RefusedWriteStopsAndIsReported)
{
    files.diskFull = true;
    EXPECT_FALSE(WriteToDoComposeOptions(settings, ToDoComposeOptions::defaults()));
    EXPECT_EQ(errors.size(), 1);
}

} // namespace
