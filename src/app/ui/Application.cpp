#include "app/ui/Application.h"

#include "app/ui/AboutDialog.h"
#include "app/ui/OptionsDialog.h"
#include "app/ui/DataModuleImg.h"
#include "app/ui/GlobalHotKeys.h"
#include "app/ui/MainWindow.h"
#include "app/ui/TrayPlacement.h"
#include "clocks/ui/ClocksFeature.h"
#include "common/logic/SettingsStore.h"
#include "clocks/ui/ClockWindow.h"
#include "platform/Platform.h"
#include "projects/ui/NewProjectDialog.h"
#include "projects/ui/NewSubStructureDialog.h"
#include "projects/ui/DeleteStructureDialog.h"
#include "projects/ui/ProjectsFeature.h"
#include "systemtools/ui/SystemToolsFeature.h"
#include "projects/ui/RenameStructureDialog.h"
#include "timeline/ui/TimelineItemDialog.h"
#include "timeline/ui/TodayItemDialog.h"
#include "timeline/ui/WeekEditor.h"
#include "timeline/ui/TimelineFeature.h"
#include "console/ui/ConsoleFeature.h"
#include "todo/ui/NewToDoItemDialog.h"
#include "console/ui/KeymapInfoDialog.h"
#include "passwords/ui/PasswordGeneratorDialog.h"
#include "todo/ui/ToDoWindow.h"
#include "todo/ui/ToDoItemEditor.h"
#include "todo/ui/ToDoStatisticsDialog.h"
#include "passwords/ui/PasswordsFeature.h"
#include "todo/ui/ToDoFeature.h"

#include <QPointer>

namespace veltrano {

template <typename Window, typename... Args> Window &Application::create(Args &&...args)
{
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    Window &ref = *window;
    m_windows.push_back(std::move(window));
    return ref;
}

// Each window reads its settings as it is created, so the order is fixed: the
// main window first (it opens the settings store), and the to-do window before
// the options dialog, whose creation already acts on the to-do window.
Application::Application(Platform &platform, MessageBoxes &messages, ModalDialogs &dialogs)
{
    // 1 MainWindow, "Veltrano 1.1"
    m_main = &create<MainWindow>(platform, messages, dialogs,
                                [this](MainWindow &main) { plugMainWindowFeatures(main); });
    // 2 AboutDialog, "About"
    m_tray->setAboutForm(&create<AboutDialog>(platform.shell(), messages, dialogs));
    // 3 TDataModuleImg, the shared picture lists
    m_images = &create<TDataModuleImg>();
    // 4 ToDoWindow, "Today To-Do List: "
    ToDoWindow &toDo = create<ToDoWindow>(*m_main);
    m_toDo->setWindow(&toDo);
    // 5 NewToDoItemDialog, "New To-Do Item"
    toDo.setComposer(&create<NewToDoItemDialog>(*m_main, toDo));
    // 6 OptionsDialog, "Configuration"
    OptionsDialog &options = create<OptionsDialog>(*m_main, optionsReactions(toDo));
    // 7 ToDoStatisticsDialog, "Common To-Do List Info"
    toDo.setStatistics(&create<ToDoStatisticsDialog>());
    // 8 ToDoItemEditor, "To-Do Redactor"
    toDo.setRedactor(&create<ToDoItemEditor>(m_main->messages(), toDo.list()));
    joinToDoWindow(toDo, options);
    // 9 KeymapInfoDialog, "Keymap Info"
    m_console->setKeyMap(&create<KeymapInfoDialog>());
    // 10 WeekEditor, "Timeline"
    m_timeline->setWeekEditor(&create<WeekEditor>(m_timeline->context()));
    // 11 TimelineItemDialog, "Edit Item"
    m_timeline->setEditItem(&create<TimelineItemDialog>(dialogs));
    // 12 TodayItemDialog, "Today Editor"
    m_timeline->setTodayEditor(&create<TodayItemDialog>(dialogs));
    // 13 NewProjectDialog, "New Project"
    m_projects->setNewProjectForm(&create<NewProjectDialog>());
    // 14 ClockWindow, "Deduvi Clock"
    m_clocks->setClockWindow(
        create<ClockWindow>(m_main->settings(), platform.clock(), platform.regionalFormats()));
    // 15 DeleteStructureDialog, "Delete Structure:"
    m_projects->setDeleteForm(&create<DeleteStructureDialog>());
    // 16 RenameStructureDialog, "Rename:"
    m_projects->setRenamerForm(&create<RenameStructureDialog>());
    // 17 NewSubStructureDialog, "New Sub:"
    m_projects->setNewSubForm(&create<NewSubStructureDialog>());
    // 18 PasswordGeneratorDialog, "Password Generator"
    m_passwords->setWindow(&create<PasswordGeneratorDialog>(dialogs));
}

// While the main window is created, in the order its creation needs: the hot
// keys and tray (a refused key is reported before the window shows), the
// Today page, the worklist and note, the alarm's values, the to-do flag.
void Application::plugMainWindowFeatures(MainWindow &main)
{
    m_tray = InstallTrayPlacement(main);
    m_timeline = new TimelineFeature(main);
    m_projects = new ProjectsFeature(main);
    m_clocks = new ClocksFeature(main, [this](int day) { m_tray->setTrayDay(day); });
    m_toDo = new ToDoFeature(main);
    m_systemTools = new SystemToolsFeature(main);
    m_console = new ConsoleFeature(main);
    m_passwords = new PasswordsFeature(main);
    // Sleep switches the alarm off; Backup is a line typed into the console.
    m_systemTools->setDisableAlarm([this] { m_clocks->disableAlarm(); });
    m_systemTools->setRunThroughConsole([this](const QString &text) { m_console->runThroughConsole(text); });
}

// The options act on the to-do window's blending from their first load on,
// so their reactions exist before the dialog is created.
ConfigurationReactions Application::optionsReactions(ToDoWindow &toDo)
{
    const QPointer<ToDoWindow> window(&toDo);
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
void Application::joinToDoWindow(ToDoWindow &toDo, OptionsDialog &options)
{
    const QPointer<OptionsDialog> dialog(&options);
    toDo.setOptionsOpener([dialog] {
        if (dialog)
            dialog->openOnPage(OptionsDialog::ToDoesNode);
    });
    toDo.setBlendSource([dialog] {
        return dialog ? ToDoBlend{dialog->toDoAlpha(), dialog->toDoAlphaPos()} : ToDoBlend{};
    });
    toDo.setMainLabel(m_projects->toDoCountLabel());
    const QPointer<ToDoWindow> window(&toDo);
    m_tray->hotKeys().setReaction(kToDoHotKey, [window] {
        if (window)
            window->showWindow();
    });
}

Application::~Application()
{
    // Every window writes its settings as it goes; on a full disk the user
    // hears of it once, not once per window.
    m_main->settings().reportRefusalsOnce();
    while (!m_windows.empty())
        m_windows.pop_back();
}

} // namespace veltrano
