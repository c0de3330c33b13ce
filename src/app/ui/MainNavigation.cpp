// Page switching: the seven page actions and the panel menu's click reactions.
#include "app/ui/Main.h"
#include "app/ui/PanelMenu.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

namespace veltrano {

void TMainForm::showOnlyPage(Page page)
{
    // Show the page's own tab before hiding the others, so the tab widget
    // never passes through a state with no tab at all.
    m_pageControlTabManager->setTabVisible(page, true);
    for (int i = 0; i < m_pageControlTabManager->count(); ++i) {
        if (i != page)
            m_pageControlTabManager->setTabVisible(i, false);
    }
    m_pageControlTabManager->setCurrentIndex(page);
    for (QAction *item : std::as_const(m_objectsItems))
        item->setChecked(false);
    m_objectsItems[page]->setChecked(true);
}

void TMainForm::ActionShowProjectsExecute()
{
    if (m_pageControlTabManager->isTabVisible(PageProjects))
        return;
    showOnlyPage(PageProjects);
}

void TMainForm::selectPanelMenuItem(unsigned item)
{
    if (!m_panelMenuState)
        return;
    m_panelMenuState->setSelectedItem(item);
    m_panelMenu->repaintMenu();
}

void TMainForm::Label1Click()
{
    selectPanelMenuItem(1);
    m_pageActions[PageToday]->trigger();
    RefreshTodayFill();
    applyTodayGridFit();
    m_stringGrid->setFocus();
}

void TMainForm::Label3Click()
{
    m_pageControlProjects->setCurrentIndex(0);
    selectPanelMenuItem(2);
    m_pageActions[PageProjects]->trigger();
    m_treeViewProjects->setFocus();
}

void TMainForm::Label4Click()
{
    m_pageControlProjects->setCurrentIndex(1);
    selectPanelMenuItem(3);
    m_pageActions[PageTheContacts]->trigger();
}

void TMainForm::Label6Click()
{
    selectPanelMenuItem(4);
    m_pageActions[PageNotelist]->trigger();
    m_pageControlProjects->setCurrentIndex(2);
}

void TMainForm::Label7Click()
{
    selectPanelMenuItem(5);
    m_pageActions[PageTasks]->trigger();
}

void TMainForm::Label8Click()
{
    selectPanelMenuItem(6);
    m_pageActions[PageNotes]->trigger();
}

void TMainForm::Label9Click()
{
    selectPanelMenuItem(7);
    m_pageActions[PageContacts]->trigger();
}

void TMainForm::applyTodayGridFit()
{
    const TodayGridSize fit = TodayGridFit(m_stringGrid->width(), m_stringGrid->height());
    m_stringGrid->setColumnWidth(1, fit.column1Width);
    m_stringGrid->verticalHeader()->setDefaultSectionSize(fit.defaultRowHeight);
}

void TMainForm::TreeViewProjectsContextPopup(const QPoint &position)
{
    auto *menu = findChild<QMenu *>(QStringLiteral("PopupMenuProjects"));
    menu->exec(m_treeViewProjects->viewport()->mapToGlobal(position));
}

} // namespace veltrano
