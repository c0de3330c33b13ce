#include "timeline/ui/TimelineFeature.h"

#include "common/logic/BackgroundWriter.h"
#include "common/logic/DataFolderWatch.h"
#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "common/ui/Hints.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "timeline/logic/TodayGridFit.h"
#include "timeline/ui/TodayItemDialog.h"
#include "timeline/ui/WeekEditor.h"
#include "timeline/ui/TimelineGrid.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTimer>
#include <utility>

namespace veltrano {
namespace {

constexpr int kTodayRowHeight = 16;

} // namespace

TimelineFeature::TimelineFeature(AppContext &context, MainFrame &frame)
    : m_frame(frame), m_store(context.files(), context.platform().textCodec(), context.dataFolder()),
      m_context{m_store, context.platform().clock(), context}
{
    setObjectName(QStringLiteral("TimelineFeature"));
    m_grid = new TimelineGrid(m_context, kTodayRowHeight);
    m_grid->setAccessibleName(QStringLiteral("Today"));
    m_grid->installEventFilter(this);
    frame.setPageContent(Page::Today, m_grid);
    createPopupMenu();
    connect(m_grid, &TimelineGrid::editRequested, this, &TimelineFeature::editTodayEntry);
    connect(frame.command(Command::ShowTimeline), &QAction::triggered, this, &TimelineFeature::showTimeline);

    // The main window has just shown the Today page.
    refreshToday();
    applyTodayGridFit();

    connect(&frame, &MainFrame::showing, this, &TimelineFeature::refreshTodayCaption);
    connect(&frame, &MainFrame::pageChosen, this, [this](Page page) {
        if (page == Page::Today)
            onTodayChosen();
    });
    connect(&frame, &MainFrame::resized, this, &TimelineFeature::applyTodayGridFit);
    connect(&frame.hourTimer(), &QTimer::timeout, this, &TimelineFeature::onHourlyTimer);
    connect(&frame.secondTimer(), &QTimer::timeout, this, &TimelineFeature::refreshAfterMidnight);
    followDayFiles();
}

void TimelineFeature::followDayFiles()
{
    const auto shownFiles = [this] {
        QStringList files;
        for (const TimelineGrid *grid : shownGrids())
            files << m_store.DayFilePath(grid->day());
        return files;
    };
    m_context.app.watch().followFiles(this, shownFiles, [this](const QString &file) { reloadDay(file); });
    connect(&m_context.app.files(), &BackgroundWriter::refusedInBackground, this,
            [this](const QString &file) { saveDayAgain(file); });
}

QList<TimelineGrid *> TimelineFeature::shownGrids() const
{
    QList<TimelineGrid *> grids;
    for (TimelineGrid *grid : {m_grid, m_editorOpen && m_editor ? m_editor->grid() : nullptr}) {
        if (grid && grid->day() > 0)
            grids << grid;
    }
    return grids;
}

void TimelineFeature::reloadDay(const QString &file)
{
    for (TimelineGrid *grid : shownGrids()) {
        if (m_store.DayFilePath(grid->day()) != file)
            continue;
        const int hour = grid->currentHour();
        grid->showDay(grid->day());
        grid->setCurrentHour(hour);
        if (grid == m_grid)
            applyTodayGridFit();
    }
}

void TimelineFeature::saveDayAgain(const QString &file)
{
    for (TimelineGrid *grid : shownGrids()) {
        if (m_store.DayFilePath(grid->day()) == file) {
            grid->setCurrentEntry(grid->currentEntry());
            return;
        }
    }
}

TimelineFeature::~TimelineFeature() = default;

WeekEditor &TimelineFeature::weekEditor()
{
    if (!m_editor)
        m_editor = std::make_unique<WeekEditor>(m_context);
    return *m_editor;
}

TodayItemDialog &TimelineFeature::todayEditor()
{
    if (!m_todayEditor)
        m_todayEditor = std::make_unique<TodayItemDialog>(m_context.app.dialogs());
    return *m_todayEditor;
}


// Ctrl+E and Ctrl+D answer while the grid has the focus.
void TimelineFeature::createPopupMenu()
{
    auto *menu = named(new QMenu(m_grid), "PopupMenuToday");
    const auto add = [menu](const char *name, const QString &caption, const QKeySequence &key = {}) {
        QAction *item = makeAction(menu, name, caption, {}, key);
        menu->addAction(item);
        return item;
    };
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    QAction *edit = add("Edit2", QStringLiteral("Edit..."), ctrl(Qt::Key_E));
    QAction *erase = add("Delete1", QStringLiteral("Delete..."), ctrl(Qt::Key_D));
    for (QAction *item : {edit, erase}) {
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_grid->addAction(item);
    }
    menu->addSeparator()->setObjectName(QStringLiteral("N45"));
    QAction *timeline = add("Edit1", QStringLiteral("Timeline..."));
    menu->addSeparator()->setObjectName(QStringLiteral("N46"));
    QAction *update = add("Update1", QStringLiteral("Update"));
    attachContextMenu(m_grid, menu);
    connect(edit, &QAction::triggered, this, &TimelineFeature::editTodayEntry);
    connect(erase, &QAction::triggered, this, &TimelineFeature::clearTodayEntry);
    connect(timeline, &QAction::triggered, m_frame.command(Command::ShowTimeline), &QAction::trigger);
    connect(update, &QAction::triggered, this, &TimelineFeature::onUpdateToday);
}

int TimelineFeature::shownDay() const
{
    return m_grid->day();
}

void TimelineFeature::refreshToday()
{
    refreshTodayCaption();
    refreshTodayFill();
}

void TimelineFeature::refreshTodayCaption()
{
    m_frame.setPageCaption(Page::Today, DayName(TodayNumber(m_context.clock)));
}

void TimelineFeature::refreshTodayFill()
{
    m_shownDate = m_context.clock.now().date();
    m_grid->showDay(DayNumberOf(m_shownDate));
    // Filling resets the entry column to its stock width, which at most window
    // sizes would bring up a horizontal scroll bar until the next resize.
    applyTodayGridFit();
}

// Fitted to the room inside the frame and beside the vertical scroll bar (when
// the rows need one), so the columns never call for a horizontal bar. Of the
// width the fit keeps back beside column 0, the part meant for the frame and
// the grid lines goes to column 1: here both lie inside that room already.
void TimelineFeature::applyTodayGridFit()
{
    constexpr int kFrameAndLines = 10;
    const int height = m_grid->height();
    const int rowHeight = TodayGridFit(0, height).defaultRowHeight; // the height alone decides it
    const int room = m_grid->columnsRoom(rowHeight);
    m_grid->setColumnWidth(1, TodayGridFit(room + kFrameAndLines, height).column1Width);
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
}

// The grid is laid out after the main window has fitted it at start-up, and
// the splitter beside the pages resizes it without resizing the window.
bool TimelineFeature::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::Resize)
        applyTodayGridFit();
    return QObject::eventFilter(watched, event);
}

