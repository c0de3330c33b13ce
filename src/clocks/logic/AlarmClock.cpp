#include "clocks/logic/AlarmClock.h"

#include "common/logic/MessageBoxes.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/RegionalFormats.h"
#include "platform/Sound.h"
#include "platform/Tray.h"

namespace veltrano {

AlarmClock::AlarmClock(const AlarmServices &services, std::function<void(int day)> showTrayDay, QObject *parent)
    : QObject(parent), m_services(services), m_showTrayDay(std::move(showTrayDay)),
      m_schedule(services.clock.now()), m_balloonTitle(QString::fromUtf16(kApplicationTitle))
{
    connect(&services.sound, &Sound::playing, this, &AlarmClock::soundPlaying);
    connect(&services.sound, &Sound::failed, this, &AlarmClock::soundFailed);
}

AlarmClock::Labels AlarmClock::AlarmTick(const AlarmSettings &alarm)
{
    const QDateTime now = m_services.clock.now();
    const RegionalFormats &formats = m_services.formats;
    const Labels labels{formats.longTime(now.time()), formats.shortDate(now.date())};
    if (const int day = now.date().day(); day != m_lastTrayDay) {
        m_lastTrayDay = day;
        m_showTrayDay(day);
    }
    const auto longTime = [&formats](const QTime &time) { return formats.longTime(time); };
    switch (m_schedule.advance(now, alarm.enabled, alarm.time, longTime)) {
    case AlarmSchedule::Outcome::Ring:
        ring(alarm.sound);
        break;
    case AlarmSchedule::Outcome::Missed:
        m_services.tray.showBalloon(QString::fromUtf16(kAlarmBalloonTitle),
                                    QString::fromUtf16(kMissedAlarmText) + alarm.time, kAlarmBalloonMsecs);
        break;
    case AlarmSchedule::Outcome::Quiet:
        break;
    }
    return labels;
}

// No sound file: the balloon alone, under the title it had. Otherwise the
// balloon waits for the player's answer.
void AlarmClock::ring(const QString &soundFile)
{
    if (soundFile.isEmpty() || !m_services.files.exists(soundFile)) {
        showBalloon(QString::fromUtf16(kAlarmBalloonText));
        return;
    }
    m_balloonTitle = QString::fromUtf16(kAlarmBalloonTitle);
    m_ringing = soundFile;
    m_services.sound.play(soundFile);
}

void AlarmClock::soundPlaying(const QString &path)
{
    if (path != m_ringing)
        return;
    m_ringing.clear();
    showBalloon(QString::fromUtf16(kAlarmBalloonText));
}

void AlarmClock::soundFailed(const QString &path)
{
    if (path != m_ringing)
        return;
    m_ringing.clear();
    m_services.messages.notice(QString::fromUtf16(kAlarmFileMessage) + path);
    showBalloon(QString::fromUtf16(kAlarmFileMissingBalloon));
}

void AlarmClock::showBalloon(const QString &text)
{
    m_services.tray.showBalloon(m_balloonTitle, text, kAlarmBalloonMsecs);
}

} // namespace veltrano
