#include "app/ui/MainWindowFrame.h"

#include "app/ui/MainWindow.h"

#include <QStatusBar>

namespace veltrano {

QAction *MainWindowFrame::command(Command id) const
{
    return m_window.command(id);
}

QWidget *MainWindowFrame::pageSheet(Page page) const
{
    return m_window.pageSheet(page);
}

void MainWindowFrame::setPageContent(Page page, QWidget *content)
{
    m_window.setPageContent(page, content);
}

void MainWindowFrame::setPageContentMaker(Page page, std::function<void()> make)
{
    m_window.setPageContentMaker(page, std::move(make));
}

void MainWindowFrame::setPageCaption(Page page, const QString &caption)
{
    m_window.setPageCaption(page, caption);
}

void MainWindowFrame::setSidePanelContent(QWidget *content)
{
    m_window.setSidePanelContent(content);
}

void MainWindowFrame::setConsoleLine(QWidget *line)
{
    m_window.setConsoleLine(line);
}

void MainWindowFrame::choosePage(Page page)
{
    m_window.choosePage(page);
}

void MainWindowFrame::showStatusMessage(const QString &text, int timeoutMs)
{
    if (text.isEmpty())
        m_window.statusBar()->clearMessage();
    else
        m_window.statusBar()->showMessage(text, timeoutMs);
}

QTimer &MainWindowFrame::secondTimer()
{
    return m_window.secondTimer();
}

QTimer &MainWindowFrame::hourTimer()
{
    return m_window.hourTimer();
}

QWidget &MainWindowFrame::window()
{
    return m_window;
}

// As the window's own close box: the window goes and the program ends.
void MainWindowFrame::requestExit()
{
    m_window.close();
}

} // namespace veltrano
