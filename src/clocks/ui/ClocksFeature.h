#pragma once
#include <QObject>
#include <functional>

namespace veltrano {

class AlarmClock;
class AlarmPage;
class MainWindow;
class ClockWindow;

// The clocks' share of the main window: the alarm on the "Wake Up!" page,
// ticked by the window's one-second `TimerTime`, its values read while the
// window is created and written when it goes; and the command that shows
// the desk clock.
class ClocksFeature final : public QObject {
    Q_OBJECT
public:
    // `showTrayDay` puts day d's picture (1..31) on the tray icon.
    ClocksFeature(MainWindow &main, std::function<void(int day)> showTrayDay);
    ~ClocksFeature() override;

    AlarmPage &alarmPage() const { return *m_alarmPage; }
    const AlarmClock &alarmClock() const { return *m_alarm; }
    // Unticks `CheckBoxAlarmClock`: the alarm stays silent until ticked again.
    void disableAlarm();
    // The desk clock, created after the main window; "Deduvi Clock" (menu,
    // tray menu, tool bar, Shift+F1) shows it.
    void setClockWindow(ClockWindow &clock);

    void onTick();
    void chooseAlarmSound();

private:
    void fitAlarmPage();
    void writeAlarm();

    MainWindow &m_main;
    AlarmPage *m_alarmPage = nullptr;
    AlarmClock *m_alarm = nullptr;
};

} // namespace veltrano
