#include "clocks/logic/AlarmSettings.h"

#include "common/logic/SettingsStore.h"

namespace veltrano {
namespace {

const QString kSection = QStringLiteral("MainForm");
const QString kSound = QStringLiteral("Alarm1Sound");
const QString kTime = QStringLiteral("Alarm1Time");
const QString kChecked = QStringLiteral("Alarm1Checked");

} // namespace

AlarmSettings ReadAlarmSettings(const SettingsStore &settings)
{
    AlarmSettings alarm;
    alarm.sound = settings.readString(kSection, kSound, QString());
    alarm.time = settings.readString(kSection, kTime, QString());
    alarm.enabled = settings.readBool(kSection, kChecked, false);
    return alarm;
}

bool WriteAlarmSettings(SettingsStore &settings, const AlarmSettings &alarm)
{
    return settings.writeString(kSection, kSound, alarm.sound) && settings.writeString(kSection, kTime, alarm.time)
           && settings.writeBool(kSection, kChecked, alarm.enabled);
}

} // namespace veltrano
