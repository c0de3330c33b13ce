#include "todo/ui/ToDoFeature.h"

#include "app/ui/Main.h"
#include "todo/logic/ToDoSettings.h"

#include <QAction>

namespace veltrano {

ToDoFeature::ToDoFeature(TMainForm &main) : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("ToDoFeature"));
    m_autostart = ReadToDoAutostart(main.settings());
    connect(&main, &TMainForm::shown, this, &ToDoFeature::FormShow);
}

void ToDoFeature::FormShow()
{
    if (m_autostart)
        m_main.command(Command::FastToDoListShow)->trigger();
}

} // namespace veltrano
