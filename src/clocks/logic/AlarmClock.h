#pragma once
// One tick of the main window's one-second timer: the page's time and date,
// the tray's day picture, and the daily alarm with its sound and balloons.
#include "clocks/logic/AlarmSchedule.h"
#include "clocks/logic/AlarmSettings.h"

#include <QObject>
#include <functional>

namespace veltrano {

class Clock;
class FileSystem;
class MessageBoxes;
class RegionalFormats;
class Sound;
class Tray;

inline constexpr auto kAlarmBalloonText = u"WakeUP!";
inline constexpr auto kAlarmBalloonTitle = u"Alarm";
inline constexpr auto kAlarmFileMissingBalloon = u"WakeUP! Can not find alarm-file, sorry :(";
inline constexpr auto kAlarmFileMessage = u"Sorry, program can not find file : ";
inline constexpr auto kMissedAlarmText = u"Missed alarm: ";
inline constexpr int kAlarmBalloonMsecs = 3000;

struct AlarmServices {
    const Clock &clock;
    const RegionalFormats &formats;
    const FileSystem &files;
    Sound &sound;
    Tray &tray;
    MessageBoxes &messages;
};

class AlarmClock final : public QObject {
    Q_OBJECT
public:
    // `showTrayDay` puts day d's picture (1..31) on the tray icon.
    AlarmClock(const AlarmServices &services, std::function<void(int day)> showTrayDay, QObject *parent = nullptr);

    struct Labels {
        QString time; // `LabelTime`
        QString date; // `Label15`
    };
    // `alarm`: the alarm's values as they are now.
    Labels AlarmTick(const AlarmSettings &alarm);
    // The day of the month the tray shows; 0 before the first tick.
    int lastTrayDay() const { return m_lastTrayDay; }

private:
    void ring(const QString &soundFile);
    void soundPlaying(const QString &path);
    void soundFailed(const QString &path);
    void showBalloon(const QString &text);

    AlarmServices m_services;
    std::function<void(int)> m_showTrayDay;
    AlarmSchedule m_schedule;
    int m_lastTrayDay = 0;
    // A balloon keeps the title the one before it had: the greeting's until
    // an alarm with a sound file has rung.
    QString m_balloonTitle;
    QString m_ringing; // the sound whose answer is awaited
};

} // namespace veltrano
