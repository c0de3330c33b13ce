#include "todo/logic/ToDoStatistics.h"

namespace veltrano {
namespace {

// A bar from x `left` to `right` (right excluded), `height` pixels up from the axis.
QRect bar(int left, int right, int height)
{
    return QRect(left, ToDoChart::kAxisY - height, right - left, height);
}

QString approximately(int percent)
{
    return u'~' + QString::number(percent) + u'%';
}

} // namespace

int RoundPercent(qsizetype part, qsizetype total)
{
    const qint64 scaled = qint64(part) * 100;
    qint64 whole = scaled / total;
    const qint64 twiceRest = (scaled % total) * 2;
    if (twiceRest > total || (twiceRest == total && whole % 2 != 0))
        ++whole;
    return int(whole);
}

ToDoChart::ToDoChart(const ToDoCounts &counts) : m_empty(counts.total == 0)
{
    if (m_empty)
        return;
    m_openPercent = RoundPercent(counts.open, counts.total);
    m_donePercent = RoundPercent(counts.done, counts.total);
}

QString ToDoChart::totalHint()
{
    return QStringLiteral("100%");
}

QString ToDoChart::openHint() const
{
    return approximately(m_openPercent);
}

QString ToDoChart::doneHint() const
{
    return approximately(m_donePercent);
}

QString ToDoChart::chartHint() const
{
    return m_empty ? QStringLiteral("! 0% done :(") : doneHint() + QStringLiteral(" done");
}

QRect ToDoChart::doneBar() const
{
    return bar(40, 70, m_donePercent);
}

QRect ToDoChart::openBar() const
{
    return bar(90, 120, m_openPercent);
}

} // namespace veltrano
