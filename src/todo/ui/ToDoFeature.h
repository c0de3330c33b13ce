#pragma once
#include "todo/logic/ToDoComposer.h"
#include "todo/logic/ToDoSettings.h"
#include "todo/ui/ToDoWindowState.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace veltrano {

class AppContext;
struct IoStatus;
class MainFrame;
class NewToDoItemDialog;
class ToDoItemEditor;
class ToDoListModel;
class ToDoStatisticsDialog;
class ToDoWindow;

inline constexpr auto kToDoLabelPrefix = u"To-Does . . . ";

// The quick to-do list: "list.todo" loaded at start-up and saved at every
// change, the to-do window and its dialogs (each made the first time it is
// needed), the composer's options and the window's placement, read at
// start-up and written at exit. "To-Do List..." (tool button, menus, tray,
// the count on the Contacts page) shows the window; with the autostart flag
// set every showing of the main window ends by showing it; while both are on
// screen it keeps docked to the main window.
class ToDoFeature final : public QObject {
    Q_OBJECT
public:
    ToDoFeature(AppContext &context, MainFrame &frame);
    ~ToDoFeature() override;

    // What the options say of the window's blending, asked at each show.
    void setBlendSource(std::function<ToDoBlend()> source) { m_blendSource = std::move(source); }
    // "Options..." of the window's menus and its button.
    void setOptionsOpener(std::function<void()> open) { m_openOptions = std::move(open); }

    ToDoListModel &list() const { return *m_list; }
    bool autostart() const { return m_autostart; }
    const ToDoComposeOptions &composeOptions() const { return m_composeOptions; }
    // The window, made when first asked for.
    ToDoWindow &window();
    bool windowMade() const { return bool(m_window); }
    // The dialogs, each made when first asked for.
    NewToDoItemDialog &composer();
    ToDoItemEditor &itemEditor();
    ToDoStatisticsDialog &statistics();

    // The "To-Do List..." command: the window, and the main window's count.
    void showToDoWindow();
    // A plain show (Ctrl+F1, the options' ">>"), which leaves the count be.
    void showWindow(bool activate);
    // Blending as the options dialog switches it, for a window on screen.
    void setBlending(bool on);
    void setBlendValue(int value);

    // The composer's options, the window's placement and the list, in that
    // order; the report of a list that could not be saved, if so.
    std::optional<QString> saveAtExit();

signals:
    // "To-Does . . . N" for the main window's Contacts page.
    void countShown(const QString &caption);

private:
    void onMainWindowShown();
    void dock();
    void showCount();
    void reportSaveFailure(const IoStatus &status);
    // The list on disk changed by another hand, and this run has no change
    // of its own waiting: it is shown as it is there.
    void followListFile();
    void reloadList();
    void compose(std::function<void()> closed);
    void editItem(int index);
    void showStatistics(std::function<void()> closed);
    QWidget *dialogParent() const;

    AppContext &m_context;
    MainFrame &m_frame;
    std::unique_ptr<ToDoListModel> m_list;
    ToDoWindowState m_state;
    ToDoComposeOptions m_composeOptions;
    bool m_autostart = true;
    bool m_showingWithMain = false;
    bool m_mainWindowStarted = false;
    bool m_showWhenStarted = false;
    bool m_exiting = false;
    std::function<ToDoBlend()> m_blendSource;
    std::function<void()> m_openOptions;
    std::unique_ptr<ToDoWindow> m_window;
    std::unique_ptr<NewToDoItemDialog> m_composer;
    std::unique_ptr<ToDoItemEditor> m_editor;
    std::unique_ptr<ToDoStatisticsDialog> m_statistics;
};

} // namespace veltrano
