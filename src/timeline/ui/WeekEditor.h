#pragma once
// The Timeline editor: any weekday's plan, chosen by a button per day, edited
// hour by hour through "Edit Item". Its controls are built when it is first
// opened (or first reached through grid()).
#include "common/ui/FirstShow.h"
#include "timeline/ui/WeekContext.h"

#include <QDialog>

class QActionGroup;
class QTabWidget;
class QToolBar;

namespace veltrano {

class TimelineItemDialog;
class TimelineGrid;

class WeekEditor final : public QDialog {
    Q_OBJECT
public:
    explicit WeekEditor(const WeekContext &context);

    // "Edit Item", made after this window.
    void setEditItem(TimelineItemDialog *editItem) { m_editItem = editItem; }
    // Opens on today's plan with `hour` current and returns once closed.
    void execOnToday(int hour);

    int selectedDay();
    TimelineGrid *grid();

    void onDayButton(int day);
    void editCurrentEntry();
    void clearCurrentEntry();
    void clearDay();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    QToolBar *createDayButtons();
    void createPopupMenu();
    void onShow();
    void showDay(int day, const QString &caption);
    void editEntry(const QString &preset);

    WeekContext m_context;
    TimelineItemDialog *m_editItem = nullptr;
    QTabWidget *m_pageControlWeek = nullptr;
    TimelineGrid *m_grid = nullptr;
    QActionGroup *m_dayButtons = nullptr;
    bool m_placed = false;
    BuiltWhenFirstShown m_controls;
};

} // namespace veltrano
