#pragma once
// What the timeline's windows share: the week store, the clock that says which
// day is today, and the program's context (boxes and dialogs).

namespace veltrano {

class AppContext;
class Clock;
class WeekStore;

struct WeekContext {
    WeekStore &store;
    const Clock &clock;
    AppContext &app;
};

// Today's number, read from the clock each time: it changes at midnight.
int TodayNumber(const Clock &clock);

} // namespace veltrano
