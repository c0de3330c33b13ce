#include "todo/ui/ToDoFeature.h"

#include "app/ui/MainWindow.h"
#include "todo/logic/ToDoSettings.h"
#include "todo/ui/ToDoWindow.h"

#include <QAction>

namespace veltrano {

ToDoFeature::ToDoFeature(MainWindow &main) : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("ToDoFeature"));
    m_autostart = ReadToDoAutostart(main.settings());
    connect(main.command(Command::ShowToDoList), &QAction::triggered, this,
            &ToDoFeature::showToDoWindow);
    connect(&main, &MainWindow::shown, this, &ToDoFeature::onMainWindowShown);
    // After the main window has snapped into place, and at every size change.
    connect(&main, &MainWindow::placed, this, &ToDoFeature::dock);
    connect(&main, &MainWindow::resized, this, &ToDoFeature::dock);
}

void ToDoFeature::onMainWindowShown()
{
    if (!m_autostart)
        return;
    m_showingWithMain = true;
    m_main.command(Command::ShowToDoList)->trigger();
    m_showingWithMain = false;
}

void ToDoFeature::showToDoWindow()
{
    if (!m_window)
        return;
    // Beside a main window that is just coming up, the main window keeps
    // the keyboard (its Today grid has it).
    m_window->showWindow(!m_showingWithMain);
    m_window->updateMainWindowCount();
}

void ToDoFeature::dock()
{
    if (m_window)
        m_window->dockToMainWindow();
}

} // namespace veltrano
