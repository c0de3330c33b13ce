#include "clocks/ui/ClocksFeature.h"

#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "clocks/logic/AlarmClock.h"
#include "clocks/logic/AlarmTimeEntry.h"
#include "clocks/logic/ClockSettings.h"
#include "clocks/ui/AlarmPage.h"
#include "clocks/ui/ClockWindow.h"
#include "clocks/ui/AlarmSoundChooser.h"
#include "common/logic/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/RegionalFormats.h"

#include <QWidget>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace veltrano {

ClocksFeature::ClocksFeature(AppContext &context, MainFrame &frame) : m_context(context), m_frame(frame)
{
    setObjectName(QStringLiteral("ClocksFeature"));
    m_alarmValues = ReadAlarmSettings(context.settings());
    m_clockPosition = ReadClockPosition(context.settings());
    frame.setPageContentMaker(Page::Tasks, [this] { alarmPage(); });
    Platform &platform = context.platform();
    const AlarmServices services{platform.clock(), platform.regionalFormats(), platform.files(),
                                 platform.sound(), platform.tray(),          context.messagesAbout(&frame.window())};
    m_alarm = new AlarmClock(services, [this](int day) { emit dayChanged(day); }, this);
    const RegionalFormats &formats = platform.regionalFormats();
    m_timeEntry = std::make_unique<AlarmTimeEntry>([&formats](const QTime &time) { return formats.longTime(time); });
    connect(&frame.secondTimer(), &QTimer::timeout, this, &ClocksFeature::onTick);
    connect(frame.command(Command::ShowClock), &QAction::triggered, this, &ClocksFeature::showClock);
    // The page and the tray show the time and the day from the start, not a
    // second later.
    connect(&frame, &MainFrame::created, this, &ClocksFeature::onTick);
    connect(&frame, &MainFrame::resized, this, &ClocksFeature::fitAlarmPage);
}

ClocksFeature::~ClocksFeature() = default;

AlarmPage &ClocksFeature::alarmPage()
{
    if (m_alarmPage)
        return *m_alarmPage;
    m_alarmPage = new AlarmPage;
    m_alarmPage->setValues(m_alarmValues);
    m_alarmPage->showTimeAndDate(m_lastLabels.time, m_lastLabels.date);
    connect(m_alarmPage->soundFolderButton(), &QPushButton::clicked, this, &ClocksFeature::chooseAlarmSound);
    connect(m_alarmPage->checkBoxAlarmClock(), &QCheckBox::toggled, this,
            [this](bool enabled) { m_alarmValues.enabled = enabled; });
    QLineEdit *timeEdit = m_alarmPage->alarmTimeEdit();
    timeEdit->setPlaceholderText(m_timeEntry->placeholder());
    timeEdit->setToolTip(QStringLiteral("The time as the clock shows it, for example ") + m_timeEntry->placeholder());
    // The alarm compares the text as it stands, as it is typed.
    connect(timeEdit, &QLineEdit::textChanged, this, [this](const QString &time) { m_alarmValues.time = time; });
    connect(timeEdit, &QLineEdit::editingFinished, this, &ClocksFeature::alarmTimeLeft);
    m_frame.setPageContent(Page::Tasks, m_alarmPage);
    fitAlarmPage();
    return *m_alarmPage;
}

void ClocksFeature::disableAlarm()
{
    m_alarmValues.enabled = false;
    if (m_alarmPage)
        m_alarmPage->checkBoxAlarmClock()->setChecked(false);
}

ClockWindow &ClocksFeature::clockWindow()
{
    if (!m_clock) {
        Platform &platform = m_context.platform();
        m_clock = std::make_unique<ClockWindow>(m_context.settings(), platform.clock(), platform.regionalFormats(),
                                                m_clockPosition);
    }
    return *m_clock;
}

void ClocksFeature::showClock()
{
    clockWindow().showClock();
}

void ClocksFeature::onTick()
{
    m_lastLabels = m_alarm->AlarmTick(m_alarmValues);
    if (m_alarmPage)
        m_alarmPage->showTimeAndDate(m_lastLabels.time, m_lastLabels.date);
}

void ClocksFeature::chooseAlarmSound()
{
    ChooseAlarmSound(m_context.dialogs(), &m_frame.window(), [this](const QString &path) { setAlarmSound(path); });
}

void ClocksFeature::setAlarmSound(const QString &path)
{
    m_alarmValues.sound = path;
    if (m_alarmPage)
        m_alarmPage->setSound(path);
}

// A time typed another way than the clock writes it would never ring: it is
// written the clock's way, and an entry that is no time is pointed out.
void ClocksFeature::alarmTimeLeft()
{
    QLineEdit *timeEdit = m_alarmPage->alarmTimeEdit();
    const AlarmTimeEntry::Left left = m_timeEntry->left(timeEdit->text());
    if (left.text != timeEdit->text())
        timeEdit->setText(left.text);
    if (left.warning)
        m_context.messagesAbout(&m_frame.window()).notice(*left.warning);
}

void ClocksFeature::fitAlarmPage()
{
    if (m_alarmPage)
        m_alarmPage->fitBevels(m_frame.pageSheet(Page::Tasks)->width());
}

void ClocksFeature::saveAtExit()
{
    WriteAlarmSettings(m_context.settings(), m_alarmValues);
}

} // namespace veltrano
