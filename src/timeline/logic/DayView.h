#pragma once
// One weekday's plan as a view holds it: the day the view shows, and the
// entries it shows, which every change writes back whole.
#include "timeline/logic/WeekStore.h"

#include <array>
#include <optional>

namespace veltrano {

class DayView {
public:
    explicit DayView(WeekStore &store) : m_store(store) {}

    // 0 until a day has been shown.
    DayNumber day() const { return m_day; }
    const DayPlan &plan() const { return m_plan; }

    // Shows `day`. A file that cannot be read leaves the entries empty (the
    // load empties them before it reads) and gives the report's text; the
    // view still belongs to `day`.
    std::optional<QString> show(DayNumber day);
    // Changes entry `row` and saves the day, onto the day as it is on disk
    // when another hand changed it meanwhile. The entry keeps the text when the
    // save fails; the report's text is returned. Nothing happens before a day
    // is shown: there is no file to write to.
    std::optional<QString> setEntry(int row, const QString &text);
    // Empties every entry and saves the day.
    std::optional<QString> clear();

private:
    WeekStore &m_store;
    DayNumber m_day = 0;
    DayPlan m_plan;
};

// The Timeline editor's day buttons, top to bottom.
inline constexpr std::array<DayNumber, 7> kDayButtonOrder{2, 3, 4, 5, 6, 7, 1};

// The page caption a day button sets: the day's name, but "Satuday" for the
// Saturday button, whose file is still "Saturday.txt".
QString DayButtonPageCaption(DayNumber day);

} // namespace veltrano
