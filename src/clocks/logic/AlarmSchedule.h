#pragma once
// When the daily alarm rings: the seconds a tick stands for, matched against
// the alarm text.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <functional>
#include <optional>

namespace veltrano {

// A tick looks at every second since the tick before it, so a late tick
// (a busy machine, a drifting timer) still finds the alarm's second, and two
// ticks in one second find it once. A second matches when the long-time text
// of it equals the alarm text, character for character.
class AlarmSchedule {
public:
    enum class Outcome { Quiet, Ring, Missed };
    // A tick further than this behind is no late tick but a jump of the clock
    // (the machine slept, the clock was set): an alarm passed over then is
    // reported as missed rather than rung late.
    static constexpr int kLateTickSeconds = 60;

    using LongTime = std::function<QString(const QTime &)>;

    // The first tick looks at the second of `start` as well.
    explicit AlarmSchedule(const QDateTime &start);

    // The seconds after the previous tick up to `now`. A disabled alarm only
    // moves on, so ticking the box never reaches back into the past.
    Outcome advance(const QDateTime &now, bool enabled, const QString &alarmText, const LongTime &longTime);

private:
    std::optional<QDateTime> findAlarmSecond(const QDateTime &now, const QString &alarmText,
                                             const LongTime &longTime) const;

    QDateTime m_looked; // the last second looked at
    // At most one ring (or missed report) a day for the same alarm text, even
    // when the clock steps back over it.
    QDate m_rangOn;
    QString m_rangFor;
};

} // namespace veltrano
