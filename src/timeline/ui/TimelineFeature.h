#pragma once
#include "timeline/logic/WeekStore.h"
#include "timeline/ui/WeekContext.h"

#include <QDate>
#include <QObject>

namespace veltrano {

class MainWindow;
class TimelineItemDialog;
class TodayItemDialog;
class WeekEditor;
class TimelineGrid;

// The timeline's share of the main window: the Today page with its grid
// `StringGrid` and the grid's menu `PopupMenuToday`, kept on today's plan;
// the Timeline editor behind "Timeline..." and the two edit dialogs.
class TimelineFeature final : public QObject {
    Q_OBJECT
public:
    explicit TimelineFeature(MainWindow &main);

    TimelineGrid *todayGrid() const { return m_grid; }
    // What the timeline's windows are made with.
    const WeekContext &context() const { return m_context; }
    // The windows made after the main window, handed over as they are made;
    // "Edit Item", made right after the editor, goes on to the editor.
    void setWeekEditor(WeekEditor *editor) { m_editor = editor; }
    void setEditItem(TimelineItemDialog *editItem);
    void setTodayEditor(TodayItemDialog *todayEditor) { m_todayEditor = todayEditor; }
    WeekEditor *weekEditor() const { return m_editor; }

    // The day whose file the Today view shows and writes to.
    int shownDay() const;
    // The page caption becomes today's name and the grid today's plan.
    void refreshToday();

    void showTimeline();
    void editTodayEntry();
    void clearTodayEntry();
    void onUpdateToday();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPopupMenu();
    void refreshTodayCaption();
    void refreshTodayFill();
    // Column 1 and the row height follow the grid's size.
    void applyTodayGridFit();
    void onTodayChosen();
    void onHourlyTimer();
    void refreshAfterMidnight();
    void openTodayEditor(const QString &preset);

    MainWindow &m_main;
    WeekStore m_store;
    WeekContext m_context;
    TimelineGrid *m_grid = nullptr;
    WeekEditor *m_editor = nullptr;
    TodayItemDialog *m_todayEditor = nullptr;
    // The local date the Today view was filled on.
    QDate m_shownDate;
    bool m_editorOpen = false;
    bool m_todayEditorOpen = false;
    bool m_refreshWaiting = false;
};

} // namespace veltrano
