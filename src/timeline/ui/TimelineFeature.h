#pragma once
#include "timeline/logic/UnitWeek.h"
#include "timeline/ui/WeekWindows.h"

#include <QDate>
#include <QObject>

namespace veltrano {

class TMainForm;
class TfrmWeekEdit;
class TfrmWeekEdit1;
class TfrmWeekEditor;
class TimelineGrid;

// The timeline's share of the main window: the Today page with its grid
// `StringGrid` and the grid's menu `PopupMenuToday`, kept on today's plan;
// the Timeline editor behind "Timeline..." and the two edit dialogs.
class TimelineFeature final : public QObject {
    Q_OBJECT
public:
    explicit TimelineFeature(TMainForm &main);

    TimelineGrid *todayGrid() const { return m_grid; }
    // What the timeline's windows are made with.
    const WeekContext &context() const { return m_context; }
    // The windows made after the main window, handed over as they are made;
    // "Edit Item", made right after the editor, goes on to the editor.
    void setWeekEditor(TfrmWeekEditor *editor) { m_editor = editor; }
    void setEditItem(TfrmWeekEdit *editItem);
    void setTodayEditor(TfrmWeekEdit1 *todayEditor) { m_todayEditor = todayEditor; }
    TfrmWeekEditor *weekEditor() const { return m_editor; }

    // The day whose file the Today view shows and writes to.
    int ShownDay() const;
    // The page caption becomes today's name and the grid today's plan.
    void RefreshToday();

    void WeekEditor1Click();
    void Edit2Click();
    void Delete1Click();
    void Update1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPopupMenu();
    void RefreshTodayCaption();
    void RefreshTodayFill();
    // Column 1 and the row height follow the grid's size.
    void applyTodayGridFit();
    void TodayChosen();
    void TimerUpdateTimer();
    void refreshAfterMidnight();
    void openTodayEditor(const QString &preset);

    TMainForm &m_main;
    WeekStore m_store;
    WeekContext m_context;
    TimelineGrid *m_grid = nullptr;
    TfrmWeekEditor *m_editor = nullptr;
    TfrmWeekEdit1 *m_todayEditor = nullptr;
    // The local date the Today view was filled on.
    QDate m_shownDate;
    bool m_editorOpen = false;
    bool m_todayEditorOpen = false;
    bool m_refreshWaiting = false;
};

} // namespace veltrano
