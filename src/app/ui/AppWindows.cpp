#include "app/ui/AppWindows.h"

#include "app/ui/About.h"
#include "app/ui/DataModuleImg.h"
#include "app/ui/Main.h"
#include "app/ui/TrayPlacement.h"
#include "clocks/ui/ClocksFeature.h"
#include "platform/Platform.h"
#include "projects/ui/ProjectsFeature.h"
#include "timeline/ui/TimelineFeature.h"
#include "todo/ui/ToDoFeature.h"

namespace veltrano {

template <typename Window, typename... Args> Window &AppWindows::create(Args &&...args)
{
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    Window &ref = *window;
    m_windows.push_back(std::move(window));
    return ref;
}

// Each window reads its settings as it is created, so the order is fixed: the
// main window first (it opens the settings store), and the to-do window before
// the options dialog, whose creation already acts on the to-do window.
AppWindows::AppWindows(Platform &platform, MessageBoxes &messages, ModalDialogs &dialogs)
{
    // 1 TMainForm, "Veltrano 1.1"
    m_main = &create<TMainForm>(platform, messages, dialogs,
                                [this](TMainForm &main) { plugMainWindowFeatures(main); });
    // 2 TAboutForm, "About"
    m_tray->setAboutForm(&create<TAboutForm>(platform.shell(), messages, dialogs));
    // 3 TDataModuleImg, the shared picture lists
    m_images = &create<TDataModuleImg>();
    // 4 TFastToDo, "Today To-Do List: "
    // 5 TToDoEditForm, "New To-Do Item"
    // 6 TConfiguration, "Configuration"
    // 7 TfrmToDoStatistica, "Common To-Do List Info"
    // 8 TfrmToDoRedactor, "To-Do Redactor"
    // 9 TfrmKeyMap, "Keymap Info"
    // 10 TfrmWeekEditor, "Timeline"
    // 11 TfrmWeekEdit, "Edit Item"
    // 12 TfrmWeekEdit1, "Today Editor"
    // 13 TfrmNewProject, "New Project"
    // 14 TfrmClock, "Deduvi Clock"
    // 15 TfrmProjectDelete, "Delete Structure:"
    // 16 TfrmProjectRenamer, "Rename:"
    // 17 TfrmNewSub, "New Sub:"
    // 18 TfrmPasswordGenerator, "Password Generator"
}

// While the main window is created, in the order its creation needs: the hot
// keys and tray (a refused key is reported before the window shows), the
// Today page, the worklist and note, the alarm's values, the to-do flag.
void AppWindows::plugMainWindowFeatures(TMainForm &main)
{
    m_tray = InstallTrayPlacement(main);
    m_timeline = new TimelineFeature(main);
    m_projects = new ProjectsFeature(main);
    m_clocks = new ClocksFeature(main);
    m_toDo = new ToDoFeature(main);
}

AppWindows::~AppWindows()
{
    while (!m_windows.empty())
        m_windows.pop_back();
}

} // namespace veltrano
