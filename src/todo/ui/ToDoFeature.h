#pragma once
#include "todo/ui/ToDoWindow.h"

#include <QObject>
#include <QPointer>

namespace veltrano {

class MainWindow;

// The to-do list's share of the main window: its "To-Do List..." command
// (tool button, menus, tray, `Label14`) shows the to-do window; with the
// autostart flag set every showing of the main window ends by showing it;
// while both are on screen the to-do window keeps docked to the main window.
class ToDoFeature final : public QObject {
    Q_OBJECT
public:
    explicit ToDoFeature(MainWindow &main);

    bool autostart() const { return m_autostart; }
    // The window, once it is created (it is not the main window's child).
    void setWindow(ToDoWindow *window) { m_window = window; }
    ToDoWindow *window() const { return m_window; }

    // Shows the to-do window and brings the main window's count up to date.
    void showToDoWindow();

private:
    void onMainWindowShown();
    void dock();

    MainWindow &m_main;
    QPointer<ToDoWindow> m_window;
    bool m_autostart = true;
    bool m_showingWithMain = false;
};

} // namespace veltrano
