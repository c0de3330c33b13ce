#include "clocks/ui/AlarmPage.h"

#include "common/ui/Hints.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltrano {

AlarmPage::AlarmPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AlarmPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 8, 0, 8);
    layout->setSpacing(6);
    const auto label = [this, layout](const char *name, const QString &caption) {
        auto *added = named(new QLabel(caption, this), name);
        layout->addWidget(added);
        return added;
    };

    m_checkBoxAlarmClock = named(new QCheckBox(QStringLiteral("Enabled"), this), "CheckBoxAlarmClock");
    layout->addWidget(m_checkBoxAlarmClock);
    addBevel("Bevel1");
    m_label15 = label("Label15", QStringLiteral("DateTime"));
    m_labelTime = label("LabelTime", QStringLiteral("0:00:00"));
    QFont large = m_labelTime->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    m_labelTime->setFont(large);
    addBevel("Bevel2");
    QLabel *timeCaption = label("Label13", QStringLiteral("Insert alarm-time"));
    m_maskEditAlarmClock = named(new QLineEdit(this), "MaskEditAlarmClock");
    timeCaption->setBuddy(m_maskEditAlarmClock); // its name for screen readers
    m_maskEditAlarmClock->setFixedWidth(76);
    m_maskEditAlarmClock->setAccessibleName(QStringLiteral("Insert alarm-time"));
    layout->addWidget(m_maskEditAlarmClock);
    addBevel("Bevel3");
    auto *soundRow = new QHBoxLayout;
    m_editSound = named(new QLineEdit(this), "EditSound");
    m_editSound->setReadOnly(true);
    m_editSound->setFixedWidth(200);
    m_editSound->setAccessibleName(QStringLiteral("Alarm sound file"));
    soundRow->addWidget(m_editSound);
    m_soundFolderButton = named(new QPushButton(QStringLiteral("Sound Folder..."), this), "Button1");
    soundRow->addWidget(m_soundFolderButton);
    soundRow->addStretch(1);
    layout->addLayout(soundRow);
    addBevel("Bevel4");
    addBevel("Bevel5");
    layout->addStretch(1);
}

void AlarmPage::addBevel(const char *name)
{
    auto *line = named(new QFrame(this), name);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    // The resize rule sets the width; the lines never hold the page wide.
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout()->addWidget(line);
    m_bevels << line;
}

void AlarmPage::setValues(const AlarmSettings &alarm)
{
    m_editSound->setText(alarm.sound);
    m_maskEditAlarmClock->setText(alarm.time);
    m_checkBoxAlarmClock->setChecked(alarm.enabled);
}

void AlarmPage::setSound(const QString &path)
{
    m_editSound->setText(path);
}

void AlarmPage::showTimeAndDate(const QString &time, const QString &date)
{
    m_time = time;
    m_date = date;
    if (!isVisible())
        return;
    m_labelTime->setText(time);
    m_label15->setText(date);
}

void AlarmPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_labelTime->setText(m_time);
    m_label15->setText(m_date);
}

void AlarmPage::fitBevels(int sheetWidth)
{
    for (QFrame *bevel : std::as_const(m_bevels))
        bevel->setMaximumWidth(qMax(0, sheetWidth - 7));
}

} // namespace veltrano
