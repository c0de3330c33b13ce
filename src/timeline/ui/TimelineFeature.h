#pragma once
#include "timeline/logic/WeekStore.h"
#include "timeline/ui/WeekContext.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <memory>

namespace veltrano {

class AppContext;
class MainFrame;
class TimelineItemDialog;
class TodayItemDialog;
class WeekEditor;
class TimelineGrid;

// The timeline's share of the main window: the Today page with its grid
// `StringGrid` and the grid's menu `PopupMenuToday`, kept on today's plan;
// the Timeline editor behind "Timeline..." and the Today Editor, each made
// the first time it is opened.
class TimelineFeature final : public QObject {
    Q_OBJECT
public:
    TimelineFeature(AppContext &context, MainFrame &frame);
    ~TimelineFeature() override;

    TimelineGrid *todayGrid() const { return m_grid; }
    // What the timeline's windows are made with.
    const WeekContext &context() const { return m_context; }
    WeekEditor &weekEditor();
    TodayItemDialog &todayEditor();
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
    // A day file changed on disk by another hand is shown anew where it is
    // shown; a write of one refused in the background is made again, and so
    // told as any other.
    void followDayFiles();
    QList<TimelineGrid *> shownGrids() const;
    void reloadDay(const QString &file);
    void saveDayAgain(const QString &file);

    void createPopupMenu();
    void refreshTodayCaption();
    void refreshTodayFill();
    // Column 1 and the row height follow the grid's size.
    void applyTodayGridFit();
    void onTodayChosen();
    void onHourlyTimer();
    void refreshAfterMidnight();
    void openTodayEditor(const QString &preset);

    MainFrame &m_frame;
    WeekStore m_store;
    WeekContext m_context;
    TimelineGrid *m_grid = nullptr;
    std::unique_ptr<WeekEditor> m_editor;
    std::unique_ptr<TodayItemDialog> m_todayEditor;
    // The local date the Today view was filled on.
    QDate m_shownDate;
    // From opening to closing: the Today Editor's entry belongs to the plan it
    // was opened on, and only one of the two editors is open at a time.
    bool m_editorOpen = false;
    bool m_todayEditorOpen = false;
    // An hourly refresh came while the Today Editor was open.
    bool m_refreshWaiting = false;
};

} // namespace veltrano
