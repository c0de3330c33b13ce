// Pages: the page actions, the View > Objects items that tick with them and
// the click reactions of the panel menu, all read from the page table.
#include "app/ui/MainWindow.h"
#include "app/ui/MainWindowFrame.h"
#include "app/ui/PanelMenu.h"
#include "common/ui/Hints.h"

#include <QAction>
#include <QBoxLayout>
#include <QLayout>
#include <QTabWidget>

namespace veltrano {

void MainWindow::createPageCommands()
{
    for (const PageRow &row : PageTable()) {
        const Page page = row.page;
        // "ActionShowToday" shows as "Today" and so on.
        QAction *show = addCommand(row.action, QString::fromLatin1(commandName(row.action)).mid(10));
        connect(show, &QAction::triggered, this, [this, page] {
            // The Worklist's action does nothing at all while its page shows.
            if (page == Page::Projects && m_pageControlTabManager->isTabVisible(int(page)))
                return;
            showOnlyPage(page);
        });
        QAction *item = addCommand(row.objectsItem, QString::fromUtf8(row.objectsCaption));
        item->setCheckable(true);
        item->setVisible(row.objectsShown);
        connect(item, &QAction::triggered, this, [this, item, page] {
            // The tick belongs to the page actions, not to the click.
            item->setChecked(!item->isChecked());
            choosePage(page);
        });
    }
    command(Command::ObjectsToday)->setChecked(true);
}

void MainWindow::createPages()
{
    for (const PageRow &row : PageTable()) {
        auto *sheet = named(new QWidget, row.sheet);
        auto *layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        m_pageControlTabManager->addTab(sheet, QString::fromUtf8(row.tabCaption));
    }
}

QWidget *MainWindow::pageSheet(Page page) const
{
    return m_pageControlTabManager->widget(int(page));
}

// A page that is not on show takes its content into its layout when it is
// first shown: laying out the hidden pages is a large share of what showing
// the window costs, and most people open one or two of them.
void MainWindow::setPageContent(Page page, QWidget *content)
{
    QWidget *sheet = pageSheet(page);
    if (m_pageControlTabManager->currentWidget() == sheet) {
        sheet->layout()->addWidget(content);
        return;
    }
    content->setParent(sheet);
    m_unattachedContent.append({page, content});
}

void MainWindow::setPageContentMaker(Page page, std::function<void()> make)
{
    m_contentMakers.append({page, std::move(make)});
}

void MainWindow::attachPageContent(Page page)
{
    for (qsizetype i = 0; i < m_contentMakers.size();) {
        if (m_contentMakers[i].first == page)
            m_contentMakers.takeAt(i).second();
        else
            ++i;
    }
    for (qsizetype i = 0; i < m_unattachedContent.size();) {
        if (m_unattachedContent[i].first == page)
            pageSheet(page)->layout()->addWidget(m_unattachedContent.takeAt(i).second);
        else
            ++i;
    }
}

void MainWindow::setPageCaption(Page page, const QString &caption)
{
    m_pageControlTabManager->setTabText(int(page), caption);
}

void MainWindow::setSidePanelContent(QWidget *content)
{
    m_panelAdditional->layout()->addWidget(content);
}

void MainWindow::setConsoleLine(QWidget *line)
{
    static_cast<QBoxLayout *>(m_panelConsole->layout())->insertWidget(0, line, 1);
}

void MainWindow::showOnlyPage(Page page)
{
    attachPageContent(page);
    // Show the page's own tab before hiding the others, so the tab widget
    // never passes through a state with no tab at all.
    m_pageControlTabManager->setTabVisible(int(page), true);
    for (int i = 0; i < m_pageControlTabManager->count(); ++i) {
        if (i != int(page))
            m_pageControlTabManager->setTabVisible(i, false);
    }
    m_pageControlTabManager->setCurrentIndex(int(page));
    for (const PageRow &row : PageTable())
        command(row.objectsItem)->setChecked(row.page == page);
}

void MainWindow::selectPanelMenuItem(unsigned item)
{
    m_panelMenuState.setSelectedItem(item);
    m_panelMenu->repaintMenu();
}

void MainWindow::choosePage(Page page)
{
    selectPanelMenuItem(PanelItemOf(page));
    command(PageRowOf(page).action)->trigger();
    emit m_frame->pageChosen(page);
}

} // namespace veltrano
