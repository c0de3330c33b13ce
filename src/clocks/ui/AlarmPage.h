#pragma once
#include "clocks/logic/AlarmSettings.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace veltrano {

// The "Wake Up!" page: `CheckBoxAlarmClock`, the time labels, the alarm time
// `MaskEditAlarmClock` and the sound `EditSound`, between separator lines.
class AlarmPage final : public QWidget {
    Q_OBJECT
public:
    explicit AlarmPage(QWidget *parent = nullptr);

    void setValues(const AlarmSettings &alarm);
    QCheckBox *checkBoxAlarmClock() const { return m_checkBoxAlarmClock; }
    QPushButton *soundFolderButton() const { return m_soundFolderButton; }
    // `MaskEditAlarmClock`, whose text the alarm compares.
    QLineEdit *alarmTimeEdit() const { return m_maskEditAlarmClock; }
    void setSound(const QString &path);
    // `LabelTime` and `Label15`; a page out of sight takes them when it
    // comes into view, so an idle program does not lay out what nobody sees.
    void showTimeAndDate(const QString &time, const QString &date);
    // The separator lines are as wide as the page's sheet, less 7.
    void fitBevels(int sheetWidth);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void addBevel(const char *name);

    QCheckBox *m_checkBoxAlarmClock = nullptr;
    QLineEdit *m_maskEditAlarmClock = nullptr;
    QLineEdit *m_editSound = nullptr;
    QPushButton *m_soundFolderButton = nullptr;
    QLabel *m_labelTime = nullptr;
    QLabel *m_label15 = nullptr;
    QString m_time;
    QString m_date;
    QList<QFrame *> m_bevels;
};

} // namespace veltrano
