#pragma once
#include "clocks/logic/AlarmClock.h"
#include "clocks/logic/AlarmSettings.h"

#include <QObject>
#include <QPoint>
#include <memory>
#include <optional>
#include <functional>

namespace veltrano {

class AlarmPage;
class AlarmTimeEntry;
class AppContext;
class ClockWindow;
class MainFrame;

// The clocks' share of the main window: the alarm on the "Wake Up!" page,
// ticked by the window's one-second `TimerTime`, its values read at start-up
// and written at exit; and the desk clock, made the first time it is shown.
// The alarm rings from its values whether or not its page was ever built:
// the page is made the first time it shows, and edits its values.
class ClocksFeature final : public QObject {
    Q_OBJECT
public:
    ClocksFeature(AppContext &context, MainFrame &frame);
    ~ClocksFeature() override;

    AlarmPage &alarmPage();
    const AlarmClock &alarmClock() const { return *m_alarm; }
    // Unticks `CheckBoxAlarmClock`: the alarm stays silent until ticked again.
    void disableAlarm();
    // The desk clock, "Deduvi Clock" (menu, tray menu, tool bar, Shift+F1).
    ClockWindow &clockWindow();
    void showClock();
    // The alarm's keys, last of all at exit.
    void saveAtExit();

    void onTick();
    void chooseAlarmSound();

signals:
    // The day of the month (1 to 31) the tray icon should show.
    void dayChanged(int day);

private:
    void fitAlarmPage();
    void alarmTimeLeft();
    void setAlarmSound(const QString &path);

    AppContext &m_context;
    MainFrame &m_frame;
    AlarmSettings m_alarmValues;
    AlarmClock::Labels m_lastLabels; // what the page shows once it is built
    AlarmPage *m_alarmPage = nullptr;
    AlarmClock *m_alarm = nullptr;
    std::unique_ptr<AlarmTimeEntry> m_timeEntry;
    // Where the clock reopens ("Clock Position"), as the file said at start-up.
    std::optional<QPoint> m_clockPosition;
    std::unique_ptr<ClockWindow> m_clock;
};

} // namespace veltrano
