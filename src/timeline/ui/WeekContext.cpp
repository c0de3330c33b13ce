#include "timeline/ui/WeekContext.h"

#include "platform/Clock.h"
#include "timeline/logic/WeekStore.h"

namespace veltrano {

int TodayNumber(const Clock &clock)
{
    return DayNumberOf(clock.now().date());
}

} // namespace veltrano
