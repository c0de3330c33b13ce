#include "clocks/logic/AlarmSchedule.h"

namespace veltrano {
namespace {

constexpr qint64 kSecondsPerDay = 24 * 60 * 60;

QDateTime wholeSecond(const QDateTime &moment)
{
    return moment.addMSecs(-moment.time().msec());
}

} // namespace

AlarmSchedule::AlarmSchedule(const QDateTime &start) : m_looked(wholeSecond(start).addSecs(-1)) {}

AlarmSchedule::Outcome AlarmSchedule::advance(const QDateTime &now, bool enabled, const QString &alarmText,
                                              const LongTime &longTime)
{
    const QDateTime second = wholeSecond(now);
    const qint64 gap = m_looked.secsTo(second);
    if (gap <= 0) {
        // The same second again, or the clock went back: look on from here.
        m_looked = qMin(m_looked, second);
        return Outcome::Quiet;
    }
    std::optional<QDateTime> found;
    if (enabled && !alarmText.isEmpty())
        found = findAlarmSecond(second, alarmText, longTime);
    m_looked = second;
    if (!found || (m_rangOn == found->date() && m_rangFor == alarmText))
        return Outcome::Quiet;
    m_rangOn = found->date();
    m_rangFor = alarmText;
    return gap <= kLateTickSeconds ? Outcome::Ring : Outcome::Missed;
}

// After a long jump one day back from `now` holds every time of day, so no
// more than that is looked at. The seconds are stepped on the wall clock's
// time of day: a day's worth takes a moment, not a pause.
std::optional<QDateTime> AlarmSchedule::findAlarmSecond(const QDateTime &now, const QString &alarmText,
                                                        const LongTime &longTime) const
{
    const qint64 seconds = qMin(m_looked.secsTo(now), kSecondsPerDay);
    const QDateTime first = now.addSecs(1 - seconds);
    QDate day = first.date();
    QTime time = first.time();
    for (qint64 i = 0; i < seconds; ++i) {
        if (longTime(time) == alarmText)
            return QDateTime(day, time);
        time = time.addSecs(1);
        if (time == QTime(0, 0))
            day = day.addDays(1);
    }
    return std::nullopt;
}

} // namespace veltrano
