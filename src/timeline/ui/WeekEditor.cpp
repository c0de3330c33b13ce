#include "timeline/ui/WeekEditor.h"

#include "common/ui/Hints.h"
#include "common/ui/AppContext.h"
#include "common/ui/ModalDialogs.h"
#include "timeline/ui/TimelineItemDialog.h"
#include "timeline/ui/TimelineGrid.h"
#include "timeline/ui/WeekContext.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace veltrano {
namespace {

constexpr QSize kClientSize{554, 467};
constexpr int kToolBarWidth = 69;
constexpr int kRowHeight = 17;

} // namespace

WeekEditor::WeekEditor(const WeekContext &context)
    : SmallDialog("frmWeekEditor", QStringLiteral("Timeline"), kClientSize, Centred::FirstTime), m_context(context)
{
    createControls();
}

WeekEditor::~WeekEditor() = default;

void WeekEditor::createControls()
{
    m_pageControlWeek = named(new QTabWidget(this), "PageControlWeek");
    auto *page = named(new QWidget, "TabSheetDomeDay");
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    m_grid = new TimelineGrid(m_context, kRowHeight, page);
    m_grid->setAccessibleName(QStringLiteral("Time Table"));
    pageLayout->addWidget(m_grid);
    m_pageControlWeek->addTab(page, QStringLiteral("Time Table"));
    m_pageControlWeek->tabBar()->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(createDayButtons());
    layout->addWidget(m_pageControlWeek, 1);
    connect(m_grid, &TimelineGrid::editRequested, this, &WeekEditor::editCurrentEntry);
    createPopupMenu();
}

QToolBar *WeekEditor::createDayButtons()
{
    auto *bar = named(new QToolBar(this), "ToolBar1");
    bar->setOrientation(Qt::Vertical);
    bar->setFixedWidth(kToolBarWidth);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setAccessibleName(QStringLiteral("Days"));
    // The grid's small font, so the longest name fits the bar's width.
    bar->setFont(m_grid->font());
    m_dayButtons = new QActionGroup(this);
    for (const DayNumber day : kDayButtonOrder) {
        const QString name = DayName(day);
        auto *choose = new QAction(name, m_dayButtons);
        choose->setObjectName(u"Action" + name);
        choose->setCheckable(true);
        choose->setData(day);
        bar->addAction(choose);
        QWidget *button = bar->widgetForAction(choose);
        button->setObjectName(u"ToolButton" + name);
        button->setCursor(Qt::PointingHandCursor);
        // Reachable with Tab too; a day chosen hands the keys back to the grid.
        button->setFocusPolicy(Qt::TabFocus);
        button->setMinimumWidth(kToolBarWidth - 4);
        connect(choose, &QAction::triggered, this, [this, day] { onDayButton(day); });
        watchScreenReaderToggle(qobject_cast<QToolButton *>(button), day);
    }
    // Qt's button for the days that do not fit has no name of its own.
    if (auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(QStringLiteral("More days"));
        more->setToolTip(more->accessibleName());
    }
    return bar;
}

// A screen reader's "Toggle" (the one action Qt offers for a button that
// stays down) flips the button and its action but triggers nothing, and a
// second one leaves no day chosen at all. A flip that is neither a click
// (which triggers the action itself) nor the buttons following the chosen
// day chooses the day as a click does.
void WeekEditor::watchScreenReaderToggle(QToolButton *button, int day)
{
    connect(button, &QToolButton::pressed, this, [this, button] { m_pressedDayButton = button; });
    connect(button, &QToolButton::released, this, [this] { m_pressedDayButton = nullptr; });
    connect(button, &QToolButton::toggled, this, [this, button, day](bool checked) {
        if (m_choosingDay || m_pressedDayButton == button)
            return;
        const QList<QAction *> days = m_dayButtons->actions();
        const bool anotherChosen = std::any_of(days.cbegin(), days.cend(), [](QAction *a) { return a->isChecked(); });
        if (checked || !anotherChosen)
            onDayButton(day);
    });
}

void WeekEditor::createPopupMenu()
{
    auto *menu = named(new QMenu(this), "PopupMenu");
    QAction *edit = makeAction(menu, "Edit1", QStringLiteral("Edit"));
    QAction *erase = makeAction(menu, "Delete1", QStringLiteral("Delete"), {}, QKeySequence(Qt::Key_Delete));
    erase->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_grid->addAction(erase);
    menu->addActions({edit, erase});
    menu->addSeparator()->setObjectName(QStringLiteral("N2"));
    auto *cleaning = named(new QMenu(QStringLiteral("Cleaning"), menu), "N1");
    QAction *all = makeAction(cleaning, "All1", QStringLiteral("All"));
    cleaning->addAction(all);
    menu->addMenu(cleaning);
    attachContextMenu(m_grid, menu);
    connect(edit, &QAction::triggered, this, &WeekEditor::editCurrentEntry);
    connect(erase, &QAction::triggered, this, &WeekEditor::clearCurrentEntry);
    connect(all, &QAction::triggered, this, &WeekEditor::clearDay);
}

void WeekEditor::openOnToday(int hour, std::function<void()> closed)
{
    m_grid->setCurrentHour(hour);
    showToday();
    m_context.app.dialogs().open(*this, [closed = std::move(closed)](int) { closed(); });
}

void WeekEditor::showToday()
{
    const DayNumber today = TodayNumber(m_context.clock);
    showDay(today, DayName(today));
    m_grid->setFocus();
}

int WeekEditor::selectedDay() const
{
    return m_grid->day();
}

TimelineItemDialog &WeekEditor::editItemDialog()
{
    if (!m_editItem)
        m_editItem = std::make_unique<TimelineItemDialog>(m_context.app.dialogs());
    return *m_editItem;
}

void WeekEditor::onDayButton(int day)
{
    showDay(day, DayButtonPageCaption(day));
    m_grid->setFocus();
}

void WeekEditor::showDay(int day, const QString &caption)
{
    const QScopedValueRollback choosing(m_choosingDay, true);
    m_pageControlWeek->setTabText(0, caption);
    for (QAction *choose : m_dayButtons->actions())
        choose->setChecked(choose->data().toInt() == day);
    m_grid->showDay(day);
}

void WeekEditor::editCurrentEntry()
{
    editEntry(m_grid->currentEntry());
}

void WeekEditor::clearCurrentEntry()
{
    editEntry(QString());
}

// Empties the whole day at once: the menu item itself is the confirmation.
void WeekEditor::clearDay()
{
    m_grid->clearDay();
}

void WeekEditor::editEntry(const QString &preset)
{
    editItemDialog().edit(preset, [this](const QString &text) { return m_grid->setCurrentEntry(text); });
}

} // namespace veltrano
