#pragma once
#include "todo/ui/FormToDo.h"

#include <QObject>
#include <QPointer>

namespace veltrano {

class TMainForm;

// The to-do list's share of the main window: its "To-Do List..." command
// (tool button, menus, tray, `Label14`) shows the to-do window; with the
// autostart flag set every showing of the main window ends by showing it;
// while both are on screen the to-do window keeps docked to the main window.
class ToDoFeature final : public QObject {
    Q_OBJECT
public:
    explicit ToDoFeature(TMainForm &main);

    bool autostart() const { return m_autostart; }
    // The window, once it is created (it is not the main window's child).
    void setWindow(TFastToDo *window) { m_window = window; }
    TFastToDo *window() const { return m_window; }

    // Shows the to-do window and brings the main window's count up to date.
    void FastToDoListShowExecute();

private:
    void FormShow();
    void dock();

    TMainForm &m_main;
    QPointer<TFastToDo> m_window;
    bool m_autostart = true;
    bool m_showingWithMain = false;
};

} // namespace veltrano
