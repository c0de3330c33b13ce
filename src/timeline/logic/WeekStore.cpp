#include "timeline/logic/WeekStore.h"

#include "common/logic/LineFiles.h"
#include "platform/FileSystem.h"

namespace veltrano {
namespace {

constexpr const char16_t *kDayNames[] = {u"Sunday", u"Monday", u"Tuesday", u"Wednesday",
                                         u"Thursday", u"Friday", u"Saturday"};

bool isDayNumber(DayNumber day)
{
    return day >= 1 && day <= 7;
}

// The file's text from its 25th line on, line breaks and all, as it stands.
QStringView linesAfterTheDay(QStringView text)
{
    int lines = 0;
    QStringView rest;
    ForEachLine(text, [&](QStringView line) {
        if (++lines == kHoursPerDay + 1)
            rest = QStringView(line.data(), text.data() + text.size());
    });
    return rest;
}

} // namespace

DayNumber DayNumberOf(const QDate &date)
{
    // Days counted from 1 January of year 1, that day being 1, modulo 7, plus
    // one. Qt's ISO weekday (Monday 1 ... Sunday 7) gives the same modulo 7.
    return date.dayOfWeek() % 7 + 1;
}

QString DayName(DayNumber day)
{
    return isDayNumber(day) ? QString::fromUtf16(kDayNames[day - 1]) : QString();
}

QString HourLabel(int hour)
{
    return QString::number(hour) + u":00";
}

WeekStore::WeekStore(FileSystem &files, const TextCodec &codec, QString dataFolder)
    : m_files(files), m_codec(codec), m_dataFolder(std::move(dataFolder))
{
}

QString WeekStore::DayFilePath(DayNumber day) const
{
    return m_dataFolder + QStringView(kWeekFolderName) + u'/' + DayName(day) + u".txt";
}

std::optional<DayPlan> WeekStore::LoadDayPlan(DayNumber day, QString *error)
{
    DayPlan plan;
    const QString path = DayFilePath(day);
    if (!m_files.exists(path)) {
        plan.fill(QString::fromUtf16(kMissingDayEntry));
        return plan;
    }
    QString reason;
    const std::optional<QByteArray> bytes = m_files.readFile(path, &reason, kDayFileLimit);
    if (!bytes) {
        if (error)
            *error = CannotOpenFileMessage(path, reason);
        return std::nullopt;
    }
    const DecodedText decoded = m_codec.decode(*bytes);
    int row = 0;
    ForEachLine(decoded.text, [&](QStringView line) {
        if (row < kHoursPerDay)
            plan[row++] = line.toString();
    });
    return plan;
}

std::optional<QString> WeekStore::SaveDayPlan(DayNumber day, const DayPlan &plan)
{
    QString text;
    for (const QString &entry : plan)
        text += AsOneLine(entry) + u"\r\n";
    const QString path = DayFilePath(day);
    TextEncoding encoding = TextEncoding::System;
    if (m_files.exists(path)) {
        // What cannot be read cannot be kept: writing the day over it would
        // lose whatever it holds.
        QString reason;
        const std::optional<QByteArray> old = m_files.readFile(path, &reason, kDayFileLimit);
        if (!old)
            return CannotCreateFileMessage(path, reason);
        const DecodedText decoded = m_codec.decode(*old);
        encoding = decoded.encoding;
        text += linesAfterTheDay(decoded.text);
    }
    const IoStatus written = m_files.replaceFile(path, m_codec.encode(KeepLeadingMark(text), encoding));
    if (!written)
        return CannotCreateFileMessage(path, written.reason);
    return std::nullopt;
}

std::optional<QString> WeekStore::SetDayEntry(DayNumber day, DayPlan &plan, int row,
                                              const QString &text)
{
    if (row < 0 || row >= kHoursPerDay)
        return std::nullopt;
    plan[row] = text;
    return SaveDayPlan(day, plan);
}

bool WeekStore::DayChangedOutside(DayNumber day) const
{
    return m_files.changedOutside(DayFilePath(day));
}

std::optional<QString> WeekStore::ClearDayPlan(DayNumber day)
{
    return SaveDayPlan(day, DayPlan{});
}

} // namespace veltrano
