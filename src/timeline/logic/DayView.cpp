#include "timeline/logic/DayView.h"

namespace veltrano {

std::optional<QString> DayView::show(DayNumber day)
{
    m_day = day;
    QString error;
    if (std::optional<DayPlan> loaded = m_store.LoadDayPlan(day, &error)) {
        m_plan = std::move(*loaded);
        return std::nullopt;
    }
    m_plan = DayPlan{};
    return error;
}

std::optional<QString> DayView::setEntry(int row, const QString &text)
{
    if (m_day == 0)
        return std::nullopt;
    // Hours changed elsewhere since the day was shown are taken in first:
    // the edit changes its own hour and leaves theirs as they are.
    if (m_store.DayChangedOutside(m_day)) {
        if (std::optional<DayPlan> fresh = m_store.LoadDayPlan(m_day))
            m_plan = std::move(*fresh);
    }
    return m_store.SetDayEntry(m_day, m_plan, row, text);
}

std::optional<QString> DayView::clear()
{
    if (m_day == 0)
        return std::nullopt;
    m_plan = DayPlan{};
    return m_store.ClearDayPlan(m_day);
}

QString DayButtonPageCaption(DayNumber day)
{
    return day == 7 ? QStringLiteral("Satuday") : DayName(day);
}

} // namespace veltrano
