#pragma once
#include <QString>

namespace veltrano {

class SettingsStore;

// The alarm of the "Wake Up!" page as the settings file keeps it.
struct AlarmSettings {
    QString sound;        // "MainForm"/"Alarm1Sound"
    QString time;         // "MainForm"/"Alarm1Time"
    bool enabled = false; // "MainForm"/"Alarm1Checked"
    bool operator==(const AlarmSettings &) const = default;
};

AlarmSettings ReadAlarmSettings(const SettingsStore &settings);
// Writes the three keys in this order; stops at the first refused write.
bool WriteAlarmSettings(SettingsStore &settings, const AlarmSettings &alarm);

} // namespace veltrano
