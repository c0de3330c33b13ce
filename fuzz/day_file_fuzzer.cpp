// libFuzzer target for the day files of the weekly timeline. Besides crashes
// and sanitizer reports it checks what the Today view and the Timeline editor
// rely on:
// - every entry read is one line;
// - an edit of one row, which may hold line breaks, writes a file of exactly
//   24 lines that loads as the plan with only that row changed;
// - saving the plan just loaded writes the same bytes.
#include "FuzzSupport.h"
#include "common/logic/LineFiles.h"
#include "platform/qt/Utf8SystemCodec.h"
#include "timeline/logic/WeekStore.h"

using namespace veltrano;
using veltrano::fuzz::require;

namespace {

constexpr DayNumber kMonday = 2;

bool isOneLine(const QString &text)
{
    return !text.contains(u'\r') && !text.contains(u'\n');
}

qsizetype linesIn(const QString &text)
{
    qsizetype count = 0;
    ForEachLine(text, [&](QStringView) { ++count; });
    return count;
}

QStringList entriesOf(const DayPlan &plan)
{
    return QStringList(plan.cbegin(), plan.cend());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    const Utf8SystemCodec codec = fuzz::codecFor(data, size);
    fuzz::MemoryFileSystem files;
    WeekStore week(files, codec, QStringLiteral("/data/"));
    const QString path = week.DayFilePath(kMonday);
    files.files.insert(path, bytes);

    std::optional<DayPlan> plan = week.LoadDayPlan(kMonday);
    require(plan.has_value(), "a readable day file loads");
    for (const QString &entry : *plan)
        require(isOneLine(entry), "an entry read is one line");

    const int row = static_cast<int>(size % kHoursPerDay);
    const QString text = codec.decode(bytes).text.left(300);
    DayPlan expected = *plan;
    expected[row] = AsOneLine(text);
    require(!week.SetDayEntry(kMonday, *plan, row, text), "the edited plan is written");
    const QByteArray written = files.files.value(path);
    const QString writtenText = codec.decode(written).text;
    require(linesIn(writtenText) == kHoursPerDay && writtenText.endsWith(u"\r\n"),
            "a day file is written as 24 lines, each ended by CR LF");

    const std::optional<DayPlan> reread = week.LoadDayPlan(kMonday);
    require(reread.has_value(), "the written file loads");
    fuzz::requireEqual(entriesOf(*reread), entriesOf(expected),
                       "the written file loads as the plan with only the edited row changed");
    require(!week.SaveDayPlan(kMonday, *reread), "the plan saves again");
    require(files.files.value(path) == written, "saving what was loaded writes the same bytes");
    return 0;
}
