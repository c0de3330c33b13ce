#include "clocks/ui/ClocksFeature.h"

#include "app/ui/Main.h"
#include "clocks/ui/AlarmPage.h"

#include <QCheckBox>

namespace veltrano {

ClocksFeature::ClocksFeature(TMainForm &main) : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("ClocksFeature"));
    m_alarmPage = new AlarmPage;
    m_alarmPage->setValues(ReadAlarmSettings(main.settings()));
    main.setPageContent(Page::Tasks, m_alarmPage);

    connect(&main, &TMainForm::resized, this, &ClocksFeature::FormResize);
    connect(&main, &TMainForm::savingShutdownSettings, this, &ClocksFeature::writeAlarm);
}

void ClocksFeature::disableAlarm()
{
    m_alarmPage->checkBoxAlarmClock()->setChecked(false);
}

void ClocksFeature::FormResize()
{
    m_alarmPage->fitBevels(m_main.pageSheet(Page::Tasks)->width());
}

void ClocksFeature::writeAlarm()
{
    WriteAlarmSettings(m_main.settings(), m_alarmPage->values());
}

} // namespace veltrano
