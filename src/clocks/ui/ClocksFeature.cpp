#include "clocks/ui/ClocksFeature.h"

#include "app/ui/MainWindow.h"
#include "clocks/logic/AlarmClock.h"
#include "clocks/ui/AlarmPage.h"
#include "clocks/ui/ClockWindow.h"
#include "clocks/ui/AlarmSoundChooser.h"
#include "platform/Platform.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

namespace veltrano {

ClocksFeature::ClocksFeature(MainWindow &main, std::function<void(int day)> showTrayDay)
    : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("ClocksFeature"));
    m_alarmPage = new AlarmPage;
    m_alarmPage->setValues(ReadAlarmSettings(main.settings()));
    main.setPageContent(Page::Tasks, m_alarmPage);

    Platform &platform = main.platform();
    const AlarmServices services{platform.clock(), platform.regionalFormats(), platform.files(),
                                 platform.sound(), platform.tray(),          main.messages()};
    m_alarm = new AlarmClock(services, std::move(showTrayDay), this);

    connect(m_alarmPage->soundFolderButton(), &QPushButton::clicked, this, &ClocksFeature::chooseAlarmSound);
    connect(&main.timerTime(), &QTimer::timeout, this, &ClocksFeature::onTick);
    // The page and the tray show the time and the day from the start, not a
    // second later.
    connect(&main, &MainWindow::created, this, &ClocksFeature::onTick);
    connect(&main, &MainWindow::resized, this, &ClocksFeature::fitAlarmPage);
    connect(&main, &MainWindow::savingShutdownSettings, this, &ClocksFeature::writeAlarm);
}

ClocksFeature::~ClocksFeature() = default;

void ClocksFeature::disableAlarm()
{
    m_alarmPage->checkBoxAlarmClock()->setChecked(false);
}

void ClocksFeature::setClockWindow(ClockWindow &clock)
{
    connect(m_main.command(Command::ShowClock), &QAction::triggered, &clock,
            &ClockWindow::showClock);
}

void ClocksFeature::onTick()
{
    const AlarmClock::Labels labels = m_alarm->AlarmTick(m_alarmPage->values());
    m_alarmPage->showTimeAndDate(labels.time, labels.date);
}

void ClocksFeature::chooseAlarmSound()
{
    if (const auto chosen = ChooseAlarmSound(m_main.dialogs(), &m_main))
        m_alarmPage->setSound(*chosen);
}

void ClocksFeature::fitAlarmPage()
{
    m_alarmPage->fitBevels(m_main.pageSheet(Page::Tasks)->width());
}

void ClocksFeature::writeAlarm()
{
    WriteAlarmSettings(m_main.settings(), m_alarmPage->values());
}

} // namespace veltrano
