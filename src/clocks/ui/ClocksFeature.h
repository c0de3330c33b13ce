#pragma once
#include <QObject>

namespace veltrano {

class AlarmPage;
class TMainForm;

// The clocks' share of the main window: the alarm on the "Wake Up!" page,
// its values read while the window is created and written when it goes.
class ClocksFeature final : public QObject {
    Q_OBJECT
public:
    explicit ClocksFeature(TMainForm &main);

    AlarmPage &alarmPage() const { return *m_alarmPage; }
    // Unticks `CheckBoxAlarmClock`: the alarm stays silent until ticked again.
    void disableAlarm();

private:
    void FormResize();
    void writeAlarm();

    TMainForm &m_main;
    AlarmPage *m_alarmPage = nullptr;
};

} // namespace veltrano
