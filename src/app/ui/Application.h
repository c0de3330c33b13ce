#pragma once
#include <QList>
#include <QString>
#include <memory>

class QWidget;

namespace veltrano {

class AppContext;
class BackgroundWriter;
class DataFolderWatch;
class ClocksFeature;
class ConsoleFeature;
class InstanceMarker;
class MainWindow;
class MessageBoxes;
class ModalDialogs;
class OptionsFeature;
class PasswordsFeature;
class Platform;
class ProjectsFeature;
class SettingsStore;
class SystemToolsFeature;
class TimelineFeature;
class ToDoFeature;
class TrayPlacement;

// The program put together: it opens the data folder and the settings file,
// holds the application context, makes the main window and plugs every
// feature into it in start-up order. Each feature reads its settings into
// plain objects as it is made and makes its windows when they are first
// needed. At the end one save-all writes every setting and list, in the order
// the program has always written them, before any window goes; what could not
// be written is told after it, once.
class Application {
public:
    Application(Platform &platform, MessageBoxes &messages, ModalDialogs &dialogs);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Shows the main window and runs until the program is told to end, then
    // shuts down; the exit code.
    int run();
    // A later start of the program, refused while `marker` is held, brings
    // the main window forward (back from the tray if need be).
    void comeForwardOnLaterStarts(InstanceMarker &marker);
    // Stops the timers and saves everything; the windows stay until the
    // Application goes. Runs once; later calls do nothing.
    void shutDown();

    AppContext &context() const { return *m_context; }
    MainWindow &mainWindow() const { return *m_main; }
    TrayPlacement &tray() const { return *m_tray; }
    TimelineFeature &timeline() const { return *m_timeline; }
    ProjectsFeature &projects() const { return *m_projects; }
    ClocksFeature &clocks() const { return *m_clocks; }
    ToDoFeature &toDo() const { return *m_toDo; }
    SystemToolsFeature &systemTools() const { return *m_systemTools; }
    ConsoleFeature &console() const { return *m_console; }
    PasswordsFeature &passwords() const { return *m_passwords; }
    OptionsFeature &options() const { return *m_options; }

private:
    void createFeatures();
    void joinFeatures();
    // Writes everything in the order of old: what the windows made last
    // wrote first, the main window's keys and the alarm's last.
    void saveAll();
    void waitForBoxesOfTheEnd(const QList<QWidget *> &openBefore);
    // Everything queued reaches the disk before the last writes are made;
    // a disk that takes longer than the bound is told about.
    void finishQueuedWrites();
    void tellConflictKept(const QString &copy);
    // PM.INI edited outside is taken in; a write of it refused in the
    // background is tried again, and so told as before.
    void followSettingsFile();

    Platform &m_platform;
    MessageBoxes &m_messages;
    std::unique_ptr<BackgroundWriter> m_files;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<DataFolderWatch> m_watch;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<TrayPlacement> m_tray;
    std::unique_ptr<TimelineFeature> m_timeline;
    std::unique_ptr<ProjectsFeature> m_projects;
    std::unique_ptr<ClocksFeature> m_clocks;
    std::unique_ptr<ToDoFeature> m_toDo;
    std::unique_ptr<OptionsFeature> m_options;
    std::unique_ptr<SystemToolsFeature> m_systemTools;
    std::unique_ptr<ConsoleFeature> m_console;
    std::unique_ptr<PasswordsFeature> m_passwords;
    bool m_shutDown = false;
};

} // namespace veltrano
