#pragma once
#include <QObject>
#include <memory>
#include <vector>

namespace veltrano {

class ClocksFeature;
class ConsoleFeature;
class MessageBoxes;
class ModalDialogs;
class PasswordGeneratorFeature;
class Platform;
class ProjectsFeature;
class SystemToolsFeature;
class TConfiguration;
class TDataModuleImg;
class TFastToDo;
class TMainForm;
struct ConfigurationReactions;
class TimelineFeature;
class ToDoFeature;
class TrayPlacement;

// The one place the program is put together: every window (and the shared
// picture lists) created once at start-up in a fixed order, the main window
// first with its features plugged in, and destroyed in the reverse order at
// exit, the main window last. The order is listed in AppWindows.cpp.
class AppWindows {
public:
    AppWindows(Platform &platform, MessageBoxes &messages, ModalDialogs &dialogs);
    ~AppWindows();
    AppWindows(const AppWindows &) = delete;
    AppWindows &operator=(const AppWindows &) = delete;

    TMainForm &main() const { return *m_main; }
    TDataModuleImg &images() const { return *m_images; }
    TrayPlacement &tray() const { return *m_tray; }
    TimelineFeature &timeline() const { return *m_timeline; }
    ProjectsFeature &projects() const { return *m_projects; }
    ClocksFeature &clocks() const { return *m_clocks; }
    ToDoFeature &toDo() const { return *m_toDo; }
    SystemToolsFeature &systemTools() const { return *m_systemTools; }
    ConsoleFeature &console() const { return *m_console; }

private:
    template <typename Window, typename... Args> Window &create(Args &&...args);
    void plugMainWindowFeatures(TMainForm &main);
    static ConfigurationReactions optionsReactions(TFastToDo &toDo);
    void joinToDoWindow(TFastToDo &toDo, TConfiguration &options);

    // Windows and the picture module, in creation order.
    std::vector<std::unique_ptr<QObject>> m_windows;
    TMainForm *m_main = nullptr;
    TDataModuleImg *m_images = nullptr;
    // The features live as long as the main window, as its children.
    TrayPlacement *m_tray = nullptr;
    TimelineFeature *m_timeline = nullptr;
    ProjectsFeature *m_projects = nullptr;
    ClocksFeature *m_clocks = nullptr;
    ToDoFeature *m_toDo = nullptr;
    SystemToolsFeature *m_systemTools = nullptr;
    ConsoleFeature *m_console = nullptr;
    PasswordGeneratorFeature *m_passwords = nullptr;
};

} // namespace veltrano
