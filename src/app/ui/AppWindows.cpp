#include "app/ui/AppWindows.h"

#include "app/ui/About.h"
#include "app/ui/Conf.h"
#include "app/ui/DataModuleImg.h"
#include "app/ui/GlobalHotKeys.h"
#include "app/ui/Main.h"
#include "app/ui/TrayPlacement.h"
#include "clocks/ui/ClocksFeature.h"
#include "common/logic/SettingsStore.h"
#include "clocks/ui/FormClock.h"
#include "platform/Platform.h"
#include "projects/ui/FormNewProject.h"
#include "projects/ui/FormNewSub.h"
#include "projects/ui/FormProjectDelete.h"
#include "projects/ui/ProjectsFeature.h"
#include "projects/ui/SystemToolsFeature.h"
#include "projects/ui/UnitProjectRenamer.h"
#include "timeline/ui/FormWeekEdit.h"
#include "timeline/ui/FormWeekEdit1.h"
#include "timeline/ui/FormWeekEditor.h"
#include "timeline/ui/TimelineFeature.h"
#include "todo/ui/ConsoleFeature.h"
#include "todo/ui/DoEdit.h"
#include "todo/ui/FormKeyMap.h"
#include "todo/ui/FormPasswordGenerator.h"
#include "todo/ui/FormToDo.h"
#include "todo/ui/FormToDoRedactor.h"
#include "todo/ui/FormToDoStatistica.h"
#include "todo/ui/PasswordGeneratorFeature.h"
#include "todo/ui/ToDoFeature.h"

#include <QPointer>

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
    TFastToDo &toDo = create<TFastToDo>(*m_main);
    m_toDo->setWindow(&toDo);
    // 5 TToDoEditForm, "New To-Do Item"
    toDo.setComposer(&create<TToDoEditForm>(*m_main, toDo));
    // 6 TConfiguration, "Configuration"
    TConfiguration &options = create<TConfiguration>(*m_main, optionsReactions(toDo));
    // 7 TfrmToDoStatistica, "Common To-Do List Info"
    toDo.setStatistics(&create<TfrmToDoStatistica>());
    // 8 TfrmToDoRedactor, "To-Do Redactor"
    toDo.setRedactor(&create<TfrmToDoRedactor>(m_main->messages(), toDo.list()));
    joinToDoWindow(toDo, options);
    // 9 TfrmKeyMap, "Keymap Info"
    m_console->setKeyMap(&create<TfrmKeyMap>());
    // 10 TfrmWeekEditor, "Timeline"
    m_timeline->setWeekEditor(&create<TfrmWeekEditor>(m_timeline->context()));
    // 11 TfrmWeekEdit, "Edit Item"
    m_timeline->setEditItem(&create<TfrmWeekEdit>(dialogs));
    // 12 TfrmWeekEdit1, "Today Editor"
    m_timeline->setTodayEditor(&create<TfrmWeekEdit1>(dialogs));
    // 13 TfrmNewProject, "New Project"
    m_projects->setNewProjectForm(&create<TfrmNewProject>());
    // 14 TfrmClock, "Deduvi Clock"
    m_clocks->setClockWindow(
        create<TfrmClock>(m_main->settings(), platform.clock(), platform.regionalFormats()));
    // 15 TfrmProjectDelete, "Delete Structure:"
    m_projects->setDeleteForm(&create<TfrmProjectDelete>());
    // 16 TfrmProjectRenamer, "Rename:"
    m_projects->setRenamerForm(&create<TfrmProjectRenamer>());
    // 17 TfrmNewSub, "New Sub:"
    m_projects->setNewSubForm(&create<TfrmNewSub>());
    // 18 TfrmPasswordGenerator, "Password Generator"
    m_passwords->setWindow(&create<TfrmPasswordGenerator>(dialogs));
}

// While the main window is created, in the order its creation needs: the hot
// keys and tray (a refused key is reported before the window shows), the
// Today page, the worklist and note, the alarm's values, the to-do flag.
void AppWindows::plugMainWindowFeatures(TMainForm &main)
{
    m_tray = InstallTrayPlacement(main);
    m_timeline = new TimelineFeature(main);
    m_projects = new ProjectsFeature(main);
    m_clocks = new ClocksFeature(main, [this](int day) { m_tray->setTrayDay(day); });
    m_toDo = new ToDoFeature(main);
    m_systemTools = new SystemToolsFeature(main);
    m_console = new ConsoleFeature(main);
    m_passwords = new PasswordGeneratorFeature(main);
    // Sleep switches the alarm off; Backup is a line typed into the console.
    m_systemTools->setDisableAlarm([this] { m_clocks->disableAlarm(); });
    m_systemTools->setRunThroughConsole([this](const QString &text) { m_console->RunThroughConsole(text); });
}

// The options act on the to-do window's blending from their first load on,
// so their reactions exist before the dialog is created.
ConfigurationReactions AppWindows::optionsReactions(TFastToDo &toDo)
{
    const QPointer<TFastToDo> window(&toDo);
    ConfigurationReactions reactions;
    reactions.switchToDoBlending = [window](bool on) {
        if (window)
            window->setAlphaBlend(on);
    };
    reactions.setToDoBlendValue = [window](int value) {
        if (window)
            window->setAlphaBlendValue(value);
    };
    reactions.showToDoWindow = [window] {
        if (window) {
            window->show();
            window->raise();
        }
    };
    return reactions;
}

// What the to-do window reaches in other features: the options dialog (its
// "To-Does" page and its blending values), the count label on the main
// window's Contacts page, and Ctrl+F1, a plain show that leaves the label be.
void AppWindows::joinToDoWindow(TFastToDo &toDo, TConfiguration &options)
{
    const QPointer<TConfiguration> dialog(&options);
    toDo.setOptionsOpener([dialog] {
        if (dialog)
            dialog->OpenOnPage(TConfiguration::ToDoesNode);
    });
    toDo.setBlendSource([dialog] {
        return dialog ? ToDoBlend{dialog->toDoAlpha(), dialog->toDoAlphaPos()} : ToDoBlend{};
    });
    toDo.setMainLabel(m_projects->toDoCountLabel());
    const QPointer<TFastToDo> window(&toDo);
    m_tray->hotKeys().setReaction(kToDoHotKey, [window] {
        if (window)
            window->ShowToDo();
    });
}

AppWindows::~AppWindows()
{
    // Every window writes its settings as it goes; on a full disk the user
    // hears of it once, not once per window.
    m_main->settings().reportRefusalsOnce();
    while (!m_windows.empty())
        m_windows.pop_back();
}

} // namespace veltrano
