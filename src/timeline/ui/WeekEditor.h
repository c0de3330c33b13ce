#pragma once
// The Timeline editor: any weekday's plan, chosen by a button per day, edited
// hour by hour through "Edit Item". Made the first time it is opened.
#include "common/ui/SmallDialog.h"
#include "timeline/ui/WeekContext.h"

#include <functional>
#include <memory>

class QActionGroup;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace veltrano {

class TimelineItemDialog;
class TimelineGrid;

class WeekEditor final : public SmallDialog {
    Q_OBJECT
public:
    explicit WeekEditor(const WeekContext &context);
    ~WeekEditor() override;

    // Opens on today's plan with `hour` current and returns; `closed` runs
    // once the editor has closed.
    void openOnToday(int hour, std::function<void()> closed);
    int selectedDay() const;
    TimelineGrid *grid() const { return m_grid; }
    // "Edit Item", made the first time an entry is edited.
    TimelineItemDialog &editItemDialog();

    void onDayButton(int day);
    void editCurrentEntry();
    void clearCurrentEntry();
    void clearDay();

private:
    void createControls();
    QToolBar *createDayButtons();
    void watchScreenReaderToggle(QToolButton *button, int day);
    void createPopupMenu();
    void showToday();
    void showDay(int day, const QString &caption);
    void editEntry(const QString &preset);

    WeekContext m_context;
    std::unique_ptr<TimelineItemDialog> m_editItem;
    QTabWidget *m_pageControlWeek = nullptr;
    TimelineGrid *m_grid = nullptr;
    QActionGroup *m_dayButtons = nullptr;
    QToolButton *m_pressedDayButton = nullptr; // pressed and not yet released
    bool m_choosingDay = false;                // the buttons follow the chosen day
};

} // namespace veltrano
