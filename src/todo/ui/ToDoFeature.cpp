#include "todo/ui/ToDoFeature.h"

#include "app/ui/Main.h"
#include "todo/logic/ToDoSettings.h"
#include "todo/ui/FormToDo.h"

#include <QAction>

namespace veltrano {

ToDoFeature::ToDoFeature(TMainForm &main) : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("ToDoFeature"));
    m_autostart = ReadToDoAutostart(main.settings());
    connect(main.command(Command::FastToDoListShow), &QAction::triggered, this,
            &ToDoFeature::FastToDoListShowExecute);
    connect(&main, &TMainForm::shown, this, &ToDoFeature::FormShow);
    // After the main window has snapped into place, and at every size change.
    connect(&main, &TMainForm::placed, this, &ToDoFeature::dock);
    connect(&main, &TMainForm::resized, this, &ToDoFeature::dock);
}

void ToDoFeature::FormShow()
{
    if (!m_autostart)
        return;
    m_showingWithMain = true;
    m_main.command(Command::FastToDoListShow)->trigger();
    m_showingWithMain = false;
}

void ToDoFeature::FastToDoListShowExecute()
{
    if (!m_window)
        return;
    // Beside a main window that is just coming up, the main window keeps
    // the keyboard (its Today grid has it).
    m_window->ShowToDo(!m_showingWithMain);
    m_window->UpdateMainToDoLabel();
}

void ToDoFeature::dock()
{
    if (m_window)
        m_window->DockToMainWindow();
}

} // namespace veltrano
