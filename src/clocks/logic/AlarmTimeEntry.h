#pragma once
// The alarm time as the user types it: the alarm rings only when its text is
// the regional long time of a second, character for character, so a time
// typed another way ("7:30", "17:29") is written that way once the edit is
// left, and an entry that is no time at all is pointed out.
#include <QString>
#include <QTime>
#include <functional>
#include <optional>

namespace veltrano {

using LongTimeText = std::function<QString(const QTime &)>;

// The time of day `typed` stands for: hours and minutes, seconds if given,
// joined by ":" or "."; in 24-hour form or with an AM/PM marker (am, pm, a.m.,
// p.m., or the region's own, before or after the time). Nothing for any other
// text.
std::optional<QTime> ReadAlarmTime(const QString &typed, const LongTimeText &longTime);

class AlarmTimeEntry {
public:
    explicit AlarmTimeEntry(LongTimeText longTime);

    struct Left {
        QString text;                   // what the edit holds from now on
        std::optional<QString> warning; // to be told, once for each entry
    };
    // The edit has been left holding `typed`. An empty edit is an alarm not
    // set yet and is let be.
    Left left(const QString &typed);
    // What the empty edit shows: the form the alarm expects.
    QString placeholder() const;

private:
    LongTimeText m_longTime;
    QString m_told; // the unreadable entry pointed out last
};

QString UnreadableAlarmTimeMessage(const QString &typed, const QString &example);

} // namespace veltrano
