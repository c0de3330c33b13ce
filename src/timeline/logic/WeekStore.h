#pragma once
#include "platform/TextCodec.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

namespace veltrano {

inline constexpr auto kWeekFolderName = u"Week";

class FileSystem;

// 1 = Sunday, 2 = Monday ... 7 = Saturday.
using DayNumber = int;
inline constexpr int kHoursPerDay = 24;
inline constexpr auto kMissingDayEntry = u"none";
// The largest day file read: 24 lines and whatever a user or another tool
// keeps after them fit many times over.
inline constexpr qint64 kDayFileLimit = qint64(16) << 20;

// Entry i is the hour that begins at i:00.
using DayPlan = std::array<QString, kHoursPerDay>;

DayNumber DayNumberOf(const QDate &date);
// "Sunday" ... "Saturday"; empty outside 1..7.
QString DayName(DayNumber day);
// "0:00" ... "23:00".
QString HourLabel(int hour);

// The seven day files in the folder "Week" of the data folder. The store never
// creates the folder: a first start sets it up, after that it is the user's. The store keeps no
// state: a save writes the file back in the encoding it holds now, whichever
// view (Today or the Timeline editor) loaded it.
class WeekStore {
public:
    // `dataFolder` ends with '/'.
    WeekStore(FileSystem &files, const TextCodec &codec, QString dataFolder);

    QString DayFilePath(DayNumber day) const;

    // A missing file gives 24 times "none"; a file that cannot be read (also
    // anything but a regular file, or one over kDayFileLimit) gives nothing,
    // with the error report's text in `error`.
    std::optional<DayPlan> LoadDayPlan(DayNumber day, QString *error = nullptr);
    // Writes the 24 entries, CR LF after each, followed by whatever lines the
    // file holds after its 24th, as they are (a file kept by hand or by
    // another tool). The error report's text when the file cannot be created,
    // and when the file there cannot be read: it is then left as it is.
    std::optional<QString> SaveDayPlan(DayNumber day, const DayPlan &plan);
    // Changes the caller's plan, which keeps the text even when the save fails.
    // A row outside 0..23 changes nothing.
    std::optional<QString> SetDayEntry(DayNumber day, DayPlan &plan, int row, const QString &text);
    std::optional<QString> ClearDayPlan(DayNumber day);
    // Whether the day file was changed on disk by another hand since the
    // program last read or wrote it (a sync engine, an editor).
    bool DayChangedOutside(DayNumber day) const;

private:
    FileSystem &m_files;
    const TextCodec &m_codec;
    QString m_dataFolder;
};

} // namespace veltrano
