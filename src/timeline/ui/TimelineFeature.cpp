#include "timeline/ui/TimelineFeature.h"

#include "app/logic/GUI.h"
#include "app/ui/Main.h"
#include "common/ui/Hints.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>

namespace veltrano {
namespace {

constexpr int kHours = 24;

QTableWidget *createTodayGrid()
{
    auto *grid = named(new QTableWidget(kHours, 2), "StringGrid");
    grid->setAccessibleName(QStringLiteral("Today"));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(16);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setColumnWidth(0, 50);
    grid->setColumnWidth(1, 420);
    return grid;
}

} // namespace

TimelineFeature::TimelineFeature(TMainForm &main) : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("TimelineFeature"));
    m_grid = createTodayGrid();
    main.setPageContent(Page::Today, m_grid);
    createPopupMenu();
    applyTodayGridFit();

    connect(&main, &TMainForm::pageChosen, this, [this](Page page) {
        if (page == Page::Today)
            TodayChosen();
    });
    connect(&main, &TMainForm::resized, this, &TimelineFeature::applyTodayGridFit);
}

// The grid's entries answer their keys while the grid has the focus.
void TimelineFeature::createPopupMenu()
{
    auto *menu = named(new QMenu(&m_main), "PopupMenuToday");
    const auto add = [menu](const char *name, const QString &caption, const QKeySequence &key = {}) {
        QAction *item = makeAction(menu, name, caption, {}, key);
        menu->addAction(item);
        return item;
    };
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    for (QAction *item : {add("Edit2", QStringLiteral("Edit..."), ctrl(Qt::Key_E)),
                          add("Delete1", QStringLiteral("Delete..."), ctrl(Qt::Key_D))}) {
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_grid->addAction(item);
    }
    menu->addSeparator()->setObjectName(QStringLiteral("N45"));
    add("Edit1", QStringLiteral("Timeline..."));
    menu->addSeparator()->setObjectName(QStringLiteral("N46"));
    add("Update1", QStringLiteral("Update"));
    attachContextMenu(m_grid, menu);
}

void TimelineFeature::applyTodayGridFit()
{
    const TodayGridSize fit = TodayGridFit(m_grid->width(), m_grid->height());
    m_grid->setColumnWidth(1, fit.column1Width);
    m_grid->verticalHeader()->setDefaultSectionSize(fit.defaultRowHeight);
}

// The Today item's share of the click: fit the grid and give it the focus.
void TimelineFeature::TodayChosen()
{
    applyTodayGridFit();
    m_grid->setFocus();
}

} // namespace veltrano
