#pragma once
#include <QObject>
#include <memory>
#include <vector>

namespace veltrano {

class ClocksFeature;
class ConsoleFeature;
class MessageBoxes;
class ModalDialogs;
class PasswordsFeature;
class Platform;
class ProjectsFeature;
class SystemToolsFeature;
class OptionsDialog;
class TDataModuleImg;
class ToDoWindow;
class MainWindow;
struct ConfigurationReactions;
class TimelineFeature;
class ToDoFeature;
class TrayPlacement;

// The one place the program is put together: every window (and the shared
// picture lists) created once at start-up in a fixed order, the main window
// first with its features plugged in, and destroyed in the reverse order at
// exit, the main window last. The order is listed in Application.cpp.
class Application {
public:
    Application(Platform &platform, MessageBoxes &messages, ModalDialogs &dialogs);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    MainWindow &main() const { return *m_main; }
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
    void plugMainWindowFeatures(MainWindow &main);
    static ConfigurationReactions optionsReactions(ToDoWindow &toDo);
    void joinToDoWindow(ToDoWindow &toDo, OptionsDialog &options);

    // Windows and the picture module, in creation order.
    std::vector<std::unique_ptr<QObject>> m_windows;
    MainWindow *m_main = nullptr;
    TDataModuleImg *m_images = nullptr;
    // The features live as long as the main window, as its children.
    TrayPlacement *m_tray = nullptr;
    TimelineFeature *m_timeline = nullptr;
    ProjectsFeature *m_projects = nullptr;
    ClocksFeature *m_clocks = nullptr;
    ToDoFeature *m_toDo = nullptr;
    SystemToolsFeature *m_systemTools = nullptr;
    ConsoleFeature *m_console = nullptr;
    PasswordsFeature *m_passwords = nullptr;
};

} // namespace veltrano
