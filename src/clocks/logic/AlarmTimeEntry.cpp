#include "clocks/logic/AlarmTimeEntry.h"

#include <QRegularExpression>

namespace veltrano {
namespace {

const QTime kExample(7, 30, 0);

// The letters a long time carries besides its numbers: an AM or PM marker.
QString markerOf(const QString &longTime)
{
    QString letters;
    for (const QChar c : longTime)
        if (c.isLetter())
            letters += c;
    return letters.toCaseFolded();
}

enum class Half { None, Morning, Afternoon, Unknown };

Half halfNamed(const QString &marker, const LongTimeText &longTime)
{
    if (marker.isEmpty())
        return Half::None;
    QString folded = marker.toCaseFolded();
    folded.remove(u'.');
    if (folded == u"am" || folded == u"a")
        return Half::Morning;
    if (folded == u"pm" || folded == u"p")
        return Half::Afternoon;
    const QString morning = markerOf(longTime(QTime(1, 0)));
    const QString afternoon = markerOf(longTime(QTime(13, 0)));
    if (morning != afternoon) {
        if (folded == morning)
            return Half::Morning;
        if (folded == afternoon)
            return Half::Afternoon;
    }
    return Half::Unknown;
}

} // namespace

std::optional<QTime> ReadAlarmTime(const QString &typed, const LongTimeText &longTime)
{
    static const QRegularExpression shape(QStringLiteral(
        R"(^\s*(?:([^\d\s:.][^\d\s:]*)\s*)?(\d{1,2})\s*[:.]\s*(\d\d)(?:\s*[:.]\s*(\d\d))?\s*(?:([^\d\s:.][^\d\s:]*))?\s*$)"));
    const QRegularExpressionMatch match = shape.match(typed);
    if (!match.hasMatch() || (match.hasCaptured(1) && match.hasCaptured(5)))
        return std::nullopt;
    int hour = match.captured(2).toInt();
    const int minute = match.captured(3).toInt();
    const int second = match.hasCaptured(4) ? match.captured(4).toInt() : 0;
    const Half half = halfNamed(match.hasCaptured(1) ? match.captured(1) : match.captured(5), longTime);
    switch (half) {
    case Half::Unknown:
        return std::nullopt;
    case Half::None:
        break;
    case Half::Morning:
    case Half::Afternoon:
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (half == Half::Afternoon ? 12 : 0);
        break;
    }
    const QTime time(hour, minute, second);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

AlarmTimeEntry::AlarmTimeEntry(LongTimeText longTime) : m_longTime(std::move(longTime)) {}

AlarmTimeEntry::Left AlarmTimeEntry::left(const QString &typed)
{
    if (typed.isEmpty())
        return {typed, std::nullopt};
    if (const std::optional<QTime> time = ReadAlarmTime(typed, m_longTime)) {
        m_told.clear();
        return {m_longTime(*time), std::nullopt};
    }
    if (typed == m_told)
        return {typed, std::nullopt};
    m_told = typed;
    return {typed, UnreadableAlarmTimeMessage(typed, placeholder())};
}

QString AlarmTimeEntry::placeholder() const
{
    return m_longTime(kExample);
}

QString UnreadableAlarmTimeMessage(const QString &typed, const QString &example)
{
    return QStringLiteral("The alarm time \"%1\" is not a time of day: the alarm will not ring. "
                          "Type it as the clock shows it, for example %2.")
        .arg(typed, example);
}

} // namespace veltrano
