// The to-do window: the quick to-do list as a check list in a narrow window of
// its own, docked beside the main window while that one is on screen.
#pragma once
#include "todo/logic/ToDoSettings.h"
#include "todo/ui/ToDoMenus.h"

#include <QEvent>
#include <QWidget>
#include <functional>

class QAction;
class QListView;

namespace veltrano {

class AppContext;
class MessageBoxes;
class ToDoDocking;
class ToDoListModel;
struct ToDoWindowState;

inline constexpr auto kToDoDesignCaption = u"Today To-Do List: ";
inline constexpr auto kToDoCaption = u"To-Do List: ";
inline constexpr auto kSelectItemMessage = u"Select some menu item please ;)";
inline constexpr auto kClearSelectedQuestion = u"Do you want clear selected items?";
inline constexpr auto kClearAllQuestion = u"Do you want clear all items?";
inline constexpr QSize kToDoDesignClientSize{218, 360};

// What the window opens that belongs to its feature: the composer, the
// one-item editor, the statistics and the options. Each gets a completion
// that runs once the dialog has closed.
struct ToDoWindowLinks {
    std::function<void(std::function<void()> closed)> compose;
    std::function<void(int index)> editItem;
    std::function<void(std::function<void()> closed)> showStatistics;
    std::function<void()> showOptions;
    std::function<ToDoBlend()> blend;
    // The window was left: the main window's count catches up.
    std::function<void()> left;
};

// A top-level window of its own, parented to no other window: it stays on
// screen while the main window hides in the tray. Made the first time it is
// needed; closing it only hides it.
class ToDoWindow final : public QWidget {
    Q_OBJECT
public:
    ToDoWindow(AppContext &context, ToDoListModel &list, ToDoWindowState &state, QWidget &mainWindow,
               ToDoWindowLinks links);
    ~ToDoWindow() override;

    ToDoListModel &list() const { return m_list; }
    ToDoDocking &docking() const { return *m_docking; }
    ToDoMenus &menus() const { return *m_menus; }
    // The selected item's index, or -1.
    int selectedIndex() const;
    // Shows the window; one already on screen comes to the front. Asked for
    // by the user it also takes the keyboard; coming up with the main window
    // it leaves the keyboard there.
    void showWindow(bool activate = true);
    void updateCaption();

    // The commands of the two menus, the keys and the three buttons.
    void addItem();
    void editSelectedItem();
    void deleteSelectedItem();
    void onClearDoneItems();
    void onClearAllItems();
    void archiveAndClear();
    void showStatistics();
    void toggleStayOnTop();
    void showOptions();
    void closeWindow();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createActions();
    void run(ToDoMenus::Command command);
    void clearAfterYes(const char16_t *question, void (ToDoListModel::*clear)());
    void onListRightClick(QPoint at);
    void followMouse(QEvent::Type type);
    MessageBoxes &messages();

    AppContext &m_context;
    ToDoListModel &m_list;
    ToDoWindowLinks m_links;
    QListView *m_view = nullptr;
    QWidget *m_panelTop = nullptr;
    ToDoMenus *m_menus = nullptr;
    ToDoDocking *m_docking = nullptr;
};

} // namespace veltrano
