// libFuzzer target for the day files of the weekly timeline. Besides crashes
// and sanitizer reports it checks what the Today view and the Timeline editor
// rely on:
// - every entry read is one line;
// - an edit of one row, which may hold line breaks, writes the 24 entries, a
//   line each, followed by the file's lines after its 24th as they were, and
//   loads as the plan with only that row changed;
// - saving the plan just loaded writes the same bytes;
// - a file that is no file of bytes (FIFO, device) or too large does not
//   load, and no save writes over it.
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

// The text from the 25th line on, as the input holds it.
QString linesAfterTheDay(const QString &text)
{
    qsizetype lines = 0;
    QString rest;
    ForEachLine(text, [&](QStringView line) {
        if (++lines == kHoursPerDay + 1)
            rest = text.mid(line.data() - text.data());
    });
    return rest;
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
    const fuzz::Hostile kind = files.place(path, bytes);
    if (kind != fuzz::Hostile::None) {
        QString error;
        require(!week.LoadDayPlan(kMonday, &error) && !error.isEmpty(), "a hostile day file does not load");
        DayPlan typed{};
        require(week.SetDayEntry(kMonday, typed, 0, QStringLiteral("typed")).has_value(),
                "a day file that could not be read is not saved over");
        require(files.untouched(path, bytes, kind), "a hostile day file stays as it was");
        return 0;
    }

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
    const QString extra = linesAfterTheDay(codec.decode(bytes).text);
    require(writtenText.endsWith(extra), "the lines after the 24th are kept as they were");
    const QString day = writtenText.left(writtenText.size() - extra.size());
    require(linesIn(day) == kHoursPerDay && day.endsWith(u"\r\n"),
            "the day is written as 24 lines, each ended by CR LF");

    const std::optional<DayPlan> reread = week.LoadDayPlan(kMonday);
    require(reread.has_value(), "the written file loads");
    fuzz::requireEqual(entriesOf(*reread), entriesOf(expected),
                       "the written file loads as the plan with only the edited row changed");
    require(!week.SaveDayPlan(kMonday, *reread), "the plan saves again");
    require(files.files.value(path) == written, "saving what was loaded writes the same bytes");
    return 0;
}
