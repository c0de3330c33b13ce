#pragma once
// What the timeline's windows share: the week store, the clock that says which
// day is today, the message boxes and the modal runs.
class QWidget;

namespace veltrano {

class Clock;
class MessageBoxes;
class ModalDialogs;
class WeekStore;

struct WeekContext {
    WeekStore &store;
    const Clock &clock;
    MessageBoxes &messages;
    ModalDialogs &dialogs;
};

// Today's number, read from the clock each time: it changes at midnight.
int TodayNumber(const Clock &clock);

// Centres a window on the desktop the first time it is shown; later it opens
// wherever the user left it. Call from its show event.
void centreOnFirstShow(QWidget &window, bool &placed);

} // namespace veltrano
