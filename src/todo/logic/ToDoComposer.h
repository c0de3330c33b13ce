#pragma once
#include <QString>

namespace veltrano {

class Clock;
class RegionalFormats;
class SettingsStore;

inline constexpr auto kToDoEditSection = u"ToDo EditForm";

// The composer's six decorations; each is kept under its key of section
// "ToDo EditForm" (default off).
struct ToDoComposeOptions {
    bool marker = false;         // "Mark"
    bool time = false;           // "Time"
    bool date = false;           // "Date"
    bool priority = false;       // "Prior"
    bool brackets = false;       // "Scob"
    bool autonumeration = false; // "Num"

    // "Set defaults": numbering and brackets on, the rest off.
    static ToDoComposeOptions defaults();
    friend bool operator==(const ToDoComposeOptions &, const ToDoComposeOptions &) = default;
};

ToDoComposeOptions ReadToDoComposeOptions(const SettingsStore &settings);
// Writes the six keys in one fixed order, so a new section lists them the
// same way every time; false at the first refused write (the store has
// reported it).
bool WriteToDoComposeOptions(SettingsStore &settings, const ToDoComposeOptions &options);

// The item text: the typed text, untrimmed, wrapped by each chosen decoration
// in turn: marker, time, date, priority, brackets, then the number
// (`itemCount` + 1, the count being taken before the item is added).
QString ComposeToDoText(const QString &typed, const ToDoComposeOptions &options,
                        const QString &dateText, const QString &timeText, qsizetype itemCount);

// The date and the time stamp as the region writes them, read from the clock
// in that order, when "Add" is pressed.
struct ToDoStamps {
    QString date;
    QString time;
};
ToDoStamps ReadToDoStamps(const Clock &clock, const RegionalFormats &formats);

} // namespace veltrano