// The Today item's share of the click: today's plan again, fitted, in focus.
void TimelineFeature::onTodayChosen()
{
    refreshTodayFill();
    applyTodayGridFit();
    m_grid->setFocus();
}

void TimelineFeature::onUpdateToday()
{
    m_frame.command(Command::ShowTodayPage)->trigger();
    refreshToday();
}

// An hourly refresh that comes while the Today Editor is open waits for it to
// close: the entry being typed belongs to the plan the dialog was opened on.
void TimelineFeature::onHourlyTimer()
{
    if (m_todayEditorOpen) {
        m_refreshWaiting = true;
        return;
    }
    onUpdateToday();
}

// The hourly refresh alone would leave yesterday's plan under yesterday's name
// for up to an hour after midnight, and the Today Editor writing into
// yesterday's file meanwhile: the second tick sees the date change at once.
void TimelineFeature::refreshAfterMidnight()
{
    if (!m_todayEditorOpen && m_context.clock.now().date() != m_shownDate)
        refreshToday();
}

void TimelineFeature::showTimeline()
{
    if (m_todayEditorOpen)
        return;
    if (m_editorOpen) {
        m_editor->raise();
        m_editor->activateWindow();
        return;
    }
    m_editorOpen = true;
    weekEditor().openOnToday(m_grid->currentHour(), [this] {
        m_editorOpen = false;
        refreshToday();
    });
}

void TimelineFeature::editTodayEntry()
{
    openTodayEditor(m_grid->currentEntry());
}

// The entry becomes "none" only once the user confirms it.
void TimelineFeature::clearTodayEntry()
{
    openTodayEditor(QString::fromUtf16(kMissingDayEntry));
}

void TimelineFeature::openTodayEditor(const QString &preset)
{
    if (m_todayEditorOpen || m_editorOpen)
        return;
    m_todayEditorOpen = true;
    todayEditor().edit(
        preset, [this](const QString &text) { return m_grid->setCurrentEntry(text); },
        [this] {
            m_todayEditorOpen = false;
            if (std::exchange(m_refreshWaiting, false))
                onHourlyTimer();
            else
                refreshAfterMidnight();
        });
}

} // namespace veltrano
